// CPropertiesDlg: the file menu's "属性" dialog for the page shown: its title, protocol, type,
// the address the candidate sees (the real site's, not the local copy's path) and its size.
// DescribePage gathers those texts without a screen.
#pragma once

#include <QDialog>
#include <filesystem>
#include <string>

struct PageProperties {
  std::string title;
  std::string protocol;
  std::string type;
  std::string address;
  std::string size;  // "不可用" when unknown
};

// The properties of a page titled `title` shown under the real address `address`, whose local
// copy (empty when none) gives the type and size. The copy is only measured when it is a
// regular file, never through a link.
PageProperties DescribePage(const std::string& title, const std::string& address,
                            const std::filesystem::path& localFile);

class CPropertiesDlg : public QDialog {
  Q_OBJECT

 public:
  CPropertiesDlg(const PageProperties& page, QWidget* parent);

  const PageProperties& Page() const { return page_; }

 private:
  PageProperties page_;
};
