// The element tree's reading side: collections, source slices and the written-out markup of what
// the parser moved, and the shown text.
#include <algorithm>

#include "platform/base/text.h"
#include "platform/office/frontpage/document.h"

namespace frontpage {

struct Element::Written {
  std::string outer;
  size_t innerBegin = 0, innerEnd = 0;
};

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
  if (index < 0 || index >= length()) {
    return ErrorWith(kErrNoSuchItem, "no item ", index, " in a collection of ", length());
  }
  return items_[static_cast<size_t>(index)];
}

const Element* ElementList::at(int32_t index) const {
  return index < 0 || index >= length() ? nullptr : items_[static_cast<size_t>(index)];
}

ElementList ElementList::tags(std::string_view tagName) const {
  std::vector<const Element*> found;
  for (const Element* el : items_) {
    if (el->Is(tagName)) found.push_back(el);
  }
  return ElementList(std::move(found));
}

bool Element::Is(std::string_view tag) const {
  return base::EqualsNoCase(tagName_, tag);
}

std::string_view Element::id() const {
  return getAttribute("id").value_or(std::string_view{});
}

ElementList Element::all() const {
  const ElementList& every = document_->all_;
  return ElementList(std::vector<const Element*>(every.begin() + sourceIndex_ + 1,
                                                 every.begin() + lastDescendant_ + 1));
}

std::optional<std::string_view> Element::getAttribute(std::string_view name) const {
  for (uint32_t i = 0; i < attributeCount_; ++i) {
    const Document::Attribute& a = document_->attributes_[firstAttribute_ + i];
    if (base::EqualsNoCase(a.name, name)) return std::string_view(a.value);
  }
  return std::nullopt;
}

// Writes the element's markup from the tree: its own tags as the source writes them (an end tag
// the source lacks written as "</name>"), the text as written, and each child element either as
// its source slice or, when it is not in place either, written out the same way. A stack of its
// own, so that a deep page cannot exhaust the call stack.
const Element::Written& Element::WrittenOut() const {
  if (written_) return *written_;
  auto w = std::make_shared<Written>();
  const std::string_view src = document_->source_;
  std::string& out = w->outer;
  struct Frame {
    const Element* el;
    uint32_t next;
  };
  auto open = [&](const Element* el) {
    out.append(src.substr(el->outerBegin_, el->innerBegin_ - el->outerBegin_));
  };
  auto close = [&](const Element* el) {
    if (el->ownEndTag_) {
      out.append(src.substr(el->innerEnd_, el->outerEnd_ - el->innerEnd_));
    } else if (el->innerBegin_ > el->outerBegin_ && !el->void_) {
      std::string_view start =
          src.substr(el->outerBegin_ + 1, el->innerBegin_ - el->outerBegin_ - 1);
      size_t n = 0;
      while (n < start.size() && start[n] != ' ' && start[n] != '>' && start[n] != '/' &&
             start[n] != '\t' && start[n] != '\r' && start[n] != '\n') {
        ++n;
      }
      out.append("</").append(start.substr(0, n)).append(">");
    }
  };
  open(this);
  w->innerBegin = out.size();
  std::vector<Frame> stack{{this, 0}};
  while (!stack.empty()) {
    Frame& f = stack.back();
    if (f.next == f.el->contentCount_) {
      const Element* done = f.el;
      stack.pop_back();
      if (done == this) {
        w->innerEnd = out.size();
      }
      close(done);
      continue;
    }
    const Document::Content& c = document_->content_[f.el->firstContent_ + f.next++];
    if (c.element && !c.element->sliced_) {
      open(c.element);
      stack.push_back({c.element, 0});
    } else {
      out.append(src.substr(c.sourceBegin, c.sourceEnd - c.sourceBegin));
    }
  }
  written_ = std::move(w);
  return *written_;
}

std::string_view Element::outerHTML() const {
  if (sliced_)
    return std::string_view(document_->source_).substr(outerBegin_, outerEnd_ - outerBegin_);
  return WrittenOut().outer;
}

std::string_view Element::innerHTML() const {
  if (sliced_)
    return std::string_view(document_->source_).substr(innerBegin_, innerEnd_ - innerBegin_);
  const Written& w = WrittenOut();
  return std::string_view(w.outer).substr(w.innerBegin, w.innerEnd - w.innerBegin);
}

namespace {

bool IsBlock(ElementKind kind, std::string_view tag) {
  switch (kind) {
    case ElementKind::P:
    case ElementKind::Div:
    case ElementKind::Table:
    case ElementKind::Tr:
    case ElementKind::Center:
    case ElementKind::Hr:
    case ElementKind::Body:
    case ElementKind::Html:
      return true;
    default:
      break;
  }
  static constexpr std::string_view kBlocks[] = {
      "H1",      "H2",       "H3",  "H4",   "H5",         "H6",   "UL",  "OL",
      "LI",      "DL",       "DT",  "DD",   "BLOCKQUOTE", "FORM", "PRE", "ADDRESS",
      "CAPTION", "FIELDSET", "DIR", "MENU", "LISTING",    "XMP"};
  return std::find(std::begin(kBlocks), std::end(kBlocks), tag) != std::end(kBlocks);
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// The shown text as it is put together: runs of blanks become one, a line break is written once
// however many block edges meet, nothing blank stands at the start.
class ShownText {
 public:
  void Text(std::string_view text, bool preformatted) {
    for (const char c : text) {
      if (!preformatted && IsBlank(c)) {
        space_ = true;
        continue;
      }
      Flush();
      if (preformatted && c == '\n') {
        out_.append("\r\n");
      } else if (!(preformatted && c == '\r')) {
        out_.push_back(c);
      }
    }
  }
  void BlockEdge() {
    if (!out_.empty()) lineBreak_ = true;
    space_ = false;
  }
  void LineBreak() {
    TrimSpace();
    out_.append("\r\n");
    lineBreak_ = space_ = false;
  }
  void CellStart() {
    TrimSpace();
    out_.push_back('\t');
    lineBreak_ = space_ = false;
  }
  std::string Done() {
    std::string_view t = base::Trim(out_);
    return std::string(t);
  }

 private:
  void Flush() {
    if (lineBreak_) {
      TrimSpace();
      if (!out_.empty() && !out_.ends_with("\r\n")) out_.append("\r\n");
    } else if (space_ && !out_.empty() && out_.back() != '\n' && out_.back() != '\t') {
      out_.push_back(' ');
    }
    lineBreak_ = space_ = false;
  }
  void TrimSpace() {
    while (!out_.empty() && out_.back() == ' ') out_.pop_back();
  }

  std::string out_;
  bool space_ = false, lineBreak_ = false;
};

}  // namespace

std::string Element::innerText() const {
  ShownText shown;
  struct Frame {
    const Element* el;
    uint32_t next;
    bool pre;
  };
  std::vector<Frame> stack{{this, 0, Is("PRE") || Is("XMP") || Is("LISTING")}};
  while (!stack.empty()) {
    Frame& f = stack.back();
    if (f.next == f.el->contentCount_) {
      if (f.el != this && IsBlock(f.el->kind_, f.el->tagName_)) shown.BlockEdge();
      stack.pop_back();
      continue;
    }
    const Document::Content& c = document_->content_[f.el->firstContent_ + f.next++];
    if (!c.element) {
      if (!c.comment) {
        shown.Text(std::string_view(document_->text_).substr(c.textBegin, c.textEnd - c.textBegin),
                   f.pre);
      }
      continue;
    }
    const Element* child = c.element;
    // What a browser with frames shows nothing of: another page's frame, the text for browsers
    // without frames or plug-ins.
    if (child->Is("NOFRAMES") || child->Is("NOEMBED") || child->kind_ == ElementKind::Iframe)
      continue;
    switch (child->kind_) {
      case ElementKind::Script:
      case ElementKind::Style:
      case ElementKind::Head:
        continue;
      case ElementKind::Br:
        shown.LineBreak();
        continue;
      case ElementKind::Td:
      case ElementKind::Th:
        if (child->parent_ && child->parent_->children_.at(0) != child) shown.CellStart();
        break;
      default:
        if (IsBlock(child->kind_, child->tagName_)) shown.BlockEdge();
        break;
    }
    const bool pre = f.pre || child->Is("PRE") || child->Is("XMP") || child->Is("LISTING");
    stack.push_back({child, 0, pre});
  }
  return shown.Done();
}

base::Result<ElementList> Element::rows() const {
  if (kind_ != ElementKind::Table) return ErrorWith(kErrNoSuchProperty, tagName_, " has no rows");
  std::vector<const Element*> rows;
  for (const Element* child : children_) {
    if (child->kind_ == ElementKind::Tr) {
      rows.push_back(child);
    } else if (child->kind_ == ElementKind::Tbody || child->kind_ == ElementKind::Thead ||
               child->kind_ == ElementKind::Tfoot) {
      for (const Element* row : child->children_) {
        if (row->kind_ == ElementKind::Tr) rows.push_back(row);
      }
    }
  }
  return ElementList(std::move(rows));
}

base::Result<ElementList> Element::cells() const {
  if (kind_ != ElementKind::Tr) return ErrorWith(kErrNoSuchProperty, tagName_, " has no cells");
  std::vector<const Element*> cells;
  for (const Element* child : children_) {
    if (child->kind_ == ElementKind::Td || child->kind_ == ElementKind::Th) cells.push_back(child);
  }
  return ElementList(std::move(cells));
}

base::Result<ElementList> Element::areas() const {
  if (kind_ != ElementKind::Map) return ErrorWith(kErrNoSuchProperty, tagName_, " has no areas");
  return all().tags("AREA");
}

namespace {

int32_t IndexIn(const ElementList& list, const Element* el) {
  for (int32_t i = 0; i < list.length(); ++i) {
    if (list.at(i) == el) return i;
  }
  return -1;
}

}  // namespace

base::Result<int32_t> Element::rowIndex() const {
  if (kind_ != ElementKind::Tr) return ErrorWith(kErrNoSuchProperty, tagName_, " has no rowIndex");
  const Element* table = parent_;
  if (table && table->kind_ != ElementKind::Table) table = table->parent_;
  if (!table || table->kind_ != ElementKind::Table) return -1;
  return IndexIn(*table->rows(), this);
}

base::Result<int32_t> Element::cellIndex() const {
  if (kind_ != ElementKind::Td && kind_ != ElementKind::Th) {
    return ErrorWith(kErrNoSuchProperty, tagName_, " has no cellIndex");
  }
  if (!parent_ || parent_->kind_ != ElementKind::Tr) return -1;
  return IndexIn(*parent_->cells(), this);
}

}  // namespace frontpage
