// One open presentation: its slides, masters and layouts read from the package when it opens,
// the theme and text defaults they resolve against, and the document properties the checks
// read. Only read: nothing here writes the candidate's file.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/drawingml/text.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/opc/package.h"
#include "platform/office/powerpoint/slide_show_settings.h"
#include "platform/office/powerpoint/slides.h"

namespace powerpoint {

class Application;

class Presentation {
 public:
  // Reads a presentation from a host file (a regular file within the office file cap) or from
  // its bytes; an error says why it is none. `fullName` is the name it is known by.
  static base::Result<std::unique_ptr<Presentation>> Open(Application& app,
                                                          const std::filesystem::path& hostFile,
                                                          std::string fullName);
  static base::Result<std::unique_ptr<Presentation>> FromBytes(Application& app,
                                                               std::string_view bytes,
                                                               std::string fullName);
  // The same from a file already open (the candidate's, opened confined), read as
  // opc::Package::OpenFile reads it: a large one piece by piece.
  static base::Result<std::unique_ptr<Presentation>> FromFile(Application& app,
                                                              win::OpenedFile file,
                                                              std::string fullName);
  ~Presentation();
  Presentation(const Presentation&) = delete;
  Presentation& operator=(const Presentation&) = delete;

  // The name as opened ("C:\\Kaoshi\\a.pptx") and its last component ("a.pptx").
  const std::string& FullName() const { return fullName_; }
  std::string Name() const;

  const powerpoint::Slides& Slides() const { return slides_; }
  // The first slide master; fails when the presentation has none.
  base::Result<const Master*> SlideMaster() const;
  const std::vector<std::unique_ptr<Master>>& Masters() const { return masters_; }
  // docProps/app.xml's Template ("" when the part or the element is missing).
  base::Result<std::string> TemplateName() const;
  // ppt/presProps.xml's p:showPr, its defaults without the part or the element; fails when the
  // part cannot be read.
  base::Result<powerpoint::SlideShowSettings> SlideShowSettings() const;
  // p:sldSz in points.
  float SlideWidth() const;
  float SlideHeight() const;

  // Closes without saving: the application forgets it and it is destroyed.
  void Close();

 private:
  static base::Result<std::unique_ptr<Presentation>> FromPackage(
      Application& app, base::Result<std::unique_ptr<opc::Package>> package, std::string fullName);
  Presentation(Application& app, std::unique_ptr<opc::Package> package, std::string fullName);
  base::Status Load();
  // Gives every slide the targets of its hyperlinks.
  void LinkSlides();
  // The master or layout of that part, read on first use; an error when it cannot be read.
  base::Result<const Master*> LoadMaster(const std::string& partName);
  base::Result<const CustomLayout*> LoadLayout(const std::string& partName);

  Application& app_;
  std::unique_ptr<opc::Package> package_;
  std::string fullName_;
  std::string mainPart_;  // ppt/presentation.xml, or where the package's relationship points
  drawingml::ListStyle defaults_;
  std::vector<std::unique_ptr<drawingml::Theme>> themes_;
  std::vector<std::unique_ptr<Master>> masters_;
  std::vector<std::unique_ptr<CustomLayout>> layouts_;
  std::unordered_map<std::string, const Master*> masterByPart_;
  std::unordered_map<std::string, const CustomLayout*> layoutByPart_;
  powerpoint::Slides slides_;
  int64_t slideWidthEmu_ = 9144000;
  int64_t slideHeightEmu_ = 6858000;
};

}  // namespace powerpoint
