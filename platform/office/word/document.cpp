// Opening a document from its package, its stories and parts, SaveAs and Close.
#include "platform/office/word/document.h"

#include "platform/office/common/file_kind.h"
#include "platform/office/common/xml_names.h"
#include "platform/office/word/application.h"
#include "platform/office/word/errors.h"
#include "platform/office/word/formatting.h"
#include "platform/office/word/numbering.h"
#include "platform/office/word/range.h"
#include "platform/office/word/selection.h"
#include "platform/office/word/shapes.h"
#include "platform/office/word/styles.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace word {
namespace {

using office::Attr;
using office::Child;
using office::IsElement;

// The theme script of the East Asian language the document names (w:themeFontLang).
std::string_view ScriptOf(std::string_view language) {
  if (language.starts_with("zh-TW") || language.starts_with("zh-HK") ||
      language.starts_with("zh-MO"))
    return "Hant";
  if (language.starts_with("ja")) return "Jpan";
  if (language.starts_with("ko")) return "Hang";
  return "Hans";
}

}  // namespace

Document::Document(Application& app, std::unique_ptr<opc::Package> package, std::string fullName)
    : app_(app), package_(std::move(package)), fullName_(std::move(fullName)) {}

Document::~Document() = default;

base::Result<std::unique_ptr<Document>> Document::Open(Application& app,
                                                       const std::filesystem::path& hostFile,
                                                       std::string fullName) {
  base::Result<win::OpenedFile> file = win::OpenRegularFile(hostFile, win::kPackageFileCap);
  if (!file) return std::move(file).error();
  return FromFile(app, *std::move(file), std::move(fullName));
}

base::Result<std::unique_ptr<Document>> Document::FromBytes(Application& app,
                                                            std::string_view bytes,
                                                            std::string fullName) {
  if (base::Status package = IsPackage(bytes); !package) return package.error();
  return FromPackage(app, opc::Package::OpenMemory(bytes), std::move(fullName));
}

base::Result<std::unique_ptr<Document>> Document::FromFile(Application& app, win::OpenedFile file,
                                                           std::string fullName) {
  char head[8] = {};
  base::Result<size_t> read = file.ReadPrefix(head, sizeof head);
  if (!read) return read.error();
  if (base::Status package = IsPackage(std::string_view(head, *read)); !package)
    return package.error();
  return FromPackage(app, opc::Package::OpenFile(std::move(file)), std::move(fullName));
}

base::Status Document::IsPackage(std::string_view head) {
  if (office::IsCompoundFile(head))
    return Failed(
        "not a document package: a binary word-processor file, which must be converted first");
  if (office::IsRtf(head)) return Failed("not a document package: an RTF file");
  return base::Ok();
}

base::Result<std::unique_ptr<Document>> Document::FromPackage(
    Application& app, base::Result<std::unique_ptr<opc::Package>> package, std::string fullName) {
  if (!package) return std::move(package).error();
  std::unique_ptr<Document> document(new Document(app, std::move(*package), std::move(fullName)));
  if (base::Status loaded = document->Load(); !loaded) return std::move(loaded).error();
  return document;
}

base::Status Document::Load() {
  const opc::Relationship* main = package_->FindRelationship("", "/officeDocument");
  mainPart_ = main != nullptr && !main->external ? main->target : "word/document.xml";
  base::Result<pugi::xml_document*> xml = package_->PartXml(mainPart_);
  if (!xml)
    return Failed("not a document: its main part cannot be read (", xml.error().message, ")");
  const pugi::xml_node root = (*xml)->document_element();
  if (!IsElement(root, "document")) return Failed("not a document: its main part is no w:document");
  const pugi::xml_node body = Child(root, "body");
  if (!body) return Failed("not a document: it has no body");
  StoryEntry& main_story = stories_.emplace_back();
  main_story.story =
      std::make_unique<word::Story>(word::Story::Build(body, package_->Relationships(mainPart_)));
  selection_ = std::make_unique<word::Selection>(*this);
  return ReadFormattingParts();
}

template <class Model>
base::Status Document::ReadRelated(std::string_view suffix, std::string_view what,
                                   std::unique_ptr<Model>& model) {
  const opc::Relationship* r = package_->FindRelationship(mainPart_, suffix);
  pugi::xml_node root;
  std::string part;
  if (r != nullptr && !r->external && package_->HasPart(r->target)) {
    part = r->target;
    base::Result<pugi::xml_document*> xml = package_->PartXml(part);
    if (!xml)
      return Failed("not a document: its ", what, " cannot be read (", xml.error().message, ")");
    root = (*xml)->document_element();
  }
  opc::Package* package = package_.get();
  base::Result<std::unique_ptr<Model>> read =
      Model::Read(root, ReadingContext(),
                  [package, part](uint64_t bytes) { return package->ChargeFor(part, bytes); });
  if (!read)
    return Failed("not a document: its ", what, " cannot be read (", read.error().message, ")");
  model = std::move(*read);
  return base::Ok();
}

base::Status Document::ReadFormattingParts() {
  if (base::Status styles = ReadRelated("/styles", "styles", styles_); !styles) return styles;
  return ReadRelated("/numbering", "numbering", numbering_);
}

std::string Document::Name() const {
  return win::FileNamePart(fullName_);
}

pugi::xml_node Document::DocumentNode() {
  return stories_[kMainStory].story->Root().parent();
}

word::Range Document::Content() {
  return word::Range(*this, kMainStory, 0, StoryAt(kMainStory).Length());
}

base::Result<word::Range> Document::Range(int32_t start, int32_t end) {
  const int32_t length = StoryAt(kMainStory).Length();
  if (start < 0 || end < 0 || start > length || end > length)
    return ErrorWith(kErrOutOfRange, "the range ", start, "..", end, " lies beyond the story's ",
                     length, " characters");
  word::Range range(*this, kMainStory, 0, 0);
  range.SetRange(start, end);
  return range;
}

base::Status Document::SaveAs(std::string_view fileName) {
  return SaveAs(win::ToHostPath(fileName), std::string(fileName));
}

base::Status Document::SaveAs(const std::filesystem::path& hostFile, std::string fullName) {
  if (base::Status saved = package_->SaveAs(hostFile); !saved)
    return Failed("cannot save \"", fullName, "\": ", saved.error().message);
  fullName_ = std::move(fullName);
  saved_ = true;
  return base::Ok();
}

void Document::Close() {
  app_.Documents().Close(this);
}

Story& Document::StoryAt(StoryId id) {
  return *stories_[static_cast<size_t>(id)].story;
}

WdStoryType Document::StoryType(StoryId id) const {
  return stories_[static_cast<size_t>(id)].type;
}

base::Result<StoryId> Document::PartStory(std::string_view partName, WdStoryType type) {
  for (size_t i = 0; i < stories_.size(); ++i) {
    if (stories_[i].type != wdTextFrameStory && !stories_[i].part.empty() &&
        stories_[i].part == partName)
      return static_cast<StoryId>(i);
  }
  base::Result<pugi::xml_document*> xml = package_->PartXml(partName);
  if (!xml) return Failed("the part \"", partName, "\" cannot be read: ", xml.error().message);
  const pugi::xml_node root = (*xml)->document_element();
  if (!IsElement(root, "hdr") && !IsElement(root, "ftr"))
    return Failed("the part \"", partName, "\" is no header or footer");
  StoryEntry& entry = stories_.emplace_back();
  entry.part = std::string(partName);
  entry.type = type;
  entry.story =
      std::make_unique<word::Story>(word::Story::Build(root, package_->Relationships(partName)));
  return static_cast<StoryId>(stories_.size() - 1);
}

StoryId Document::TextFrameStory(pugi::xml_node txbxContent) {
  for (size_t i = 1; i < stories_.size(); ++i) {
    if (stories_[i].type == wdTextFrameStory && stories_[i].story->Root() == txbxContent)
      return static_cast<StoryId>(i);
  }
  StoryEntry& entry = stories_.emplace_back();
  entry.part = mainPart_;
  entry.type = wdTextFrameStory;
  entry.story = std::make_unique<word::Story>(
      word::Story::Build(txbxContent, package_->Relationships(mainPart_)));
  return static_cast<StoryId>(stories_.size() - 1);
}

word::Shapes& Document::Shapes() {
  if (!shapes_) shapes_ = std::make_unique<word::Shapes>(*this);
  return *shapes_;
}

StoryId Document::EmptyStory(WdStoryType type) {
  for (size_t i = 1; i < stories_.size(); ++i) {
    if (stories_[i].ownTree && stories_[i].type == type) return static_cast<StoryId>(i);
  }
  StoryEntry& entry = stories_.emplace_back();
  entry.type = type;
  entry.ownTree = std::make_unique<pugi::xml_document>();
  const bool footer = type == wdPrimaryFooterStory || type == wdFirstPageFooterStory ||
                      type == wdEvenPagesFooterStory;
  pugi::xml_node root = entry.ownTree->append_child(footer ? "w:ftr" : "w:hdr");
  root.append_child("w:p");
  entry.story = std::make_unique<word::Story>(word::Story::Build(root, {}));
  return static_cast<StoryId>(stories_.size() - 1);
}

void Document::StoryChanged(StoryId id) {
  StoryEntry& entry = stories_[static_cast<size_t>(id)];
  const std::string& part = id == kMainStory ? mainPart_ : entry.part;
  if (!part.empty()) package_->MarkChanged(part);
  const pugi::xml_node root = entry.story->Root();
  entry.story = std::make_unique<word::Story>(word::Story::Build(
      root, part.empty() ? std::vector<opc::Relationship>() : package_->Relationships(part)));
  if (formatting_) formatting_->Clear();
  saved_ = false;
}

pugi::xml_node Document::RelatedRoot(std::string_view suffix) {
  const opc::Relationship* r = package_->FindRelationship(mainPart_, suffix);
  if (r == nullptr || r->external) return {};
  base::Result<pugi::xml_document*> xml = package_->PartXml(r->target);
  return xml ? (*xml)->document_element() : pugi::xml_node();
}

const drawingml::Theme& Document::Theme() {
  if (!theme_) {
    if (pugi::xml_node root = RelatedRoot("/theme")) {
      if (base::Result<drawingml::Theme> read = drawingml::Theme::Read(root)) theme_ = *read;
    }
    if (!theme_) theme_ = drawingml::Theme::Default();
  }
  return *theme_;
}

pugi::xml_node Document::Settings() {
  return RelatedRoot("/settings");
}

ReadContext Document::ReadingContext() {
  return {&Theme(), ScriptOf(Attr(Child(Settings(), "themeFontLang"), "eastAsia").value())};
}

const StyleSheet& Document::Styles() {
  return *styles_;
}

const Numbering& Document::NumberingDefinitions() {
  return *numbering_;
}

Formatting& Document::Format() {
  if (!formatting_) {
    formatting_ = std::make_unique<Formatting>(Styles(), NumberingDefinitions(), ReadingContext());
  }
  return *formatting_;
}

}  // namespace word
