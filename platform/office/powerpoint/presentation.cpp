// Opening a presentation: the main part, its masters, layouts and slides in p:sldIdLst order,
// each read once; and the document properties.
#include "platform/office/powerpoint/presentation.h"

#include <unordered_set>

#include "platform/office/common/units.h"
#include "platform/office/common/xml_names.h"
#include "platform/office/drawingml/xml.h"
#include "platform/office/powerpoint/application.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/win/confined_file.h"

namespace powerpoint {
namespace {

using office::Attr;
using office::Child;
using office::IsElement;

// The most slides a presentation may list; more makes it unreadable.
constexpr size_t kMaxSlides = 10000;

// The first 8 bytes of a compound file: the binary format of older versions.
bool IsCompoundFile(std::string_view bytes) {
  return bytes.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
}

base::Error NotAPackage() {
  return Unreadable(
      "not a presentation package: a binary presentation, which must be converted first");
}

const opc::Relationship* RelationshipById(opc::Package& package, std::string_view source,
                                          std::string_view id) {
  for (const opc::Relationship& relationship : package.Relationships(source)) {
    if (relationship.id == id && !relationship.external) return &relationship;
  }
  return nullptr;
}

base::Result<pugi::xml_node> RootOf(opc::Package& package, std::string_view part,
                                    std::string_view element) {
  base::Result<pugi::xml_document*> xml = package.PartXml(part);
  if (!xml) return Unreadable(part, ": ", xml.error().message);
  pugi::xml_node root = (*xml)->document_element();
  if (!IsElement(root, element)) return Unreadable(part, " is no p:", element);
  return root;
}

// The text of the slide's title placeholder; "" without one.
std::string TitleOf(const Slide& slide) {
  for (const auto& shape : slide.Shapes()) {
    base::Result<PlaceholderFormat> placeholder = shape->PlaceholderFormat();
    if (!placeholder || (placeholder->Type() != ppPlaceholderTitle &&
                         placeholder->Type() != ppPlaceholderCenterTitle))
      continue;
    base::Result<powerpoint::TextFrame> frame = shape->TextFrame();
    return frame ? frame->TextRange().Text() : std::string();
  }
  return {};
}

}  // namespace

Presentation::Presentation(Application& app, std::unique_ptr<opc::Package> package,
                           std::string fullName)
    : app_(app), package_(std::move(package)), fullName_(std::move(fullName)) {}

Presentation::~Presentation() = default;

base::Result<std::unique_ptr<Presentation>> Presentation::Open(
    Application& app, const std::filesystem::path& hostFile, std::string fullName) {
  base::Result<win::OpenedFile> file = win::OpenRegularFile(hostFile, win::kPackageFileCap);
  if (!file) return Unreadable(file.error().message);
  return FromFile(app, *std::move(file), std::move(fullName));
}

base::Result<std::unique_ptr<Presentation>> Presentation::FromBytes(Application& app,
                                                                    std::string_view bytes,
                                                                    std::string fullName) {
  if (IsCompoundFile(bytes)) return NotAPackage();
  return FromPackage(app, opc::Package::OpenMemory(bytes), std::move(fullName));
}

base::Result<std::unique_ptr<Presentation>> Presentation::FromFile(Application& app,
                                                                   win::OpenedFile file,
                                                                   std::string fullName) {
  char head[8] = {};
  base::Result<size_t> read = file.ReadPrefix(head, sizeof head);
  if (!read) return Unreadable(read.error().message);
  if (IsCompoundFile(std::string_view(head, *read))) return NotAPackage();
  return FromPackage(app, opc::Package::OpenFile(std::move(file)), std::move(fullName));
}

base::Result<std::unique_ptr<Presentation>> Presentation::FromPackage(
    Application& app, base::Result<std::unique_ptr<opc::Package>> package, std::string fullName) {
  if (!package) return Unreadable(package.error().message);
  std::unique_ptr<Presentation> presentation(
      new Presentation(app, std::move(*package), std::move(fullName)));
  if (base::Status loaded = presentation->Load(); !loaded) return std::move(loaded).error();
  return presentation;
}

base::Status Presentation::Load() {
  const opc::Relationship* main = package_->FindRelationship("", "/officeDocument");
  mainPart_ = main != nullptr && !main->external ? main->target : "ppt/presentation.xml";
  const std::string& mainPart = mainPart_;
  base::Result<pugi::xml_node> root = RootOf(*package_, mainPart, "presentation");
  if (!root) return Unreadable("not a presentation: ", root.error().message);

  base::Result<drawingml::ListStyle> defaults =
      drawingml::ListStyle::Read(Child(*root, "defaultTextStyle"));
  if (!defaults) return Unreadable("the default text style: ", defaults.error().message);
  defaults_ = std::move(*defaults);
  pugi::xml_node size = Child(*root, "sldSz");
  slideWidthEmu_ = drawingml::IntAttr(size, "cx").value_or(slideWidthEmu_);
  slideHeightEmu_ = drawingml::IntAttr(size, "cy").value_or(slideHeightEmu_);

  for (pugi::xml_node id = Child(*root, "sldMasterIdLst").first_child(); id;
       id = id.next_sibling()) {
    const opc::Relationship* rel = RelationshipById(*package_, mainPart, RelationshipIdOf(id));
    if (rel == nullptr) continue;
    if (base::Result<const Master*> master = LoadMaster(rel->target); !master)
      return master.error();
  }

  std::unordered_set<std::string> slideParts;
  for (pugi::xml_node id = Child(*root, "sldIdLst").first_child(); id; id = id.next_sibling()) {
    if (!IsElement(id, "sldId")) continue;
    const opc::Relationship* rel = RelationshipById(*package_, mainPart, RelationshipIdOf(id));
    if (rel == nullptr) return Unreadable("slide ", slides_.Count() + 1, " has no part");
    if (!slideParts.insert(rel->target).second)
      return Unreadable("the part ", rel->target, " is listed as two slides");
    if (slideParts.size() > kMaxSlides) return Unreadable("more than ", kMaxSlides, " slides");
    std::optional<int64_t> slideId = drawingml::IntAttr(id, "id");
    if (!slideId || *slideId < 0 || *slideId > INT32_MAX)
      return Unreadable("slide ", slides_.Count() + 1, " has no readable id");

    const CustomLayout* layout = nullptr;
    if (const opc::Relationship* layoutRel =
            package_->FindRelationship(rel->target, "/slideLayout");
        layoutRel != nullptr && !layoutRel->external) {
      base::Result<const CustomLayout*> loaded = LoadLayout(layoutRel->target);
      if (!loaded) return loaded.error();
      layout = *loaded;
    }
    base::Result<pugi::xml_node> slideRoot = RootOf(*package_, rel->target, "sld");
    if (!slideRoot) return slideRoot.error();
    const SlidePart* parent = layout != nullptr ? &layout->Part() : nullptr;
    const drawingml::Theme* theme =
        parent != nullptr ? &parent->Theme() : &drawingml::Theme::Default();
    base::Result<std::unique_ptr<SlidePart>> part = SlidePart::Read(
        SlidePart::Kind::kSlide, rel->target, *slideRoot, parent, theme, &defaults_);
    if (!part) return part.error();
    slides_.Add(std::make_unique<Slide>(std::move(*part), static_cast<int32_t>(*slideId),
                                        slides_.Count() + 1, layout));
  }
  LinkSlides();
  return base::Ok();
}

namespace {

std::unordered_map<std::string, LinkTarget> ExternalLinks(opc::Package& package,
                                                          const SlidePart& part) {
  std::unordered_map<std::string, LinkTarget> links;
  for (const opc::Relationship& rel : package.Relationships(part.PartName())) {
    if (rel.external) links[rel.id] = LinkTarget{rel.target, ""};
  }
  return links;
}

}  // namespace

void Presentation::LinkSlides() {
  std::unordered_map<std::string, const Slide*> slideByPart;
  for (const auto& slide : slides_) slideByPart.emplace(slide->Part().PartName(), slide.get());
  for (const auto& slide : slides_) {
    std::unordered_map<std::string, LinkTarget> links;
    for (const opc::Relationship& rel : package_->Relationships(slide->Part().PartName())) {
      if (rel.external) {
        links[rel.id] = LinkTarget{rel.target, ""};
        continue;
      }
      auto target = slideByPart.find(rel.target);
      if (target == slideByPart.end()) continue;
      const Slide& to = *target->second;
      links[rel.id] = LinkTarget{"", std::to_string(to.SlideID()) + "," +
                                         std::to_string(to.SlideIndex()) + "," + TitleOf(to)};
    }
    slide->SetLinks(std::move(links));
  }
  // Layouts and masters link pictures only (a texture taken from a file).
  for (const auto& layout : layouts_) layout->SetLinks(ExternalLinks(*package_, layout->Part()));
  for (const auto& master : masters_) master->SetLinks(ExternalLinks(*package_, master->Part()));
}

base::Result<const Master*> Presentation::LoadMaster(const std::string& partName) {
  if (auto it = masterByPart_.find(partName); it != masterByPart_.end()) return it->second;
  base::Result<pugi::xml_node> root = RootOf(*package_, partName, "sldMaster");
  if (!root) return root.error();
  const drawingml::Theme* theme = &drawingml::Theme::Default();
  if (const opc::Relationship* rel = package_->FindRelationship(partName, "/theme");
      rel != nullptr && !rel->external) {
    base::Result<pugi::xml_document*> xml = package_->PartXml(rel->target);
    if (!xml) return Unreadable(rel->target, ": ", xml.error().message);
    base::Result<drawingml::Theme> read = drawingml::Theme::Read((*xml)->document_element());
    if (!read) return Unreadable(rel->target, ": ", read.error().message);
    themes_.push_back(std::make_unique<drawingml::Theme>(std::move(*read)));
    theme = themes_.back().get();
  }
  base::Result<std::unique_ptr<SlidePart>> part =
      SlidePart::Read(SlidePart::Kind::kMaster, partName, *root, nullptr, theme, &defaults_);
  if (!part) return part.error();
  masters_.push_back(std::make_unique<Master>(std::move(*part)));
  masterByPart_.emplace(partName, masters_.back().get());
  return masters_.back().get();
}

base::Result<const CustomLayout*> Presentation::LoadLayout(const std::string& partName) {
  if (auto it = layoutByPart_.find(partName); it != layoutByPart_.end()) return it->second;
  base::Result<pugi::xml_node> root = RootOf(*package_, partName, "sldLayout");
  if (!root) return root.error();
  const Master* master = nullptr;
  if (const opc::Relationship* rel = package_->FindRelationship(partName, "/slideMaster");
      rel != nullptr && !rel->external) {
    base::Result<const Master*> loaded = LoadMaster(rel->target);
    if (!loaded) return loaded.error();
    master = *loaded;
  }
  const SlidePart* parent = master != nullptr ? &master->Part() : nullptr;
  const drawingml::Theme* theme =
      parent != nullptr ? &parent->Theme() : &drawingml::Theme::Default();
  base::Result<std::unique_ptr<SlidePart>> part =
      SlidePart::Read(SlidePart::Kind::kLayout, partName, *root, parent, theme, &defaults_);
  if (!part) return part.error();
  layouts_.push_back(std::make_unique<CustomLayout>(std::move(*part)));
  layoutByPart_.emplace(partName, layouts_.back().get());
  return layouts_.back().get();
}

std::string Presentation::Name() const {
  const size_t cut = fullName_.find_last_of("\\/");
  return cut == std::string::npos ? fullName_ : fullName_.substr(cut + 1);
}

base::Result<const Master*> Presentation::SlideMaster() const {
  if (masters_.empty()) return NoSuchMember("the presentation has no slide master");
  return static_cast<const Master*>(masters_.front().get());
}

base::Result<std::string> Presentation::TemplateName() const {
  const opc::Relationship* rel = package_->FindRelationship("", "/extended-properties");
  const std::string part = rel != nullptr && !rel->external ? rel->target : "docProps/app.xml";
  if (!package_->HasPart(part)) return std::string();
  base::Result<pugi::xml_document*> xml = package_->PartXml(part);
  if (!xml) return Unreadable(part, ": ", xml.error().message);
  return std::string(Child((*xml)->document_element(), "Template").text().get());
}

base::Result<SlideShowSettings> Presentation::SlideShowSettings() const {
  drawingml::Context colors;
  if (!masters_.empty()) {
    colors.theme = &masters_.front()->Part().Theme();
    colors.colorMap = &masters_.front()->Part().ColorMap();
  }
  pugi::xml_node showPr;
  const opc::Relationship* rel = package_->FindRelationship(mainPart_, "/presProps");
  if (rel != nullptr && !rel->external && package_->HasPart(rel->target)) {
    base::Result<pugi::xml_node> root = RootOf(*package_, rel->target, "presentationPr");
    if (!root) return root.error();
    showPr = Child(*root, "showPr");
  }
  return powerpoint::SlideShowSettings(showPr, slides_.Count(), colors);
}

float Presentation::SlideWidth() const {
  return static_cast<float>(office::EmuToPoints(slideWidthEmu_));
}

float Presentation::SlideHeight() const {
  return static_cast<float>(office::EmuToPoints(slideHeightEmu_));
}

void Presentation::Close() {
  app_.Presentations().Close(this);
}

}  // namespace powerpoint
