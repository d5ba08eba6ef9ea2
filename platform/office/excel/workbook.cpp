// Workbook loading from its package, defined names, shared strings, styles and SaveAs.
#include "platform/office/excel/workbook.h"

#include "platform/office/common/file_kind.h"
#include "platform/office/common/xml_names.h"
#include "platform/office/excel/application.h"
#include "platform/office/excel/binary_workbook.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/sheet_cells.h"
#include "platform/office/excel/text_runs.h"
#include "platform/office/excel/window.h"
#include "platform/vb/strings.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace excel {
namespace {

// True when the file starts as a compound file does (a binary workbook).
bool IsBinaryWorkbookFile(const std::filesystem::path& file) {
  base::Result<win::OpenedFile> opened = win::OpenRegularFile(file, win::kOfficeFileCap);
  if (!opened) return false;
  char head[8];
  base::Result<size_t> read = opened->ReadPrefix(head, sizeof head);
  return read && office::IsCompoundFile(std::string_view(head, *read));
}

}  // namespace

Workbook::Workbook(Application& app, std::unique_ptr<opc::Package> package, std::string fullName)
    : app_(app),
      package_(std::move(package)),
      fullName_(std::move(fullName)),
      window_(std::make_unique<Window>(*this)) {}

Workbook::~Workbook() = default;

base::Result<std::unique_ptr<Workbook>> Workbook::Open(Application& app,
                                                       const std::filesystem::path& hostFile,
                                                       std::string fullName) {
  if (IsBinaryWorkbookFile(hostFile)) {
    base::Result<std::string> bytes = win::ReadRegularFile(hostFile, win::kOfficeFileCap);
    if (!bytes) return std::move(bytes).error();
    return FromBytes(app, *bytes, std::move(fullName));
  }
  base::Result<std::unique_ptr<opc::Package>> package = opc::Package::Open(hostFile);
  if (!package) return std::move(package).error();
  std::unique_ptr<Workbook> book(new Workbook(app, std::move(*package), std::move(fullName)));
  if (base::Status loaded = book->Load(); !loaded) return std::move(loaded).error();
  return book;
}

base::Result<std::unique_ptr<Workbook>> Workbook::FromBytes(Application& app,
                                                            std::string_view bytes,
                                                            std::string fullName) {
  if (office::IsCompoundFile(bytes)) {
    // Its values, as the package they would be saved in.
    base::Result<std::string> converted = PackageFromBinaryWorkbook(bytes);
    if (!converted) return std::move(converted).error();
    return FromBytes(app, *converted, std::move(fullName));
  }
  base::Result<std::unique_ptr<opc::Package>> package = opc::Package::OpenMemory(bytes);
  if (!package) return std::move(package).error();
  std::unique_ptr<Workbook> book(new Workbook(app, std::move(*package), std::move(fullName)));
  if (base::Status loaded = book->Load(); !loaded) return std::move(loaded).error();
  return book;
}

base::Status Workbook::Load() {
  if (const opc::Relationship* main = package_->FindRelationship("", "/officeDocument")) {
    partName_ = main->target;
  } else {
    partName_ = "xl/workbook.xml";
  }
  pugi::xml_node root = Node();
  if (!office::IsElement(root, "workbook")) {
    base::Result<pugi::xml_document*> doc = package_->PartXml(partName_);
    return base::Error::Of("not a workbook: the package has no readable workbook part",
                           doc ? std::string() : " (" + doc.error().message + ")");
  }
  const std::string_view d1904 = office::Child(root, "workbookPr").attribute("date1904").value();
  date1904_ = d1904 == "1" || d1904 == "true";
  const pugi::xml_node view = office::Child(office::Child(root, "bookViews"), "workbookView");
  const int activeTab = view.attribute("activeTab").as_int(0);

  for (pugi::xml_node s = office::Child(root, "sheets").first_child(); s; s = s.next_sibling()) {
    if (!office::IsElement(s, "sheet")) continue;
    std::string part;
    bool isChart = false;
    const std::string_view id = office::Attr(s, "id").value();
    for (const opc::Relationship& r : package_->Relationships(partName_)) {
      if (r.id == id && !r.external) {
        part = r.target;
        isChart = std::string_view(r.type).ends_with("/chartsheet");
        break;
      }
    }
    const char* state = s.attribute("state").value();
    sheets_.push_back(std::make_unique<Worksheet>(*this, s.attribute("name").value(),
                                                  std::move(part), isChart,
                                                  *state != '\0' ? state : "visible"));
  }
  if (sheets_.empty()) return base::Error::Of("not a workbook: it has no sheets");
  activeSheet_ = activeTab >= 0 && activeTab < SheetCount() ? activeTab : 0;
  return base::Ok();
}

std::string Workbook::Name() const {
  return win::FileNamePart(fullName_);
}

base::Result<Worksheet*> Workbook::Sheets(int index) {
  if (index < 1 || index > SheetCount()) return Failed("no sheet number ", index);
  return sheets_[static_cast<size_t>(index - 1)].get();
}

base::Result<Worksheet*> Workbook::Sheets(std::string_view name) {
  // The name as written is the usual case; the comparison without case or width only after it.
  for (auto& sheet : sheets_) {
    if (sheet->Name() == name) return sheet.get();
  }
  for (auto& sheet : sheets_) {
    if (vb::TextEquals(sheet->Name(), name)) return sheet.get();
  }
  return Failed("no sheet named \"", name, "\"");
}

base::Result<Worksheet*> Workbook::Worksheets(int index) {
  int n = 0;
  for (auto& sheet : sheets_) {
    if (!sheet->IsChart() && ++n == index) return sheet.get();
  }
  return Failed("no worksheet number ", index);
}

base::Result<Worksheet*> Workbook::Worksheets(std::string_view name) {
  base::Result<Worksheet*> sheet = Sheets(name);
  if (sheet && (*sheet)->IsChart()) return Failed("\"", name, "\" is a chart sheet");
  return sheet;
}

std::optional<std::string> Workbook::DefinedName(std::string_view name, const Worksheet* scope) {
  int scopeIndex = -1;
  for (size_t i = 0; i < sheets_.size(); ++i) {
    if (sheets_[i].get() == scope) scopeIndex = static_cast<int>(i);
  }
  std::optional<std::string> global;
  for (pugi::xml_node n = office::Child(office::Child(Node(), "definedNames"), "definedName"); n;
       n = n.next_sibling()) {
    if (!office::IsElement(n, "definedName") || !vb::TextEquals(n.attribute("name").value(), name))
      continue;
    pugi::xml_attribute local = n.attribute("localSheetId");
    if (!local) {
      if (!global) global = n.child_value();
    } else if (local.as_int(-1) == scopeIndex) {
      return std::string(n.child_value());
    }
  }
  return global;
}

Worksheet* Workbook::ActiveSheet() {
  return sheets_[static_cast<size_t>(activeSheet_)].get();
}

void Workbook::Activate(Worksheet* sheet) {
  for (size_t i = 0; i < sheets_.size(); ++i) {
    if (sheets_[i].get() == sheet) activeSheet_ = static_cast<int>(i);
  }
}

void Workbook::MarkChanged(std::string_view partName) {
  package_->MarkChanged(partName);
  saved_ = false;
}

void Workbook::MarkChanged(const pugi::xml_document* part) {
  package_->MarkChanged(part);
  saved_ = false;
}

base::Status Workbook::SaveAs(std::string_view fileName) {
  if (base::Status saved = package_->SaveAs(win::ToHostPath(fileName)); !saved) return saved;
  fullName_ = std::string(fileName);
  saved_ = true;
  return base::Ok();
}

pugi::xml_node Workbook::Node() {
  base::Result<pugi::xml_document*> doc = package_->PartXml(partName_);
  return doc ? (*doc)->document_element() : pugi::xml_node();
}

pugi::xml_node Workbook::PartRoot(std::string_view relationshipSuffix) {
  if (const opc::Relationship* r = package_->FindRelationship(partName_, relationshipSuffix)) {
    if (base::Result<pugi::xml_document*> doc = package_->PartXml(r->target))
      return (*doc)->document_element();
  }
  return {};
}

const Styles& Workbook::StyleSheet() {
  if (!styles_) styles_.emplace(PartRoot("/styles"), PartRoot("/theme"));
  return *styles_;
}

const drawingml::Theme& Workbook::Theme() {
  if (!theme_) {
    const pugi::xml_node node = PartRoot("/theme");
    base::Result<drawingml::Theme> read =
        node ? drawingml::Theme::Read(node) : base::Result<drawingml::Theme>(base::Error{});
    theme_.emplace(read ? *read : drawingml::Theme::Default());
  }
  return *theme_;
}

const std::string* Workbook::SharedString(uint32_t index) {
  if (!sharedStrings_) {
    sharedStrings_.emplace();
    // Scanned, not parsed into a tree: each item is read once into its text.
    if (const opc::Relationship* r = package_->FindRelationship(partName_, "/sharedStrings")) {
      if (base::Result<std::string_view> bytes = package_->PartBytes(r->target)) {
        if (base::Result<std::vector<std::string>> items = ScanStringItems(*bytes))
          *sharedStrings_ = std::move(*items);
      }
    }
  }
  return index < sharedStrings_->size() ? &(*sharedStrings_)[index] : nullptr;
}

}  // namespace excel
