// An open workbook: its package, its sheets in order, the active sheet of the saved window
// (workbookView@activeTab), defined names, the Saved flag and SaveAs. The shared strings, the
// styles and the theme are read on first use, so that reading the values of a workbook whose
// cells need none of them costs nothing for them.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/excel/styles.h"
#include "platform/office/excel/worksheet.h"
#include "platform/office/opc/package.h"

namespace excel {

class Application;
class Window;

class Workbook {
 public:
  // Opens the workbook in a package file; an error says why it is none.
  static base::Result<std::unique_ptr<Workbook>> Open(Application& app,
                                                      const std::filesystem::path& hostFile,
                                                      std::string fullName);
  // The same for a package file's bytes already read.
  static base::Result<std::unique_ptr<Workbook>> FromBytes(Application& app, std::string_view bytes,
                                                           std::string fullName);
  ~Workbook();

  Application& Parent() { return app_; }
  // "book.xlsx" and the path it was opened or last saved under (Windows form).
  std::string Name() const;
  const std::string& FullName() const { return fullName_; }

  int SheetCount() const { return static_cast<int>(sheets_.size()); }
  // By position from 1, or by name without regard to case or width, chart sheets included.
  base::Result<Worksheet*> Sheets(int index);
  base::Result<Worksheet*> Sheets(std::string_view name);
  // The same among the worksheets alone (chart sheets left out, as the suite counts them).
  base::Result<Worksheet*> Worksheets(int index);
  base::Result<Worksheet*> Worksheets(std::string_view name);
  Worksheet* ActiveSheet();
  void Activate(Worksheet* sheet);

  // The reference a defined name stands for ("Sheet1!$A$1:$D$20"), looked up without regard to
  // case: a name of the given sheet first, then a workbook-wide one. Nothing when there is none.
  std::optional<std::string> DefinedName(std::string_view name, const Worksheet* scope);

  Window& ActiveWindow() { return *window_; }

  // True until something changes the workbook; set to true by SaveAs or by the caller.
  bool Saved() const { return saved_; }
  void SetSaved(bool saved) { saved_ = saved; }
  // Records an edit of an XML part of the workbook, by name or by its tree (clears Saved).
  void MarkChanged(std::string_view partName);
  void MarkChanged(const pugi::xml_document* part);

  // Writes the workbook to a Windows-form path (through a temporary file renamed over it); it
  // then carries that name.
  base::Status SaveAs(std::string_view fileName);

  bool Date1904() const { return date1904_; }
  const Styles& StyleSheet();
  // The workbook's theme (colours and fonts of charts and drawings); the suite's default theme
  // when the package has none or it cannot be read.
  const drawingml::Theme& Theme();
  // Entry `index` of the shared string table; null when there is no such entry.
  const std::string* SharedString(uint32_t index);

  opc::Package& Package() { return *package_; }
  pugi::xml_node Node();  // <workbook>
  const std::string& PartName() const { return partName_; }

 private:
  Workbook(Application& app, std::unique_ptr<opc::Package> package, std::string fullName);
  base::Status Load();
  pugi::xml_node PartRoot(std::string_view relationshipSuffix);

  Application& app_;
  std::unique_ptr<opc::Package> package_;
  std::string fullName_;
  std::string partName_;
  std::vector<std::unique_ptr<Worksheet>> sheets_;
  int activeSheet_ = 0;
  bool date1904_ = false;
  bool saved_ = true;
  std::optional<Styles> styles_;
  std::optional<drawingml::Theme> theme_;
  std::optional<std::vector<std::string>> sharedStrings_;
  std::unique_ptr<Window> window_;
};

}  // namespace excel
