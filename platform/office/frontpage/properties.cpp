// The properties each kind of element offers, as data: text-valued or number-valued, the
// attribute each reads, the value when the attribute is not written. Anything else an element
// has written on it reads as text (an expando); anything else fails as the object model does.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/text.h"
#include "platform/office/frontpage/document.h"
#include "platform/office/frontpage/legacy_colour.h"
#include "platform/office/frontpage/picture_size.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace frontpage {
namespace {

// A colour is read by the legacy colour rules and answered as "#rrggbb".
enum class Type : uint8_t { Text, Number, Colour };

struct Prop {
  std::string_view name;  // the object model's name
  Type type = Type::Text;
  std::string_view attribute = {};  // when it differs from the name
  std::string_view text = {};       // unset: this text
  int32_t number = 0;               // unset: this number
};

struct KindProps {
  ElementKind kind;
  std::initializer_list<Prop> props;
};

constexpr Prop kCommon[] = {
    {"id"}, {"className", Type::Text, "class"}, {"title"}, {"lang"}, {"dir"}};

const KindProps kTables[] = {
    {ElementKind::Font, {{"size"}, {"face"}, {"color", Type::Colour}}},
    {ElementKind::P, {{"align"}}},
    {ElementKind::Div, {{"align"}}},
    {ElementKind::A, {{"href"}, {"target"}, {"name"}, {"rel"}, {"rev"}}},
    {ElementKind::Img,
     {{"src"},
      {"useMap"},
      {"border"},
      {"hspace", Type::Number},
      {"vspace", Type::Number},
      {"align"},
      {"alt"},
      {"name"},
      {"lowsrc"},
      {"dynsrc"},
      {"isMap"}}},
    {ElementKind::Map, {{"name"}}},
    {ElementKind::Area, {{"shape"}, {"coords"}, {"href"}, {"target"}, {"alt"}}},
    {ElementKind::Table,
     {{"border"},
      {"borderColor", Type::Colour},
      {"borderColorLight", Type::Colour},
      {"borderColorDark", Type::Colour},
      {"bgColor", Type::Colour},
      {"cellPadding"},
      {"cellSpacing"},
      {"width"},
      {"height"},
      {"align"},
      {"background"},
      {"frame"},
      {"rules"},
      {"cols", Type::Number}}},
    {ElementKind::Tr,
     {{"align"},
      {"vAlign"},
      {"bgColor", Type::Colour},
      {"borderColor", Type::Colour},
      {"borderColorLight", Type::Colour},
      {"borderColorDark", Type::Colour},
      {"height"}}},
    {ElementKind::Td,
     {{"colSpan", Type::Number, {}, {}, 1},
      {"rowSpan", Type::Number, {}, {}, 1},
      {"align"},
      {"vAlign"},
      {"bgColor", Type::Colour},
      {"borderColor", Type::Colour},
      {"borderColorLight", Type::Colour},
      {"borderColorDark", Type::Colour},
      {"width"},
      {"height"},
      {"background"},
      {"noWrap"}}},
    {ElementKind::Hr, {{"align"}, {"width"}, {"size"}, {"color", Type::Colour}, {"noShade"}}},
    {ElementKind::Bgsound,
     {{"src"},
      {"loop", Type::Number, {}, {}, 1},
      {"volume", Type::Number},
      {"balance", Type::Number}}},
    {ElementKind::Marquee,
     {{"width"},
      {"height"},
      {"direction", Type::Text, {}, "left"},
      {"loop", Type::Number, {}, {}, -1},
      {"bgColor", Type::Colour},
      {"behavior", Type::Text, {}, "scroll"},
      {"scrollAmount", Type::Number, {}, {}, 6},
      {"scrollDelay", Type::Number, {}, {}, 85},
      {"hspace", Type::Number},
      {"vspace", Type::Number}}},
    {ElementKind::Frameset,
     {{"rows"}, {"cols"}, {"border"}, {"frameBorder"}, {"frameSpacing"}, {"name"}}},
    {ElementKind::Frame,
     {{"name"},
      {"src"},
      {"scrolling", Type::Text, {}, "auto"},
      {"frameBorder"},
      {"marginWidth"},
      {"marginHeight"},
      {"noResize"},
      {"border"}}},
    {ElementKind::Iframe,
     {{"name"},
      {"src"},
      {"scrolling", Type::Text, {}, "auto"},
      {"frameBorder"},
      {"marginWidth"},
      {"marginHeight"},
      {"width"},
      {"height"},
      {"align"},
      {"hspace", Type::Number},
      {"vspace", Type::Number}}},
    {ElementKind::Meta,
     {{"name"},
      {"httpEquiv", Type::Text, "http-equiv"},
      {"content"},
      {"charset"},
      {"url"},
      {"scheme"}}},
    {ElementKind::Base, {{"href"}, {"target"}}},
    {ElementKind::Body,
     {{"background"},
      {"bgColor", Type::Colour},
      {"text", Type::Colour},
      {"link", Type::Colour},
      {"vLink", Type::Colour},
      {"aLink", Type::Colour},
      {"leftMargin"},
      {"topMargin"},
      {"scroll"},
      {"bgProperties"}}},
};

const Prop* FindProp(std::initializer_list<Prop> props, std::string_view name) {
  for (const Prop& p : props) {
    if (base::EqualsNoCase(p.name, name)) return &p;
  }
  return nullptr;
}

const Prop* FindProp(ElementKind kind, std::string_view name) {
  if (kind == ElementKind::Th) kind = ElementKind::Td;  // a header cell is a cell
  for (const KindProps& table : kTables) {
    if (table.kind == kind) return FindProp(table.props, name);
  }
  return nullptr;
}

// The whole number a written attribute starts with ("50%" -> 50); nullopt when it starts with
// none or one past 32 bits.
std::optional<int32_t> LeadingNumber(std::string_view text) {
  text = base::TrimLeft(text);
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end == text.data()) return std::nullopt;
  return value;
}

base::Result<PropertyValue> Read(const Element& el, const Prop& p) {
  const std::string_view attribute = p.attribute.empty() ? p.name : p.attribute;
  const std::optional<std::string_view> written = el.getAttribute(attribute);
  if (p.type == Type::Number) {
    std::optional<int32_t> n = written ? LeadingNumber(*written) : std::nullopt;
    return PropertyValue::Number(n.value_or(p.number));
  }
  if (p.type == Type::Colour && written) {
    if (std::optional<std::string> colour = LegacyColour(*written)) {
      return PropertyValue::Text(std::move(*colour));
    }
    return PropertyValue::Text(std::string(p.text));
  }
  return PropertyValue::Text(std::string(written ? *written : p.text));
}

base::Error NoSuchProperty(const Element& el, std::string_view name) {
  return ErrorWith(kErrNoSuchProperty,
                   "Object doesn't support this property or method: ", el.tagName(), ".", name);
}

}  // namespace

base::Result<PropertyValue> Element::Property(std::string_view name) const {
  auto text = [](std::string_view t) { return PropertyValue::Text(std::string(t)); };
  auto fromInt = [](base::Result<int32_t> n) -> base::Result<PropertyValue> {
    if (!n) return n.error();
    return PropertyValue::Number(*n);
  };
  if (base::EqualsNoCase(name, "tagName")) return text(tagName_);
  if (base::EqualsNoCase(name, "sourceIndex")) return PropertyValue::Number(sourceIndex_);
  if (base::EqualsNoCase(name, "innerText") || base::EqualsNoCase(name, "outerText")) {
    return PropertyValue::Text(innerText());
  }
  if (base::EqualsNoCase(name, "innerHTML")) return text(innerHTML());
  if (base::EqualsNoCase(name, "outerHTML")) return text(outerHTML());
  if (kind_ == ElementKind::Tr && base::EqualsNoCase(name, "rowIndex")) return fromInt(rowIndex());
  if ((kind_ == ElementKind::Td || kind_ == ElementKind::Th) &&
      base::EqualsNoCase(name, "cellIndex")) {
    return fromInt(cellIndex());
  }
  if (kind_ == ElementKind::Title && base::EqualsNoCase(name, "text")) {
    return PropertyValue::Text(innerText());
  }
  if (kind_ == ElementKind::Img) {
    const bool width = base::EqualsNoCase(name, "width");
    if (width || base::EqualsNoCase(name, "height")) {
      if (auto written = getAttribute(name)) {
        if (auto n = LeadingNumber(*written)) return PropertyValue::Number(*n);
      }
      const Document::Size natural = document_->NaturalSize(*this);
      return PropertyValue::Number(width ? natural.width : natural.height);
    }
    if (base::EqualsNoCase(name, "href")) {
      return PropertyValue::Text(document_->ResolveUrl(getAttribute("src").value_or("")));
    }
  }
  if (const Prop* p = FindProp(kind_, name)) return Read(*this, *p);
  for (const Prop& p : kCommon) {
    if (base::EqualsNoCase(p.name, name)) return Read(*this, p);
  }
  if (auto expando = getAttribute(name)) return text(*expando);
  return NoSuchProperty(*this, name);
}

base::Result<std::string> Element::Text(std::string_view name) const {
  base::Result<PropertyValue> value = Property(name);
  if (!value) return value.error();
  return value->ToText();
}

namespace {

struct DocumentColour {
  std::string_view name;
  std::string_view bodyAttribute;
  std::string_view unset;
};
// The colours the browser answers for a page that sets none.
constexpr DocumentColour kColours[] = {
    {"bgColor", "bgcolor", "#ffffff"},  {"fgColor", "text", "#000000"},
    {"linkColor", "link", "#0000ff"},   {"vlinkColor", "vlink", "#800080"},
    {"alinkColor", "alink", "#0000ff"},
};

}  // namespace

namespace {

std::string Colour(const Element* body, std::string_view name) {
  for (const DocumentColour& c : kColours) {
    if (!base::EqualsNoCase(c.name, name)) continue;
    if (body) {
      if (auto written = body->getAttribute(c.bodyAttribute)) {
        if (std::optional<std::string> colour = LegacyColour(*written)) return *colour;
      }
    }
    return std::string(c.unset);
  }
  return {};
}

}  // namespace

std::string Document::title() const {
  for (const Element* el : all_) {
    if (el->kind() == ElementKind::Title) return el->innerText();
  }
  return {};
}
std::string Document::bgColor() const {
  return Colour(body_, "bgColor");
}
std::string Document::fgColor() const {
  return Colour(body_, "fgColor");
}
std::string Document::linkColor() const {
  return Colour(body_, "linkColor");
}
std::string Document::alinkColor() const {
  return Colour(body_, "alinkColor");
}
std::string Document::vlinkColor() const {
  return Colour(body_, "vlinkColor");
}

base::Result<PropertyValue> Document::Property(std::string_view name) const {
  if (base::EqualsNoCase(name, "title")) return PropertyValue::Text(title());
  if (base::EqualsNoCase(name, "URL"))
    return PropertyValue::Text(ResolveUrl(win::FileNamePart(fileName_)));
  if (base::EqualsNoCase(name, "charset")) {
    return PropertyValue::Text(std::string(CharsetName(charset_)));
  }
  for (const DocumentColour& c : kColours) {
    if (base::EqualsNoCase(c.name, name)) return PropertyValue::Text(Colour(body_, name));
  }
  return ErrorWith(kErrNoSuchProperty, "Object doesn't support this property or method: document.",
                   name);
}

namespace {

// Only a picture's header is read, so its size matters not; the header of any kind we read lies
// in its first bytes (a JPEG's frame after its metadata segments, at most 64 KiB each).
constexpr uint64_t kPictureFileCap = uint64_t{1} << 40;
constexpr size_t kPictureHeaderBytes = 256 * 1024;

bool HasScheme(std::string_view url) {
  const size_t colon = url.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;  // "C:" is a drive
  for (size_t i = 0; i < colon; ++i) {
    const char c = url[i];
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.')) {
      return false;
    }
  }
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = base::AsciiLower(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A written picture address as a Windows-form path relative to the page's folder or absolute;
// nullopt for an address on the web.
std::optional<std::string> LocalPath(std::string_view src) {
  src = base::Trim(src);
  if (base::StartsWithNoCase(src, "file:")) {
    src.remove_prefix(5);
    while (src.starts_with("/") && src.size() > 1 && src.find(':') != std::string_view::npos &&
           src.find(':') > 1) {
      src.remove_prefix(1);
    }
  } else if (HasScheme(src)) {
    return std::nullopt;
  }
  src = src.substr(0, src.find_first_of("?#"));
  std::string path;
  for (size_t i = 0; i < src.size(); ++i) {
    if (src[i] == '%' && i + 2 < src.size() && HexDigit(src[i + 1]) >= 0 &&
        HexDigit(src[i + 2]) >= 0) {
      path.push_back(static_cast<char>(HexDigit(src[i + 1]) * 16 + HexDigit(src[i + 2])));
      i += 2;
    } else {
      path.push_back(src[i] == '/' ? '\\' : src[i]);
    }
  }
  return path;
}

}  // namespace

Document::Size Document::NaturalSize(const Element& image) const {
  if (&image.document() != this || image.kind() != ElementKind::Img) return {};
  if (sizes_.size() != static_cast<size_t>(all_.length())) sizes_.resize(all_.length());
  std::optional<Size>& cached = sizes_[image.sourceIndex()];
  if (cached) return *cached;
  cached = Size{};
  std::optional<std::string> path = LocalPath(image.getAttribute("src").value_or(""));
  if (!path || path->empty() || fileName_.empty()) return *cached;
  if (!pageFolder_) pageFolder_ = win::ToHostPath(win::FolderPart(fileName_));
  if (!pictureFolder_) {
    pictureFolder_ =
        win::ConfinedFolder::Resolve(pictureRoot_.empty() ? *pageFolder_ : pictureRoot_);
  }
  if (!*pictureFolder_) return *cached;
  const bool absolute = (path->size() > 1 && (*path)[1] == ':') || path->starts_with("\\");
  const std::filesystem::path file =
      win::ToHostPath(absolute ? *path : win::FolderPart(fileName_) + *path);
  base::Result<win::OpenedFile> opened =
      win::OpenConfinedFile(file, **pictureFolder_, kPictureFileCap);
  if (!opened) return *cached;
  std::string header(static_cast<size_t>(std::min<uint64_t>(opened->size(), kPictureHeaderBytes)),
                     '\0');
  base::Result<size_t> read = opened->ReadPrefix(header.data(), header.size());
  if (!read) return *cached;
  header.resize(*read);
  if (std::optional<PictureSize> size = ReadPictureSize(header)) {
    cached = Size{size->width, size->height};
  }
  return *cached;
}

std::string Document::ResolveUrl(std::string_view written) const {
  written = base::Trim(written);
  if (HasScheme(written)) return std::string(written);
  std::string path;
  if (written.size() > 1 && written[1] == ':') {
    path = std::string(written);
  } else {
    path = win::FolderPart(fileName_) + std::string(written);
  }
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  // "./" and "../" folded away, as the browser shows the address.
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t slash = path.find('/', start);
    if (slash == std::string::npos) slash = path.size();
    std::string part = path.substr(start, slash - start);
    if (part == "..") {
      if (parts.size() > 1) parts.pop_back();
    } else if (part != "." && !part.empty()) {
      parts.push_back(part);
    }
    start = slash + 1;
  }
  std::string out = "file:///";
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i) out.push_back('/');
    out.append(parts[i]);
  }
  return out;
}

}  // namespace frontpage
