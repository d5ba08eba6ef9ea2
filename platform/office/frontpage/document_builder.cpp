// The page parsed by gumbo (an HTML5 parser) and copied into our own tree. Gumbo's memory comes
// from an arena that is dropped whole, so no part of its tree is ever freed one node at a time
// (its own freeing recurses as deep as the page nests); every walk here keeps its own stack.
#include <gumbo.h>

#include <chrono>
#include <csetjmp>
#include <cstring>
#include <ctime>
#include <memory>
#include <new>
#include <unordered_map>
#include <vector>

#include "platform/base/text.h"
#include "platform/office/frontpage/document.h"
#include "platform/office/frontpage/nesting.h"
#include "platform/office/frontpage/vml_scan.h"

namespace frontpage {
namespace {

// Gumbo's memory, with a budget. Gumbo has no limit of its own and cannot be stopped mid-parse:
// formatting elements left open are copied again at every run of text, so a small page can make
// millions of nodes. The allocation that would pass the budget (or find no memory) jumps back out
// of the parse, which is sound because every byte gumbo holds is in this arena, dropped whole, and
// gumbo keeps no other state. The processor time it has had is read now and then as well: no
// page an editor or a candidate writes comes near either limit.
class Arena {
 public:
  Arena(size_t budget, std::chrono::nanoseconds time)
      : budget_(budget), deadline_(ThreadTime() + time) {
    // Room for every block the budget allows, made here: nothing may throw through the parser.
    // A block is left only for an allocation larger than its rest, so each two blocks hold at
    // least one block's worth.
    blocks_.reserve(2 * (budget / kBlock) + 2);
  }

  void* Allocate(size_t size) {
    size = (size + 15) & ~size_t{15};
    if (size > budget_ - used_) Stop(Limit::Memory);
    used_ += size;
    if (++calls_ % 4096 == 0 && ThreadTime() > deadline_) Stop(Limit::Time);
    if (size > left_) {
      const size_t blockSize = std::max(size, kBlock);
      std::byte* block = new (std::nothrow) std::byte[blockSize];
      if (!block) Stop(Limit::Memory);
      blocks_.emplace_back(block);
      next_ = block;
      left_ = blockSize;
    }
    void* at = next_;
    next_ += size;
    left_ -= size;
    return at;
  }

  // Gumbo's tree of `text`, or null when a limit stopped it. Nothing with a destructor may live
  // between here and the jump, so this stays a plain call.
  GumboOutput* Parse(const GumboOptions& options, const std::string& text) {
    if (setjmp(exit_) != 0) return nullptr;
    return gumbo_parse_with_options(&options, text.data(), text.size());
  }

  enum class Limit { None, Memory, Time };
  Limit reached() const { return reached_; }
  size_t used() const { return used_; }

 private:
  // The processor time this thread has had: what the parse costs, however busy the machine.
  static std::chrono::nanoseconds ThreadTime() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
  }

  [[noreturn]] void Stop(Limit limit) {
    reached_ = limit;
    std::longjmp(exit_, 1);
  }

  static constexpr size_t kBlock = 256 * 1024;
  std::jmp_buf exit_;
  const size_t budget_;
  const std::chrono::nanoseconds deadline_;
  Limit reached_ = Limit::None;
  size_t used_ = 0;
  uint64_t calls_ = 0;
  std::vector<std::unique_ptr<std::byte[]>> blocks_;
  std::byte* next_ = nullptr;
  size_t left_ = 0;
};

void* ArenaAllocate(void* arena, size_t size) {
  return static_cast<Arena*>(arena)->Allocate(size);
}
void ArenaFree(void*, void*) {}

struct KindName {
  GumboTag tag;
  ElementKind kind;
};
constexpr KindName kKinds[] = {
    {GUMBO_TAG_HTML, ElementKind::Html},
    {GUMBO_TAG_HEAD, ElementKind::Head},
    {GUMBO_TAG_TITLE, ElementKind::Title},
    {GUMBO_TAG_BODY, ElementKind::Body},
    {GUMBO_TAG_FONT, ElementKind::Font},
    {GUMBO_TAG_P, ElementKind::P},
    {GUMBO_TAG_A, ElementKind::A},
    {GUMBO_TAG_IMG, ElementKind::Img},
    {GUMBO_TAG_MAP, ElementKind::Map},
    {GUMBO_TAG_AREA, ElementKind::Area},
    {GUMBO_TAG_TABLE, ElementKind::Table},
    {GUMBO_TAG_TBODY, ElementKind::Tbody},
    {GUMBO_TAG_THEAD, ElementKind::Thead},
    {GUMBO_TAG_TFOOT, ElementKind::Tfoot},
    {GUMBO_TAG_TR, ElementKind::Tr},
    {GUMBO_TAG_TD, ElementKind::Td},
    {GUMBO_TAG_TH, ElementKind::Th},
    {GUMBO_TAG_HR, ElementKind::Hr},
    {GUMBO_TAG_BGSOUND, ElementKind::Bgsound},
    {GUMBO_TAG_MARQUEE, ElementKind::Marquee},
    {GUMBO_TAG_FRAMESET, ElementKind::Frameset},
    {GUMBO_TAG_FRAME, ElementKind::Frame},
    {GUMBO_TAG_IFRAME, ElementKind::Iframe},
    {GUMBO_TAG_META, ElementKind::Meta},
    {GUMBO_TAG_BASE, ElementKind::Base},
    {GUMBO_TAG_SPAN, ElementKind::Span},
    {GUMBO_TAG_DIV, ElementKind::Div},
    {GUMBO_TAG_CENTER, ElementKind::Center},
    {GUMBO_TAG_B, ElementKind::B},
    {GUMBO_TAG_I, ElementKind::I},
    {GUMBO_TAG_U, ElementKind::U},
    {GUMBO_TAG_BR, ElementKind::Br},
    {GUMBO_TAG_SCRIPT, ElementKind::Script},
    {GUMBO_TAG_STYLE, ElementKind::Style},
};

ElementKind KindOf(GumboTag tag) {
  for (const KindName& k : kKinds) {
    if (k.tag == tag) return k.kind;
  }
  return ElementKind::Other;
}

bool IsVoid(GumboTag tag) {
  switch (tag) {
    case GUMBO_TAG_AREA:
    case GUMBO_TAG_BASE:
    case GUMBO_TAG_BASEFONT:
    case GUMBO_TAG_BGSOUND:
    case GUMBO_TAG_BR:
    case GUMBO_TAG_COL:
    case GUMBO_TAG_EMBED:
    case GUMBO_TAG_FRAME:
    case GUMBO_TAG_HR:
    case GUMBO_TAG_IMAGE:
    case GUMBO_TAG_IMG:
    case GUMBO_TAG_INPUT:
    case GUMBO_TAG_KEYGEN:
    case GUMBO_TAG_LINK:
    case GUMBO_TAG_META:
    case GUMBO_TAG_PARAM:
    case GUMBO_TAG_SOURCE:
    case GUMBO_TAG_TRACK:
    case GUMBO_TAG_WBR:
      return true;
    default:
      return false;
  }
}

// The name a tag's text writes ("<v:Shape id=x>" -> "v:Shape", "</FONT>" -> "FONT").
std::string_view WrittenName(GumboStringPiece tag) {
  std::string_view text(tag.data ? tag.data : "", tag.length);
  size_t b = 1;
  if (b < text.size() && text[b] == '/') ++b;
  size_t e = b;
  while (e < text.size() && text[e] != ' ' && text[e] != '\t' && text[e] != '\r' &&
         text[e] != '\n' && text[e] != '>' && text[e] != '/') {
    ++e;
  }
  return b <= text.size() ? text.substr(b, e - b) : std::string_view{};
}

// What gumbo may allocate for a page, and for how long: an editor's page takes about 14 bytes per
// byte of page, markup made of nothing but bare tags about 75; formatting copied at every run of
// text takes hundreds. The cap keeps the whole parse, our copy included, well under 256 MB.
constexpr size_t kParserBytesFloor = 4u << 20;
constexpr size_t kParserBytesPerByte = 128;
constexpr size_t kParserBytesCap = 96u << 20;
constexpr auto kParserTime = std::chrono::milliseconds(1500);

}  // namespace

class DocumentBuilder {
 public:
  explicit DocumentBuilder(Document& doc)
      : doc_(doc),
        arena_(
            std::min(kParserBytesCap, kParserBytesFloor + kParserBytesPerByte * doc.source_.size()),
            kParserTime) {}

  base::Status Build() {
    scan_ = ScanVml(doc_.source_);
    const std::string& text = scan_.parseText.empty() ? doc_.source_ : scan_.parseText;
    for (size_t i = 0; i < scan_.drawings.size(); ++i) drawingAt_[scan_.drawings[i].begin] = i;
    // The text boxes are parsed on their own, and must not nest too deep either.
    Nesting nesting = EstimateNesting(text);
    for (const DrawingRegion& d : scan_.drawings) {
      std::string box =
          d.textEnd > d.textBegin
              ? MaskPrefixedTags(
                    std::string_view(doc_.source_).substr(d.textBegin, d.textEnd - d.textBegin))
              : std::string();
      if (nesting.depth <= kMaxNesting && nesting.elements <= kMaxElements) {
        const Nesting inBox = EstimateNesting(box, kMaxNesting, kMaxElements - nesting.elements);
        nesting.depth = std::max(nesting.depth, inBox.depth);
        nesting.elements += inBox.elements;
      }
      textBoxes_.push_back(std::make_unique<std::string>(std::move(box)));
    }
    if (nesting.depth > kMaxNesting) {
      return ErrorWith(kErrUnreadable, "the page's elements nest deeper than ", kMaxNesting,
                       " levels");
    }
    if (nesting.elements > kMaxElements)
      return ErrorWith(kErrUnreadable,
                       "the page makes more elements than it can be read with (more than ",
                       kMaxElements, ")");

    GumboOptions options = kGumboDefaultOptions;
    options.allocator = ArenaAllocate;
    options.deallocator = ArenaFree;
    options.userdata = &arena_;
    options.max_errors = 0;
    options_ = options;
    mainBuffer_ = text.data();
    GumboOutput* output = arena_.Parse(options_, text);
    if (!output) return TooLarge();
    if (!output->root || output->root->type != GUMBO_NODE_ELEMENT) {
      return ErrorWith(kErrUnreadable, "the page could not be parsed");
    }
    FindReplacedOriginals(output->root);
    Element& root = NewElement(nullptr, output->root, Origin{text.data(), 0});
    Walk(root, output->root, Origin{text.data(), 0});
    if (overBudget_) return TooLarge();
    Finish();
    return {};
  }

 private:
  base::Error TooLarge() const {
    if (arena_.reached() == Arena::Limit::Time)
      return ErrorWith(kErrUnreadable, "the page takes too long to parse");
    return ErrorWith(kErrUnreadable, "the page makes more elements than it can be read with (",
                     arena_.used() >> 20, " MiB)");
  }

  // Where a gumbo tree's text lies: its buffer, and that buffer's position in the page.
  struct Origin {
    const char* buffer = nullptr;
    uint32_t base = 0;
    uint32_t At(const char* p) const { return base + static_cast<uint32_t>(p - buffer); }
  };
  struct Pending {
    Element* element;
    const GumboNode* node;
    Origin origin;
  };

  // Elements the parser closed early and then copied to carry on their formatting (a font
  // closed inside the paragraph it enclosed, or left open in a paragraph the next one ended):
  // when the original ends up holding nothing, its first copy stands for it and the empty
  // original is left out, so its id names the font that holds the text.
  void FindReplacedOriginals(const GumboNode* root) {
    std::vector<const GumboNode*> stack{root};
    while (!stack.empty()) {
      const GumboNode* node = stack.back();
      stack.pop_back();
      if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE) continue;
      if ((node->parse_flags & (GUMBO_INSERTION_ADOPTION_AGENCY_CLONED |
                                GUMBO_INSERTION_RECONSTRUCTED_FORMATTING_ELEMENT)) &&
          node->v.element.original_tag.data) {
        cloned_.emplace(node->v.element.original_tag.data, true);
      }
      const GumboVector& children = node->v.element.children;
      for (unsigned i = 0; i < children.length; ++i) {
        stack.push_back(static_cast<const GumboNode*>(children.data[i]));
      }
    }
  }

  bool LeftOut(const GumboNode* node) const {
    const GumboElement& e = node->v.element;
    return e.children.length == 0 && e.original_tag.data &&
           !(node->parse_flags & (GUMBO_INSERTION_ADOPTION_AGENCY_CLONED |
                                  GUMBO_INSERTION_RECONSTRUCTED_FORMATTING_ELEMENT)) &&
           cloned_.count(e.original_tag.data) > 0;
  }

  Element& NewElement(const Element* parent, const GumboNode* node, Origin origin) {
    Element& el = doc_.store_.emplace_back();
    el.document_ = &doc_;
    el.parent_ = parent;
    const GumboElement& g = node->v.element;
    const bool startTag = g.original_tag.data && g.original_tag.length > 0;
    const std::string_view name = startTag ? WrittenName(g.original_tag) : std::string_view{};

    el.kind_ = KindOf(g.tag);
    el.tagName_ = g.tag != GUMBO_TAG_UNKNOWN ? gumbo_normalized_tagname(g.tag) : std::string(name);
    el.tagName_ = base::AsciiUpper(el.tagName_);
    el.void_ = IsVoid(g.tag);

    el.outerBegin_ = startTag ? origin.At(g.original_tag.data) : origin.base + g.start_pos.offset;
    el.innerBegin_ = el.outerBegin_ + static_cast<uint32_t>(startTag ? g.original_tag.length : 0);
    const std::string_view endName = WrittenName(g.original_end_tag);
    el.ownEndTag_ = !(node->parse_flags & GUMBO_INSERTION_IMPLICIT_END_TAG) &&
                    g.original_end_tag.data && g.original_end_tag.length > 0 &&
                    base::EqualsNoCase(endName, startTag ? name : el.tagName_);
    if (el.ownEndTag_) {
      el.innerEnd_ = origin.At(g.original_end_tag.data);
      el.outerEnd_ = el.innerEnd_ + static_cast<uint32_t>(g.original_end_tag.length);
    } else {
      el.innerEnd_ = el.outerEnd_ = origin.base + g.end_pos.offset;
    }
    if (el.void_) el.innerEnd_ = el.outerEnd_ = el.innerBegin_;
    if (node->parse_flags & (GUMBO_INSERTION_ADOPTION_AGENCY_CLONED |
                             GUMBO_INSERTION_RECONSTRUCTED_FORMATTING_ELEMENT)) {
      el.sliced_ = false;
    }
    if (el.outerEnd_ < el.innerBegin_ || el.innerEnd_ < el.innerBegin_) {
      // Closed nowhere the parser noted: its markup is written out from the tree.
      el.sliced_ = false;
      el.innerEnd_ = el.outerEnd_ = el.innerBegin_;
    }

    el.firstAttribute_ = static_cast<uint32_t>(doc_.attributes_.size());
    for (unsigned i = 0; i < g.attributes.length; ++i) {
      const auto* a = static_cast<const GumboAttribute*>(g.attributes.data[i]);
      doc_.attributes_.push_back({base::AsciiLower(a->name), a->value ? a->value : ""});
    }
    el.attributeCount_ = static_cast<uint32_t>(doc_.attributes_.size()) - el.firstAttribute_;

    if (origin.buffer == mainBuffer_ && g.tag == GUMBO_TAG_IMG) {
      auto it = drawingAt_.find(el.outerBegin_);
      if (it != drawingAt_.end()) {
        MakeDrawing(el, scan_.drawings[it->second]);
        drawingText_[&el] = textBoxes_[it->second].get();
      }
    }
    return el;
  }

  void MakeDrawing(Element& el, const DrawingRegion& region) {
    el.kind_ = ElementKind::Drawing;
    el.tagName_ = "xxxxescher";
    el.void_ = false;
    el.ownEndTag_ = true;
    el.attributeCount_ = 0;
    el.outerBegin_ = region.begin;
    el.outerEnd_ = region.end;
    if (region.textEnd > region.textBegin) {
      el.innerBegin_ = region.textBegin;
      el.innerEnd_ = region.textEnd;
    } else {
      el.innerBegin_ = el.innerEnd_ = region.end;
    }
  }

  // Copies the tree below `root` in document order, with a stack of its own.
  void Walk(Element& root, const GumboNode* rootNode, Origin origin) {
    std::vector<Pending> stack{{&root, rootNode, origin}};
    while (!stack.empty()) {
      Pending p = stack.back();
      stack.pop_back();
      Element& el = *p.element;
      el.sourceIndex_ = static_cast<int32_t>(order_.size());
      order_.push_back(&el);

      const GumboNode* contentNode = p.node;
      Origin contentOrigin = p.origin;
      if (el.kind_ == ElementKind::Drawing) {
        contentNode = ParseTextBox(el, contentOrigin);
        if (!contentNode) continue;
      }
      el.firstContent_ = static_cast<uint32_t>(doc_.content_.size());
      std::vector<Pending> children;
      const GumboVector& nodes = contentNode->v.element.children;
      for (unsigned i = 0; i < nodes.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(nodes.data[i]);
        Document::Content c;
        switch (child->type) {
          case GUMBO_NODE_ELEMENT:
          case GUMBO_NODE_TEMPLATE: {
            if (LeftOut(child)) continue;
            Element& ce = NewElement(&el, child, contentOrigin);
            c.element = &ce;
            c.sourceBegin = ce.outerBegin_;
            c.sourceEnd = ce.outerEnd_;
            children.push_back({&ce, child, contentOrigin});
            break;
          }
          case GUMBO_NODE_TEXT:
          case GUMBO_NODE_CDATA:
          case GUMBO_NODE_WHITESPACE:
          case GUMBO_NODE_COMMENT: {
            const GumboText& t = child->v.text;
            c.comment = child->type == GUMBO_NODE_COMMENT;
            c.sourceBegin = t.original_text.data ? contentOrigin.At(t.original_text.data) : 0;
            c.sourceEnd = c.sourceBegin + static_cast<uint32_t>(t.original_text.length);
            if (!c.comment && t.text) {
              c.textBegin = static_cast<uint32_t>(doc_.text_.size());
              doc_.text_.append(t.text);
              c.textEnd = static_cast<uint32_t>(doc_.text_.size());
            }
            if (!t.original_text.data) c.sourceBegin = c.sourceEnd = el.innerBegin_;
            break;
          }
          default:
            continue;
        }
        doc_.content_.push_back(c);
      }
      el.contentCount_ = static_cast<uint32_t>(doc_.content_.size()) - el.firstContent_;
      std::vector<const Element*> list;
      list.reserve(children.size());
      for (const Pending& c : children) list.push_back(c.element);
      el.children_ = ElementList(std::move(list));
      for (auto it = children.rbegin(); it != children.rend(); ++it) stack.push_back(*it);
    }
  }

  // The HTML of a drawing's text box, parsed on its own; its elements are the drawing's children.
  const GumboNode* ParseTextBox(const Element& el, Origin& origin) {
    auto found = drawingText_.find(&el);
    if (found == drawingText_.end() || found->second->empty()) return nullptr;
    const std::string* text = found->second;
    GumboOptions options = options_;
    options.fragment_context = GUMBO_TAG_DIV;
    options.fragment_namespace = GUMBO_NAMESPACE_HTML;
    GumboOutput* output = arena_.Parse(options, *text);
    overBudget_ = overBudget_ || !output;
    if (!output || !output->root) return nullptr;
    origin = Origin{text->data(), el.innerBegin_};
    return output->root;
  }

  void Finish() {
    doc_.all_ = ElementList(order_);
    // Last descendants and slicing, children before parents.
    for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
      Element& el = const_cast<Element&>(**it);
      el.lastDescendant_ = el.children_.empty()
                               ? el.sourceIndex_
                               : el.children_.at(el.children_.length() - 1)->lastDescendant_;
      if (!el.sliced_) continue;
      uint32_t at = el.innerBegin_;
      for (uint32_t i = 0; i < el.contentCount_ && el.sliced_; ++i) {
        const Document::Content& c = doc_.content_[el.firstContent_ + i];
        if (c.sourceBegin < at || c.sourceEnd > el.innerEnd_ ||
            (c.element && !c.element->sliced_)) {
          el.sliced_ = false;
        }
        at = c.sourceEnd;
      }
    }
    std::vector<const Element*> images, anchors, links, frames;
    for (const Element* el : order_) {
      switch (el->kind_) {
        case ElementKind::Img:
          images.push_back(el);
          break;
        case ElementKind::A:
          if (el->getAttribute("name")) anchors.push_back(el);
          if (el->getAttribute("href")) links.push_back(el);
          break;
        case ElementKind::Area:
          if (el->getAttribute("href")) links.push_back(el);
          break;
        case ElementKind::Frame:
        case ElementKind::Iframe:
          frames.push_back(el);
          break;
        case ElementKind::Body:
        case ElementKind::Frameset:
          if (!doc_.body_) doc_.body_ = el;
          break;
        default:
          break;
      }
    }
    doc_.images_ = ElementList(std::move(images));
    doc_.anchors_ = ElementList(std::move(anchors));
    doc_.links_ = ElementList(std::move(links));
    doc_.frames_ = ElementList(std::move(frames));
  }

  Document& doc_;
  VmlScan scan_;
  Arena arena_;
  bool overBudget_ = false;
  GumboOptions options_{};
  std::unordered_map<uint32_t, size_t> drawingAt_;
  std::unordered_map<const char*, bool> cloned_;
  // Each drawing's text box made ready for parsing, by drawing and by its element.
  std::vector<std::unique_ptr<std::string>> textBoxes_;
  std::unordered_map<const Element*, const std::string*> drawingText_;
  const char* mainBuffer_ = nullptr;
  std::vector<const Element*> order_;
};

Document::~Document() = default;

base::Result<std::unique_ptr<Document>> Document::Parse(std::string_view bytes,
                                                        std::string_view fileName,
                                                        std::filesystem::path pictureRoot) {
  std::unique_ptr<Document> doc(new Document());
  DecodedPage page = DecodePage(bytes);
  doc->charset_ = page.charset;
  doc->source_ = std::move(page.text);
  doc->fileName_ = std::string(fileName);
  doc->pictureRoot_ = std::move(pictureRoot);
  if (doc->source_.size() > UINT32_MAX / 2)
    return ErrorWith(kErrUnreadable, "the page is too large");
  DocumentBuilder builder(*doc);
  if (base::Status built = builder.Build(); !built) return built.error();
  return doc;
}

}  // namespace frontpage
