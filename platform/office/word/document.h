// An open document: its package, the main story and the stories of its headers and footers
// (each indexed once, on first use, and again after an edit), the parts every read resolves
// against (styles, numbering, settings, theme), the Saved flag, SaveAs and Close. The object
// model's handles (Range, Table, Section, ...) point back here.
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
#include "platform/office/opc/package.h"
#include "platform/office/word/constants.h"
#include "platform/office/word/properties.h"
#include "platform/office/word/story.h"

namespace word {

class Application;
class Background;
class Paragraphs;
class Formatting;
class Numbering;
class Range;
class Selection;
class Sections;
class Shapes;
class StyleSheet;
class Tables;

// The stories of a document are numbered: 0 is the main story; headers and footers get the next
// numbers as they are first reached.
using StoryId = int32_t;
inline constexpr StoryId kMainStory = 0;

class Document {
 public:
  // Opens the document in a host file; an error says why it is none (the file's own error
  // when it cannot be read: win::ReadsAsMissing tells a missing one).
  static base::Result<std::unique_ptr<Document>> Open(Application& app,
                                                      const std::filesystem::path& hostFile,
                                                      std::string fullName);
  // The same for a file's bytes already read.
  static base::Result<std::unique_ptr<Document>> FromBytes(Application& app, std::string_view bytes,
                                                           std::string fullName);
  // The same for a file already open (the candidate's, opened confined), read as
  // opc::Package::OpenFile reads it: a large one piece by piece.
  static base::Result<std::unique_ptr<Document>> FromFile(Application& app, win::OpenedFile file,
                                                          std::string fullName);
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  Application& Parent() { return app_; }
  // "report.doc" and the Windows-form path it was opened or last saved under.
  std::string Name() const;
  const std::string& FullName() const { return fullName_; }

  // The whole main story, and a range of it; a range beyond the story fails.
  word::Range Content();
  base::Result<word::Range> Range(int32_t start, int32_t end);
  // Document.Tables: the tables of the main story, not those nested in them (table.h).
  word::Tables Tables();
  // Document.Sections: the sections of the main story (section.h).
  word::Sections Sections();
  // Document.Paragraphs: the main story's paragraphs (paragraphs.h).
  word::Paragraphs Paragraphs();
  // Document.Background: the page background (background.h).
  word::Background Background();
  // Document.Shapes: the floating drawing objects of the main story, read on first use
  // (shapes.h).
  word::Shapes& Shapes();
  // The selection of the document's window: an insertion point at the start when opened.
  word::Selection& Selection() { return *selection_; }

  // Writes the document as a package to a Windows-form path, whatever its extension (the name
  // may end in ".doc": the content decides how it is read again), through a temporary file
  // renamed over the target; the document then carries that name and counts as saved. An
  // unchanged document is written byte for byte.
  base::Status SaveAs(std::string_view fileName);
  // The same for a host path the caller has found; `fullName` is the name it then carries.
  base::Status SaveAs(const std::filesystem::path& hostFile, std::string fullName);
  // Closes the document (its window) without saving.
  void Close();

  // False once something changed the document, until it is saved.
  bool Saved() const { return saved_; }

  // Stories by number: the main story, and the story of a header or footer part by its name
  // (indexed on first use, one story a part whatever it is used for; a missing or unreadable
  // part is an error).
  Story& StoryAt(StoryId id);
  base::Result<StoryId> PartStory(std::string_view partName, WdStoryType type);
  WdStoryType StoryType(StoryId id) const;
  // The story of an empty header or footer, for sections that have none: one empty paragraph,
  // held by the document and written nowhere.
  StoryId EmptyStory(WdStoryType type);
  // The story of a text box of the main part (its w:txbxContent), indexed on first use.
  StoryId TextFrameStory(pugi::xml_node txbxContent);
  // Records an edit of a story's XML: the part is marked changed, the story indexed again.
  void StoryChanged(StoryId id);

  opc::Package& Package() { return *package_; }
  const std::string& MainPart() const { return mainPart_; }
  pugi::xml_node DocumentNode();  // <w:document>

  // The parts every formatting read resolves against: the styles and numbering indexed when the
  // document opened (such a part that cannot be read, or whose index the package's budget
  // refuses, makes the document unreadable), the others read on first use.
  const StyleSheet& Styles();
  const Numbering& NumberingDefinitions();
  const drawingml::Theme& Theme();
  // <w:settings>; an empty handle when the document has none.
  pugi::xml_node Settings();
  Formatting& Format();
  // The theme and East Asian script that theme fonts resolve with.
  ReadContext ReadingContext();

 private:
  // An error when the first bytes are of a format to convert first.
  static base::Status IsPackage(std::string_view head);
  static base::Result<std::unique_ptr<Document>> FromPackage(
      Application& app, base::Result<std::unique_ptr<opc::Package>> package, std::string fullName);
  Document(Application& app, std::unique_ptr<opc::Package> package, std::string fullName);
  base::Status Load();
  // Indexes the styles and numbering parts.
  base::Status ReadFormattingParts();
  // Reads the part the main part relates to by `suffix` with `Model::Read`, charging what it
  // keeps to the package's budget; none when there is no such part; an error naming `what` when
  // it is there but cannot be read.
  template <class Model>
  base::Status ReadRelated(std::string_view suffix, std::string_view what,
                           std::unique_ptr<Model>& model);
  // The root of the part the main part relates to by a relationship type ending in `suffix`.
  pugi::xml_node RelatedRoot(std::string_view suffix);

  struct StoryEntry {
    std::string part;  // empty for the main story and the synthetic empty ones
    WdStoryType type = wdMainTextStory;
    std::unique_ptr<Story> story;
    std::unique_ptr<pugi::xml_document> ownTree;  // for the synthetic empty ones
  };

  Application& app_;
  std::unique_ptr<opc::Package> package_;
  std::string fullName_;
  std::string mainPart_;
  bool saved_ = true;
  std::vector<StoryEntry> stories_;
  std::unique_ptr<word::Selection> selection_;
  std::unique_ptr<StyleSheet> styles_;
  std::unique_ptr<Numbering> numbering_;
  std::optional<drawingml::Theme> theme_;
  std::unique_ptr<Formatting> formatting_;
  std::unique_ptr<word::Shapes> shapes_;
};

}  // namespace word
