#include "platform/office/frontpage/document.h"

namespace frontpage {

PropertyValue PropertyValue::Text(std::string text) {
  return {false, 0, std::move(text)};
}
PropertyValue PropertyValue::Number(int32_t number) {
  return {true, number, {}};
}
std::string PropertyValue::ToText() const {
  return isNumber ? std::to_string(number) : text;
}

base::Result<const Element*> ElementList::item(int32_t index) const {
  if (index < 0 || index >= length()) return ErrorWith(kErrNoSuchItem, "no item ", index);
  return items_[index];
}
const Element* ElementList::at(int32_t index) const {
  return index < 0 || index >= length() ? nullptr : items_[index];
}
ElementList ElementList::tags(std::string_view) const {
  return {};
}

bool Element::Is(std::string_view) const {
  return false;
}
std::string_view Element::id() const {
  return {};
}
ElementList Element::all() const {
  return {};
}
std::string_view Element::outerHTML() const {
  return {};
}
std::string_view Element::innerHTML() const {
  return {};
}
std::string Element::innerText() const {
  return {};
}
std::optional<std::string_view> Element::getAttribute(std::string_view) const {
  return {};
}
base::Result<PropertyValue> Element::Property(std::string_view name) const {
  return ErrorWith(kErrNoSuchProperty, "no property ", name);
}
base::Result<std::string> Element::Text(std::string_view name) const {
  return ErrorWith(kErrNoSuchProperty, "no property ", name);
}
base::Result<ElementList> Element::rows() const {
  return ErrorWith(kErrNoSuchProperty, "rows");
}
base::Result<ElementList> Element::cells() const {
  return ErrorWith(kErrNoSuchProperty, "cells");
}
base::Result<int32_t> Element::rowIndex() const {
  return ErrorWith(kErrNoSuchProperty, "rowIndex");
}
base::Result<int32_t> Element::cellIndex() const {
  return ErrorWith(kErrNoSuchProperty, "cellIndex");
}

Document::~Document() = default;
base::Result<std::unique_ptr<Document>> Document::Parse(std::string_view, std::string_view,
                                                        std::filesystem::path) {
  return ErrorWith(kErrUnreadable, "not yet");
}
std::string Document::title() const {
  return {};
}
std::string Document::bgColor() const {
  return {};
}
std::string Document::fgColor() const {
  return {};
}
std::string Document::linkColor() const {
  return {};
}
std::string Document::alinkColor() const {
  return {};
}
std::string Document::vlinkColor() const {
  return {};
}
base::Result<PropertyValue> Document::Property(std::string_view name) const {
  return ErrorWith(kErrNoSuchProperty, "no property ", name);
}
Document::Size Document::NaturalSize(const Element&) const {
  return {};
}
std::string Document::ResolveUrl(std::string_view written) const {
  return std::string(written);
}

}  // namespace frontpage
