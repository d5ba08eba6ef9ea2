// Copy and Paste: a range's text with its run formatting onto the clipboard, and back into a
// story at the selection, splitting runs and paragraphs in the part's XML where it goes in.
#include "platform/office/common/xml_names.h"
#include "platform/office/word/application.h"
#include "platform/office/word/errors.h"
#include "platform/office/word/text_units.h"

namespace word {
namespace {

using office::Child;
using office::IsElement;

// Where new content goes: before `before` in `parent` (appended when `before` is empty).
struct Anchor {
  pugi::xml_node parent;
  pugi::xml_node before;
};

// The element names of the part being edited carry its prefix ("w:"), as its own do.
std::string Name(pugi::xml_node like, const char* local) {
  return office::PrefixOf(like) + local;
}

// Splits run `run` before its child `child`: the content from `child` on moves to a new run
// (with the same w:rPr) right after it. Returns the new run. The moved nodes keep their identity,
// so the drawings that shapes and text-box stories hold stay theirs.
pugi::xml_node SplitRunBefore(pugi::xml_node run, pugi::xml_node child) {
  pugi::xml_node copy = run.parent().insert_child_after(run.name(), run);
  if (pugi::xml_node rPr = Child(run, "rPr")) copy.append_copy(rPr);
  for (pugi::xml_node c = child; c;) {
    pugi::xml_node next = c.next_sibling();
    copy.append_move(c);
    c = next;
  }
  return copy;
}

// The first child of a paragraph after its properties.
pugi::xml_node FirstContent(pugi::xml_node p) {
  pugi::xml_node c = p.first_child();
  while (c && IsElement(c, "pPr")) c = c.next_sibling();
  return c;
}

// Where position `position` of the story lies in its XML; splits a run when it falls inside.
base::Result<Anchor> AnchorAt(const Story& story, int32_t position) {
  const Piece& piece = story.Pieces()[story.PieceAt(position)];
  if (piece.kind == PieceKind::kRowEnd) return Failed("nothing can be pasted at a row's end");
  if (IsMark(piece.kind)) {
    pugi::xml_node p = story.Paragraphs()[static_cast<size_t>(piece.paragraph)].node;
    if (!p) {
      // A mark without a paragraph of its own (an empty cell, a story ending with a table):
      // give it one.
      pugi::xml_node holder = piece.node ? piece.node : story.Root();
      pugi::xml_node sectPr = Child(holder, "sectPr");
      const std::string name = Name(holder, "p");
      p = sectPr ? holder.insert_child_before(name.c_str(), sectPr)
                 : holder.append_child(name.c_str());
    }
    return Anchor{p, {}};
  }
  if (!piece.run) return Anchor{piece.node.parent(), piece.node};
  pugi::xml_node run = piece.run;
  pugi::xml_node child = piece.node;
  if (piece.kind == PieceKind::kText && position > piece.start) {
    // Inside a text: cut it in two and split the run between them.
    const std::string text = child.text().get();
    const size_t cut = Utf8OffsetOfUnits(text, position - piece.start);
    child.text().set(text.substr(0, cut).c_str());
    pugi::xml_node rest = run.insert_copy_after(child, child);
    rest.text().set(text.substr(cut).c_str());
    child = rest;
  }
  if (child == run.first_child() ||
      (IsElement(run.first_child(), "rPr") && child == run.first_child().next_sibling()))
    return Anchor{run.parent(), run};
  return Anchor{run.parent(), SplitRunBefore(run, child)};
}

pugi::xml_node Insert(Anchor& at, const char* local) {
  const std::string name = Name(at.parent, local);
  return at.before ? at.parent.insert_child_before(name.c_str(), at.before)
                   : at.parent.append_child(name.c_str());
}

// A run of `text` with a copy of `rPr`; tabs, breaks and hyphens as their own elements, the
// characters that stand for notes and comments left out (XML cannot hold them as text).
int32_t InsertRun(Anchor& at, const ClipItem& item) {
  pugi::xml_node run = Insert(at, "r");
  if (item.rPr) run.append_copy(item.rPr);
  const std::string prefix = office::PrefixOf(run);
  std::string pending;
  int32_t positions = 0;
  auto flush = [&] {
    if (pending.empty()) return;
    pugi::xml_node t = run.append_child((prefix + "t").c_str());
    t.append_attribute("xml:space") = "preserve";
    t.text().set(pending.c_str());
    positions += Utf16Units(pending);
    pending.clear();
  };
  auto element = [&](const char* local, const char* breakType = nullptr) {
    flush();
    pugi::xml_node e = run.append_child((prefix + local).c_str());
    if (breakType != nullptr) e.append_attribute((prefix + "type").c_str()) = breakType;
    ++positions;
  };
  for (char c : item.text) {
    switch (c) {
      case '\t':
        element("tab");
        break;
      case '\v':
        element("br");
        break;
      case '\f':
        element("br", "page");
        break;
      case '\x0e':
        element("br", "column");
        break;
      case '\x1e':
        element("noBreakHyphen");
        break;
      case '\x1f':
        element("softHyphen");
        break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20) pending += c;
    }
  }
  flush();
  return positions;
}

// Ends the paragraph at the anchor with the copied mark: the content before the anchor moves
// to a new paragraph before it, which takes the copied paragraph's properties; the rest stays.
void InsertBreak(Anchor& at, pugi::xml_node paragraph, const ClipItem& item) {
  pugi::xml_node first =
      paragraph.parent().insert_child_before(Name(paragraph, "p").c_str(), paragraph);
  if (item.pPr) {
    pugi::xml_node pPr = first.append_copy(item.pPr);
    if (pugi::xml_node sectPr = Child(pPr, "sectPr")) pPr.remove_child(sectPr);
  }
  // Move the nodes before the anchor, at the paragraph's own level.
  pugi::xml_node stop = at.before;
  while (stop && stop.parent() != paragraph) stop = stop.parent();
  for (pugi::xml_node c = FirstContent(paragraph); c && c != stop;) {
    pugi::xml_node next = c.next_sibling();
    first.append_move(c);
    c = next;
  }
  if (!stop) at = Anchor{paragraph, FirstContent(paragraph)};
}

// Takes the text of [start, end) out of the story, when it lies within one paragraph.
base::Status DeleteText(Document& document, StoryId storyId, int32_t start, int32_t end) {
  const Story& story = document.StoryAt(storyId);
  for (size_t i = story.PieceAt(start); i < story.Pieces().size(); ++i) {
    const Piece& p = story.Pieces()[i];
    if (p.start >= end) break;
    if (IsMark(p.kind)) return Failed("pasting over more than one paragraph is not modelled");
    if (p.kind == PieceKind::kFloatingObject)
      return Failed("pasting over a floating drawing's anchor is not modelled");
  }
  // The end first: splitting there leaves the nodes the index holds for the start as they are.
  base::Result<Anchor> last = AnchorAt(story, end);
  base::Result<Anchor> first = last ? AnchorAt(story, start) : last;
  base::Status done;
  if (!last || !first) {
    done = last ? first.error() : last.error();
  } else if (first->parent != last->parent) {
    done = Failed("pasting over text that crosses a field or a hyperlink is not modelled");
  } else {
    for (pugi::xml_node c = first->before; c && c != last->before;) {
      pugi::xml_node next = c.next_sibling();
      first->parent.remove_child(c);
      c = next;
    }
  }
  // Even a refusal may have split runs (the text is the same): the index must follow.
  document.StoryChanged(storyId);
  return done;
}

}  // namespace

base::Status Range::Copy() const {
  const word::Story& story = Index();
  Clipboard clip;
  for (size_t i = story.PieceAt(start_); i < story.Pieces().size(); ++i) {
    const Piece& p = story.Pieces()[i];
    if (p.start >= end_) break;
    if (p.End() <= start_ || p.textLength == 0) continue;
    if (IsMark(p.kind)) {
      ClipItem item;
      item.paragraphBreak = true;
      const ParagraphSpan& span = story.Paragraphs()[static_cast<size_t>(p.paragraph)];
      if (pugi::xml_node pPr = Child(span.node, "pPr")) item.pPr = clip.formats->append_copy(pPr);
      clip.items.push_back(item);
      continue;
    }
    if (p.kind == PieceKind::kInlineObject || p.kind == PieceKind::kFloatingObject) continue;
    std::string text(story.PieceText(i));
    if (p.kind == PieceKind::kText && (p.start < start_ || p.End() > end_)) {
      const size_t from = p.start < start_ ? Utf8OffsetOfUnits(text, start_ - p.start) : 0;
      const size_t to = p.End() > end_ ? Utf8OffsetOfUnits(text, end_ - p.start) : text.size();
      text = text.substr(from, to - from);
    }
    ClipItem item;
    item.text = std::move(text);
    if (pugi::xml_node rPr = Child(p.run, "rPr")) item.rPr = clip.formats->append_copy(rPr);
    clip.items.push_back(std::move(item));
  }
  if (clip.items.empty()) return Failed("the range holds nothing to copy");
  document_->Parent().SetClipboard(std::move(clip));
  return base::Ok();
}

base::Status Selection::Paste() {
  const std::optional<Clipboard>& clip = Document().Parent().ClipboardContent();
  if (!clip || clip->items.empty()) return Failed("the clipboard is empty");
  word::Document& document = Document();
  const StoryId storyId = range_.Story();
  const int32_t at = range_.Start();
  if (!range_.Collapsed()) {
    // Pasting replaces the selection: only text within one paragraph is taken out here.
    base::Status removed = DeleteText(document, storyId, range_.Start(), range_.End());
    if (!removed) return removed;
  }
  base::Result<Anchor> anchor = AnchorAt(document.StoryAt(storyId), at);
  if (!anchor) return anchor.error();
  pugi::xml_node paragraph = anchor->parent;
  while (paragraph && !IsElement(paragraph, "p")) paragraph = paragraph.parent();
  int32_t inserted = 0;
  for (const ClipItem& item : clip->items) {
    if (item.paragraphBreak) {
      InsertBreak(*anchor, paragraph, item);
      ++inserted;
    } else {
      inserted += InsertRun(*anchor, item);
    }
  }
  document.StoryChanged(storyId);
  range_.SetRange(at + inserted, at + inserted);
  return base::Ok();
}

}  // namespace word
