// The page document model: a read-only tree of a page's elements with the members the web-page
// checks read through the browser's document object model. Tag names are upper case; `all` and
// `sourceIndex` count elements in document order from 0 (the HTML element first); outerHTML and
// innerHTML are slices of the page's source text, so a child's outerHTML always stands inside its
// parent's innerHTML. Texts are UTF-8; positions a caller computes in them count UTF-16 units
// through vb's string functions. Drawing objects written as vector markup are elements with the
// tag name "xxxxescher" whose outerHTML is that markup; their fallback pictures are left out.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/frontpage/errors.h"
#include "platform/office/frontpage/page_source.h"
#include "platform/win/confined_file.h"

namespace frontpage {

class Element;
class Document;

// A property's value as the object model hands it back: text, or a number for the properties the
// model types as numbers (an image's width, a cell's colSpan, a row's rowIndex).
struct PropertyValue {
  bool isNumber = false;
  int32_t number = 0;
  std::string text;

  static PropertyValue Text(std::string text);
  static PropertyValue Number(int32_t number);
  // The text, or the number in decimal.
  std::string ToText() const;
  bool operator==(const PropertyValue&) const = default;
};

// A collection of elements in document order: `length`, items by 0-based index, `tags`.
class ElementList {
 public:
  ElementList() = default;
  explicit ElementList(std::vector<const Element*> items) : items_(std::move(items)) {}

  int32_t length() const { return static_cast<int32_t>(items_.size()); }
  // The element at `index`, or an error when the index is outside the list.
  base::Result<const Element*> item(int32_t index) const;
  // The same without the error: nullptr outside the list.
  const Element* at(int32_t index) const;
  // The elements whose tag name is `tagName`, compared without regard to case.
  ElementList tags(std::string_view tagName) const;

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  bool empty() const { return items_.empty(); }

 private:
  std::vector<const Element*> items_;
};

// What kind of element it is, for the property tables; Other for every tag without its own.
enum class ElementKind : uint8_t {
  Other,
  Html,
  Head,
  Title,
  Body,
  Font,
  P,
  A,
  Img,
  Map,
  Area,
  Table,
  Tbody,
  Thead,
  Tfoot,
  Tr,
  Td,
  Th,
  Hr,
  Bgsound,
  Marquee,
  Frameset,
  Frame,
  Iframe,
  Meta,
  Base,
  Span,
  Div,
  Center,
  B,
  I,
  U,
  Br,
  Script,
  Style,
  Drawing,
};

class Element {
 public:
  ElementKind kind() const { return kind_; }
  // "P", "TABLE", "FONT"; a drawing object's is "xxxxescher".
  const std::string& tagName() const { return tagName_; }
  // True when the tag name equals `tag` without regard to case.
  bool Is(std::string_view tag) const;

  // The id attribute as written, "" when unset.
  std::string_view id() const;
  // The enclosing element; nullptr for the HTML element.
  const Element* parentElement() const { return parent_; }
  // The element children in order.
  const ElementList& children() const { return children_; }
  // Every element below this one in document order.
  ElementList all() const;
  int32_t sourceIndex() const { return sourceIndex_; }

  // Source slices: the element's markup from its start tag to the end of its end tag (an element
  // without an end tag ends where the next markup closed it), and the part between the tags. An
  // element the parser moved or made has its markup written out from the tree, and so have the
  // elements around it, so that nesting of the texts still holds.
  std::string_view outerHTML() const;
  std::string_view innerHTML() const;
  // The text as the page shows it: blanks collapsed, <br> and block boundaries as "\r\n", table
  // cells apart by a tab, script and style left out, trimmed at both ends.
  std::string innerText() const;
  std::string outerText() const { return innerText(); }

  // An attribute as written (entities decoded), nullopt when it is not written. Names compared
  // without regard to case.
  std::optional<std::string_view> getAttribute(std::string_view name) const;

  // A property by its object-model name, without regard to case ("width", "colSpan", "bgColor",
  // "href", "Name"): typed per element kind (text or number), attributes as written, the
  // model's default when unset, an attribute written on the element but unknown to its kind as
  // text (an expando). A property the element kind does not offer fails with kErrNoSuchProperty.
  base::Result<PropertyValue> Property(std::string_view name) const;
  // The same read as text (a number in decimal).
  base::Result<std::string> Text(std::string_view name) const;

  // A table's rows (of its own sections, not of nested tables), a row's cells; fail on other kinds.
  base::Result<ElementList> rows() const;
  base::Result<ElementList> cells() const;
  // A map's area elements.
  base::Result<ElementList> areas() const;
  // A row's position among its table's rows and a cell's among its row's cells, from 0.
  base::Result<int32_t> rowIndex() const;
  base::Result<int32_t> cellIndex() const;

  const Document& document() const { return *document_; }

 private:
  friend class Document;
  friend class DocumentBuilder;
  struct Written;  // outerHTML written out from the tree, and where its inner part lies
  const Written& WrittenOut() const;

  const Document* document_ = nullptr;
  const Element* parent_ = nullptr;
  ElementList children_;
  std::string tagName_;
  ElementKind kind_ = ElementKind::Other;
  bool sliced_ = true;      // outerHTML and innerHTML are source slices
  bool ownEndTag_ = false;  // its end tag is in the source
  bool void_ = false;       // an element that has no content and no end tag (img, br, hr)
  int32_t sourceIndex_ = 0;
  int32_t lastDescendant_ = 0;  // sourceIndex of the last element below it, or its own
  uint32_t firstAttribute_ = 0, attributeCount_ = 0;
  uint32_t firstContent_ = 0, contentCount_ = 0;
  // Source positions: start tag [outerBegin_, innerBegin_), end tag [innerEnd_, outerEnd_).
  uint32_t outerBegin_ = 0, innerBegin_ = 0, innerEnd_ = 0, outerEnd_ = 0;
  mutable std::shared_ptr<const Written> written_;
};

// A page read and parsed once.
class Document {
 public:
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;
  ~Document();

  // Parses the page's bytes (decoded by their charset). `fileName` is the page's full path as the
  // editor opened it, from which relative picture addresses resolve; `pictureRoot` is the host
  // folder pictures are read from (links leaving it read as missing pictures).
  static base::Result<std::unique_ptr<Document>> Parse(std::string_view bytes,
                                                       std::string_view fileName = {},
                                                       std::filesystem::path pictureRoot = {});

  Charset charset() const { return charset_; }
  // The page as decoded text, the source of every slice.
  const std::string& source() const { return source_; }
  const std::string& fileName() const { return fileName_; }

  // Every element in document order; the collections of the document model.
  const ElementList& all() const { return all_; }
  const ElementList& images() const { return images_; }
  const ElementList& anchors() const { return anchors_; }  // a elements with a name
  const ElementList& links() const { return links_; }      // a and area elements with an href
  const ElementList& frames() const { return frames_; }    // frame and iframe elements
  // The body (or frameset) element; nullptr only for an empty document.
  const Element* body() const { return body_; }

  // The text of the first title element, "" without one.
  std::string title() const;
  // The body's colour attributes as written, the model's defaults when unset.
  std::string bgColor() const;
  std::string fgColor() const;
  std::string linkColor() const;
  std::string alinkColor() const;
  std::string vlinkColor() const;
  // Any of the above and "title", "URL", by name without regard to case.
  base::Result<PropertyValue> Property(std::string_view name) const;

  // An image's natural size in pixels from its picture file's header (GIF, JPEG, PNG, BMP);
  // 0 x 0 when the picture is missing or unreadable, or for an element that is no image of this
  // document. Read once per picture.
  struct Size {
    int32_t width = 0, height = 0;
  };
  Size NaturalSize(const Element& image) const;
  // An address written in the page, resolved against the page's own address ("file:///...").
  std::string ResolveUrl(std::string_view written) const;

 private:
  friend class Element;
  friend class DocumentBuilder;
  Document() = default;

  struct Attribute {
    std::string name;  // lower case
    std::string value;
  };
  // What an element holds, in order: its child elements, and the text and comments between them
  // (as source positions, and text runs decoded in text_).
  struct Content {
    const Element* element = nullptr;  // a child element, else text or a comment
    uint32_t sourceBegin = 0, sourceEnd = 0;
    uint32_t textBegin = 0, textEnd = 0;  // decoded text in text_; empty for a comment
    bool comment = false;
  };

  Charset charset_ = Charset::Gbk;
  std::string source_;
  std::string text_;
  std::string fileName_;
  std::filesystem::path pictureRoot_;
  std::deque<Element> store_;
  std::vector<Attribute> attributes_;
  std::vector<Content> content_;
  ElementList all_, images_, anchors_, links_, frames_;
  const Element* body_ = nullptr;
  mutable std::vector<std::optional<Size>> sizes_;  // by sourceIndex, read once
  // The page's folder on the host and the folder pictures are read from, found at the first
  // picture.
  mutable std::optional<std::filesystem::path> pageFolder_;
  mutable std::optional<base::Result<win::ConfinedFolder>> pictureFolder_;
};

}  // namespace frontpage
