// Workbook loading from its package, shared strings, styles and SaveAs.
#include "platform/office/excel/workbook.h"

#include "platform/office/excel/application.h"
#include "platform/office/excel/text_runs.h"
#include "platform/office/excel/window.h"
#include "platform/office/excel/xml_names.h"
#include "platform/vb/strings.h"
#include "platform/win/paths.h"

namespace excel {

Workbook::Workbook(Application& app, std::unique_ptr<opc::Package> package, std::string fullName)
    : app_(app),
      package_(std::move(package)),
      fullName_(std::move(fullName)),
      window_(std::make_unique<Window>(*this)) {}

Workbook::~Workbook() = default;

std::unique_ptr<Workbook> Workbook::Open(Application& app, const std::filesystem::path& hostFile,
                                         std::string fullName, std::string* error) {
  std::unique_ptr<opc::Package> package = opc::Package::Open(hostFile, error);
  if (package == nullptr) return nullptr;
  std::unique_ptr<Workbook> book(new Workbook(app, std::move(package), std::move(fullName)));
  if (!book->Load(error)) return nullptr;
  return book;
}

bool Workbook::Load(std::string* error) {
  if (const opc::Relationship* main = package_->FindRelationship("", "/officeDocument")) {
    partName_ = main->target;
  } else {
    partName_ = "xl/workbook.xml";
  }
  pugi::xml_node root = Node();
  if (!IsElement(root, "workbook")) {
    if (error != nullptr) *error = "not a workbook: the package has no readable workbook part";
    return false;
  }
  const std::string_view d1904 = ChildElement(root, "workbookPr").attribute("date1904").value();
  date1904_ = d1904 == "1" || d1904 == "true";
  const pugi::xml_node view = ChildElement(ChildElement(root, "bookViews"), "workbookView");
  const int activeTab = view.attribute("activeTab").as_int(0);

  for (pugi::xml_node s = ChildElement(root, "sheets").first_child(); s; s = s.next_sibling()) {
    if (!IsElement(s, "sheet")) continue;
    std::string part;
    bool isChart = false;
    const std::string_view id = AttributeByLocalName(s, "id").value();
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
  if (sheets_.empty()) {
    if (error != nullptr) *error = "not a workbook: it has no sheets";
    return false;
  }
  activeSheet_ = activeTab >= 0 && activeTab < SheetCount() ? activeTab : 0;
  return true;
}

std::string Workbook::Name() const {
  return win::FileNamePart(fullName_);
}

Worksheet* Workbook::Worksheets(int index) {
  return index >= 1 && index <= SheetCount() ? sheets_[static_cast<size_t>(index - 1)].get()
                                             : nullptr;
}

Worksheet* Workbook::Worksheets(std::string_view name) {
  for (auto& sheet : sheets_) {
    if (vb::TextEquals(sheet->Name(), name)) return sheet.get();
  }
  return nullptr;
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

bool Workbook::SaveAs(std::string_view fileName, std::string* error) {
  if (!package_->SaveAs(win::ToHostPath(fileName), error)) return false;
  fullName_ = std::string(fileName);
  saved_ = true;
  return true;
}

pugi::xml_node Workbook::Node() {
  pugi::xml_document* doc = package_->PartXml(partName_);
  return doc == nullptr ? pugi::xml_node() : doc->document_element();
}

const Styles& Workbook::StyleSheet() {
  if (!styles_) {
    pugi::xml_node root;
    if (const opc::Relationship* r = package_->FindRelationship(partName_, "/styles")) {
      if (pugi::xml_document* doc = package_->PartXml(r->target)) root = doc->document_element();
    }
    styles_.emplace(root);
  }
  return *styles_;
}

const std::string* Workbook::SharedString(uint32_t index) {
  if (!sharedStrings_) {
    sharedStrings_.emplace();
    if (const opc::Relationship* r = package_->FindRelationship(partName_, "/sharedStrings")) {
      if (pugi::xml_document* doc = package_->PartXml(r->target)) {
        pugi::xml_node sst = doc->document_element();
        sharedStrings_->reserve(sst.attribute("uniqueCount").as_uint(0) & 0xFFFFF);
        for (pugi::xml_node si = sst.first_child(); si; si = si.next_sibling()) {
          if (IsElement(si, "si")) sharedStrings_->push_back(StringItemText(si));
        }
      }
    }
  }
  return index < sharedStrings_->size() ? &(*sharedStrings_)[index] : nullptr;
}

}  // namespace excel
