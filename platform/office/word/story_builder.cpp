// Building a story's index in one pass over its XML, without recursion: block content (tables
// in cells in tables, content controls, custom XML) through an explicit stack of frames, the
// inline content of a paragraph (hyperlinks, fields, revisions, smart tags) through a loop that
// enters and leaves containers by hand.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "platform/office/common/xml_names.h"
#include "platform/office/word/story.h"
#include "platform/office/word/text_units.h"
#include "platform/vb/strings.h"

namespace word {

class StoryBuilder {
 public:
  StoryBuilder(Story& story, const std::vector<opc::Relationship>& relationships)
      : story_(story), relationships_(relationships) {}

  void Run(pugi::xml_node root);

 private:
  enum class FrameKind : uint8_t { kBlocks, kTable, kRow };
  struct Frame {
    FrameKind kind;
    pugi::xml_node next;   // the next child to look at
    int32_t index = -1;    // the table (kTable), row (kRow) or cell (kBlocks in a cell)
    bool wrapper = false;  // a content control or custom XML around rows, cells or blocks
  };

  void Block(Frame frame, pugi::xml_node node);
  void Finish(const Frame& frame);
  // Starts the span of a paragraph (or of a mark without one: an empty cell's, a row's).
  ParagraphSpan& OpenParagraph(pugi::xml_node node, int32_t cell);
  void Paragraph(pugi::xml_node p, int32_t cell);
  // Inline content: returns whether to enter the element's children.
  bool Enter(pugi::xml_node node);
  void Leave(pugi::xml_node node);
  void RunContent(pugi::xml_node run);
  void Object(pugi::xml_node element, pugi::xml_node run);

  void Emit(PieceKind kind, int32_t length, std::string_view shown, pugi::xml_node node,
            pugi::xml_node run);
  void Mark(PieceKind kind, std::string_view shown, pugi::xml_node node);
  void FieldBegin(pugi::xml_node node, pugi::xml_node run);
  void FieldSeparator(pugi::xml_node node, pugi::xml_node run);
  void FieldEnd(pugi::xml_node node, pugi::xml_node run);
  void FieldCode(std::string_view code, pugi::xml_node node, pugi::xml_node run);
  std::string HyperlinkCode(pugi::xml_node link) const;
  void AddPageStart(int32_t position);
  void MakeSections(pugi::xml_node root);

  // Positions beyond this are not indexed: a story the word processor could not hold either.
  static constexpr int32_t kMaxPosition = std::numeric_limits<int32_t>::max() / 2;

  Story& story_;
  const std::vector<opc::Relationship>& relationships_;
  std::vector<Frame> frames_;
  int32_t position_ = 0;
  int32_t paragraph_ = 0;  // the paragraph being indexed
  // Open fields: true while a field's code is being read. Codes inside hidden code stay hidden.
  std::vector<bool> fields_;
  int32_t hiddenFields_ = 0;
  // The section properties of each paragraph that ends a section, and where its mark ends.
  std::vector<std::pair<pugi::xml_node, int32_t>> sectionEnds_;
};

namespace {

using office::Attr;
using office::Child;
using office::IsElement;
using office::LocalName;

std::string_view Local(pugi::xml_node node) {
  return LocalName(node.name());
}

// The next node after `at`'s subtree that still lies below `within`, leaving each container
// climbed out of through `leave`.
template <class Leave>
pugi::xml_node After(pugi::xml_node at, pugi::xml_node within, Leave leave) {
  while (at && at != within) {
    if (pugi::xml_node next = at.next_sibling()) return next;
    at = at.parent();
    if (at && at != within) leave(at);
  }
  return {};
}

int32_t ClampedInt(pugi::xml_node node, int32_t low, int32_t high, int32_t fallback) {
  pugi::xml_attribute a = Attr(node, "val");
  if (!a) return fallback;
  const long long v = a.as_llong(fallback);
  return static_cast<int32_t>(std::clamp<long long>(v, low, high));
}

}  // namespace

void StoryBuilder::Run(pugi::xml_node root) {
  story_.root_ = root;
  frames_.push_back({FrameKind::kBlocks, root.first_child()});
  while (!frames_.empty()) {
    Frame& top = frames_.back();
    if (!top.next) {
      const Frame done = top;
      frames_.pop_back();
      Finish(done);
      continue;
    }
    const pugi::xml_node node = top.next;
    top.next = node.next_sibling();
    Block(top, node);  // may push: `top` is not used after this
  }
  // A story ends with a paragraph mark, even when its XML ends with a table or holds nothing.
  if (story_.pieces_.empty() || !IsMark(story_.pieces_.back().kind) ||
      story_.pieces_.back().kind == PieceKind::kRowEnd) {
    OpenParagraph({}, -1);
    Mark(PieceKind::kParagraphEnd, "\r", {});
  }
  MakeSections(root);
  std::sort(story_.pageStarts_.begin(), story_.pageStarts_.end());
  story_.pageStarts_.erase(std::unique(story_.pageStarts_.begin(), story_.pageStarts_.end()),
                           story_.pageStarts_.end());
}

void StoryBuilder::Block(Frame frame, pugi::xml_node node) {
  const std::string_view name = Local(node);
  switch (frame.kind) {
    case FrameKind::kBlocks:
      if (name == "p") {
        Paragraph(node, frame.index);
      } else if (name == "tbl") {
        TableSpan& t = story_.tables_.emplace_back();
        t.node = node;
        t.parentCell = frame.index;
        t.start = position_;
        frames_.push_back({FrameKind::kTable, node.first_child(),
                           static_cast<int32_t>(story_.tables_.size() - 1)});
      } else if (name == "sdt") {
        frames_.push_back(
            {FrameKind::kBlocks, Child(node, "sdtContent").first_child(), frame.index, true});
      } else if (name == "customXml" || name == "ins" || name == "moveTo") {
        frames_.push_back({FrameKind::kBlocks, node.first_child(), frame.index, true});
      }
      break;
    case FrameKind::kTable:
      if (name == "tr") {
        RowSpan& r = story_.rows_.emplace_back();
        r.node = node;
        r.table = frame.index;
        r.start = position_;
        const pugi::xml_node trPr = Child(node, "trPr");
        r.gridBefore = ClampedInt(Child(trPr, "gridBefore"), 0, 1000, 0);
        TableSpan& t = story_.tables_[static_cast<size_t>(frame.index)];
        r.indexInTable = static_cast<int32_t>(t.rows.size());
        t.rows.push_back(static_cast<int32_t>(story_.rows_.size() - 1));
        frames_.push_back(
            {FrameKind::kRow, node.first_child(), static_cast<int32_t>(story_.rows_.size() - 1)});
      } else if (name == "sdt") {
        frames_.push_back(
            {FrameKind::kTable, Child(node, "sdtContent").first_child(), frame.index, true});
      } else if (name == "customXml") {
        frames_.push_back({FrameKind::kTable, node.first_child(), frame.index, true});
      }
      break;
    case FrameKind::kRow:
      if (name == "tc") {
        RowSpan& r = story_.rows_[static_cast<size_t>(frame.index)];
        CellSpan& c = story_.cells_.emplace_back();
        c.node = node;
        c.row = frame.index;
        c.table = r.table;
        c.start = position_;
        c.indexInRow = static_cast<int32_t>(r.cells.size());
        if (r.cells.empty()) {
          c.gridColumn = r.gridBefore;
        } else {
          const CellSpan& before = story_.cells_[static_cast<size_t>(r.cells.back())];
          // A hostile row of a million wide cells stops counting grid columns at 2^24.
          c.gridColumn = std::min(before.gridColumn + before.gridSpan, 1 << 24);
        }
        const pugi::xml_node tcPr = Child(node, "tcPr");
        c.gridSpan = ClampedInt(Child(tcPr, "gridSpan"), 1, 1000, 1);
        if (const pugi::xml_node v = Child(tcPr, "vMerge")) {
          c.vmerge = std::string_view(Attr(v, "val").value()) == "restart"
                         ? VerticalMerge::kRestart
                         : VerticalMerge::kContinue;
        }
        const auto cell = static_cast<int32_t>(story_.cells_.size() - 1);
        r.cells.push_back(cell);
        frames_.push_back({FrameKind::kBlocks, node.first_child(), cell});
      } else if (name == "sdt") {
        frames_.push_back(
            {FrameKind::kRow, Child(node, "sdtContent").first_child(), frame.index, true});
      } else if (name == "customXml") {
        frames_.push_back({FrameKind::kRow, node.first_child(), frame.index, true});
      }
      break;
  }
}

void StoryBuilder::Finish(const Frame& frame) {
  if (frame.wrapper) return;
  switch (frame.kind) {
    case FrameKind::kBlocks: {
      if (frame.index < 0) return;  // the story itself
      CellSpan& c = story_.cells_[static_cast<size_t>(frame.index)];
      // The cell's last paragraph mark becomes the end-of-cell mark; a cell that ends
      // otherwise (empty, or with a nested table) gets a mark of its own.
      Piece* last = story_.pieces_.empty() ? nullptr : &story_.pieces_.back();
      if (last != nullptr && last->kind == PieceKind::kParagraphEnd &&
          story_.paragraphs_[static_cast<size_t>(last->paragraph)].cell == frame.index) {
        story_.text_ += '\a';  // the mark is the last piece: its text ends the story's text
        last->textLength = 2;
        last->kind = PieceKind::kCellEnd;
      } else {
        OpenParagraph({}, frame.index);
        Mark(PieceKind::kCellEnd, "\r\a", c.node);
      }
      c.end = position_;
      break;
    }
    case FrameKind::kRow: {
      RowSpan& r = story_.rows_[static_cast<size_t>(frame.index)];
      ParagraphSpan& p = OpenParagraph({}, -1);
      p.rowEnd = frame.index;
      p.bodyLevel = false;
      Mark(PieceKind::kRowEnd, "\r\a", r.node);
      r.end = position_;
      break;
    }
    case FrameKind::kTable:
      story_.tables_[static_cast<size_t>(frame.index)].end = position_;
      break;
  }
}

ParagraphSpan& StoryBuilder::OpenParagraph(pugi::xml_node node, int32_t cell) {
  ParagraphSpan& span = story_.paragraphs_.emplace_back();
  span.node = node;
  span.start = position_;
  span.cell = cell;
  span.bodyLevel = cell < 0;
  span.firstPiece = static_cast<uint32_t>(story_.pieces_.size());
  paragraph_ = static_cast<int32_t>(story_.paragraphs_.size() - 1);
  return span;
}

void StoryBuilder::Paragraph(pugi::xml_node p, int32_t cell) {
  OpenParagraph(p, cell);

  const pugi::xml_node pPr = Child(p, "pPr");
  if (const pugi::xml_node b = Child(pPr, "pageBreakBefore");
      b && std::string_view(Attr(b, "val").value()) != "0" &&
      std::string_view(Attr(b, "val").value()) != "false") {
    AddPageStart(position_);
  }

  auto leave = [this](pugi::xml_node n) { Leave(n); };
  pugi::xml_node at = p.first_child();
  while (at) {
    const bool enter = Enter(at);
    if (enter) {
      if (pugi::xml_node child = at.first_child()) {
        at = child;
        continue;
      }
      Leave(at);
    }
    at = After(at, p, leave);
  }

  const pugi::xml_node sectPr = cell < 0 ? Child(pPr, "sectPr") : pugi::xml_node();
  Mark(sectPr ? PieceKind::kSectionEnd : PieceKind::kParagraphEnd, sectPr ? "\f" : "\r", p);
  if (sectPr) sectionEnds_.emplace_back(sectPr, position_);
}

bool StoryBuilder::Enter(pugi::xml_node node) {
  if (node.type() != pugi::node_element) return false;
  const std::string_view name = Local(node);
  if (name == "r") {
    RunContent(node);
    return false;
  }
  if (name == "hyperlink") {
    FieldBegin(node, {});
    FieldCode(HyperlinkCode(node), node, {});
    FieldSeparator(node, {});
    return true;
  }
  if (name == "fldSimple") {
    FieldBegin(node, {});
    FieldCode(Attr(node, "instr").value(), node, {});
    FieldSeparator(node, {});
    return true;
  }
  // Containers: their properties (w:sdtPr, w:rPr) hold no runs, so entering them is harmless.
  return name == "sdt" || name == "sdtContent" || name == "smartTag" || name == "customXml" ||
         name == "ins" || name == "del" || name == "moveTo" || name == "moveFrom" ||
         name == "dir" || name == "bdo";
}

void StoryBuilder::Leave(pugi::xml_node node) {
  const std::string_view name = Local(node);
  if (name == "hyperlink" || name == "fldSimple") FieldEnd(node, {});
}

void StoryBuilder::RunContent(pugi::xml_node run) {
  for (pugi::xml_node c = run.first_child(); c; c = c.next_sibling()) {
    if (c.type() != pugi::node_element) continue;
    const std::string_view name = Local(c);
    if (name == "t" || name == "delText") {
      const std::string_view text = c.text().get();
      if (!text.empty()) Emit(PieceKind::kText, Utf16Units(text), text, c, run);
    } else if (name == "tab" || name == "ptab") {
      Emit(PieceKind::kTab, 1, "\t", c, run);
    } else if (name == "br") {
      const std::string_view type = Attr(c, "type").value();
      if (type == "page") {
        Emit(PieceKind::kPageBreak, 1, "\f", c, run);
        AddPageStart(position_);
      } else if (type == "column") {
        Emit(PieceKind::kColumnBreak, 1, "\x0e", c, run);
      } else {
        Emit(PieceKind::kLineBreak, 1, "\v", c, run);
      }
    } else if (name == "cr") {
      Emit(PieceKind::kLineBreak, 1, "\v", c, run);
    } else if (name == "noBreakHyphen") {
      Emit(PieceKind::kSpecial, 1, "\x1e", c, run);
    } else if (name == "softHyphen") {
      Emit(PieceKind::kSpecial, 1, "\x1f", c, run);
    } else if (name == "footnoteReference" || name == "endnoteReference" || name == "footnoteRef" ||
               name == "endnoteRef") {
      Emit(PieceKind::kSpecial, 1, "\x02", c, run);
    } else if (name == "commentReference" || name == "annotationRef") {
      Emit(PieceKind::kSpecial, 1, "\x05", c, run);
    } else if (name == "sym") {
      const unsigned long code = std::strtoul(Attr(c, "char").value(), nullptr, 16);
      std::string shown;
      vb::AppendUtf8(code > 0 && code < 0x110000 ? static_cast<char32_t>(code) : U'?', shown);
      Emit(PieceKind::kSymbol, code >= 0x10000 && code < 0x110000 ? 2 : 1, shown, c, run);
    } else if (name == "drawing" || name == "pict" || name == "object" ||
               name == "AlternateContent") {
      Object(c, run);
    } else if (name == "fldChar") {
      const std::string_view type = Attr(c, "fldCharType").value();
      if (type == "begin") {
        FieldBegin(c, run);
      } else if (type == "separate") {
        FieldSeparator(c, run);
      } else if (type == "end") {
        FieldEnd(c, run);
      }
    } else if (name == "instrText" || name == "delInstrText") {
      FieldCode(c.text().get(), c, run);
    } else if (name == "lastRenderedPageBreak") {
      AddPageStart(position_);
    }
  }
}

void StoryBuilder::Object(pugi::xml_node element, pugi::xml_node run) {
  // An alternate-content block holds the same object twice (a drawing and its VML fallback).
  pugi::xml_node object = element;
  if (Local(element) == "AlternateContent") {
    pugi::xml_node choice = Child(element, "Choice");
    if (!choice) choice = Child(element, "Fallback");
    object = choice.first_child();
    while (object && object.type() != pugi::node_element) object = object.next_sibling();
    if (!object) return;
  }
  bool floating = false;
  const std::string_view name = Local(object);
  if (name == "drawing") {
    floating = static_cast<bool>(Child(object, "anchor"));
  } else if (name == "pict") {
    for (pugi::xml_node shape = object.first_child(); shape; shape = shape.next_sibling()) {
      const std::string_view style = Attr(shape, "style").value();
      if (style.find("position:absolute") != std::string_view::npos) floating = true;
    }
  }
  if (floating) {
    Emit(PieceKind::kFloatingObject, 1, "\x08", element, run);
  } else {
    Emit(PieceKind::kInlineObject, 1, "\x01", element, run);
  }
}

void StoryBuilder::FieldBegin(pugi::xml_node node, pugi::xml_node run) {
  Emit(PieceKind::kFieldBegin, 1, "", node, run);
  fields_.push_back(true);
  ++hiddenFields_;
}

void StoryBuilder::FieldSeparator(pugi::xml_node node, pugi::xml_node run) {
  Emit(PieceKind::kFieldSeparator, 1, "", node, run);
  if (!fields_.empty() && fields_.back()) {
    fields_.back() = false;
    --hiddenFields_;
  }
}

void StoryBuilder::FieldEnd(pugi::xml_node node, pugi::xml_node run) {
  Emit(PieceKind::kFieldEnd, 1, "", node, run);
  if (fields_.empty()) return;
  if (fields_.back()) --hiddenFields_;
  fields_.pop_back();
}

void StoryBuilder::FieldCode(std::string_view code, pugi::xml_node node, pugi::xml_node run) {
  if (!code.empty()) Emit(PieceKind::kFieldCode, Utf16Units(code), "", node, run);
}

std::string StoryBuilder::HyperlinkCode(pugi::xml_node link) const {
  std::string code = " HYPERLINK";
  const std::string_view id = Attr(link, "id").value();
  if (!id.empty()) {
    for (const opc::Relationship& r : relationships_) {
      if (r.id == id) {
        code += " \"" + r.target + "\"";
        break;
      }
    }
  }
  if (const pugi::xml_attribute anchor = Attr(link, "anchor"))
    code += std::string(" \\l \"") + anchor.value() + "\"";
  return code + " ";
}

void StoryBuilder::Emit(PieceKind kind, int32_t length, std::string_view shown, pugi::xml_node node,
                        pugi::xml_node run) {
  if (position_ > kMaxPosition - length) return;
  const bool hidden = hiddenFields_ > 0 || kind == PieceKind::kFieldBegin ||
                      kind == PieceKind::kFieldCode || kind == PieceKind::kFieldSeparator ||
                      kind == PieceKind::kFieldEnd;
  Piece& piece = story_.pieces_.emplace_back();
  piece.start = position_;
  piece.length = length;
  piece.textOffset = static_cast<uint32_t>(story_.text_.size());
  piece.kind = kind;
  piece.paragraph = paragraph_;
  piece.node = node;
  piece.run = run;
  if (!hidden) {
    story_.text_.append(shown);
    piece.textLength = static_cast<uint32_t>(shown.size());
  }
  position_ += length;
}

void StoryBuilder::Mark(PieceKind kind, std::string_view shown, pugi::xml_node node) {
  // Marks always show, even inside a field's code, and are indexed past the position cap too,
  // so that every paragraph keeps its mark.
  Piece& piece = story_.pieces_.emplace_back();
  piece.start = position_;
  piece.length = 1;
  piece.textOffset = static_cast<uint32_t>(story_.text_.size());
  piece.textLength = static_cast<uint32_t>(shown.size());
  piece.kind = kind;
  piece.paragraph = paragraph_;
  piece.node = node;
  story_.text_.append(shown);
  ++position_;
  ParagraphSpan& p = story_.paragraphs_[static_cast<size_t>(paragraph_)];
  p.end = position_;
  p.endPiece = static_cast<uint32_t>(story_.pieces_.size());
}

void StoryBuilder::AddPageStart(int32_t position) {
  if (position > 0) story_.pageStarts_.push_back(position);
}

void StoryBuilder::MakeSections(pugi::xml_node root) {
  if (Local(root) != "body") return;
  int32_t start = 0;
  for (const auto& [properties, end] : sectionEnds_) {
    story_.sections_.push_back({properties, start, end});
    start = end;
  }
  story_.sections_.push_back({Child(root, "sectPr"), start, story_.Length()});
  // A section starts a page unless it runs on in the same page or column.
  for (size_t i = 1; i < story_.sections_.size(); ++i) {
    const std::string_view type =
        Attr(Child(story_.sections_[i].properties, "type"), "val").value();
    if (type != "continuous" && type != "nextColumn") AddPageStart(story_.sections_[i].start);
  }
}

Story Story::Build(pugi::xml_node root, const std::vector<opc::Relationship>& relationships) {
  Story story;
  StoryBuilder(story, relationships).Run(root);
  return story;
}

}  // namespace word
