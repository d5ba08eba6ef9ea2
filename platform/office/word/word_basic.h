// The word processor's macro interface ("Word.Basic"): its commands and functions, called by
// name, over the active document of an application and that document's selection. A command
// moves or changes what it works on, a function answers about the selection. With no document
// open every command fails with the model's error and every function answers 0 (or "").
//
// The state it works on is the application's (active document, selection, clipboard), so any
// number of these over one application see the same document; its own is only whether the last
// EditFind found its text. What is pasted changes only the document in memory; nothing here
// writes a file.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/base/result.h"
#include "platform/office/word/application.h"
#include "platform/vb/variant.h"

namespace word {

class WordBasic {
 public:
  explicit WordBasic(Application& app) : app_(app) {}

  // StartOfDocument: an insertion point at the start of the story the selection is in.
  base::Status StartOfDocument();
  // EditFind(text) with the find dialog's settings as a fresh word processor has them: forward
  // from the selection's end, stopping at the story's end (no wrap), case not matched, whole
  // words not required, no wildcards, full-width and half-width forms told apart. Found: the
  // selection holds the occurrence; not found: the selection stays. A text Find refuses (an
  // unknown "^" code) fails.
  base::Status EditFind(std::string_view text);
  // EditFindFound(): -1 when the last EditFind found its text, else 0.
  int16_t EditFindFound() const { return lastFound_ ? -1 : 0; }

  // GetSelStartPos(), GetSelEndPos(): the selection's positions in its story, 32-bit.
  int32_t GetSelStartPos();
  int32_t GetSelEndPos();
  // SetSelRange(start, end): clamped to the selection's story.
  base::Status SetSelRange(int32_t start, int32_t end);

  // ViewHeader / ViewFooter: an insertion point at the start of the header (footer) shown on
  // the selection's page: the first page's when its section has a different first page and the
  // selection is on the section's first page, the even pages' when they differ and the page is
  // even, else the primary one (from a header or footer already shown: the first section's).
  // CloseViewHeaderFooter: an insertion point at the start of the main text; outside a header
  // or footer it fails (4605).
  base::Status ViewHeader() { return ViewHeaderFooter(false); }
  base::Status ViewFooter() { return ViewHeaderFooter(true); }
  base::Status CloseViewHeaderFooter();
  // ParaDown(count, select): to the start of the paragraph after the one holding the
  // selection's end, `count` times; from the story's last paragraph to its end. With select 1
  // the selection is extended there, otherwise it becomes an insertion point.
  base::Status ParaDown(int32_t count = 1, int32_t select = 0);

  // EditCopy / EditPaste: Selection.Copy / Paste of the model (changes stay in memory).
  base::Status EditCopy();
  base::Status EditPaste();

  // The formatting functions: 1 when all the selection has it, 0 when none, -1 when part
  // (paragraph alignment over the paragraphs it touches, underline single underline).
  int32_t LeftPara();
  int32_t CenterPara();
  int32_t RightPara();
  int32_t JustifyPara();
  int32_t DistributePara();
  int32_t Bold();
  int32_t Italic();
  int32_t Underline();
  // FontSize(): the selection's size in points, 0 when its sizes differ.
  double FontSize();

  // curvalues of a dialog's field for the selection, as macro_values.h shows it; no document,
  // an unknown dialog or field fail.
  base::Result<vb::Variant> CurValues(std::string_view dialog, std::string_view field);

 private:
  base::Status ViewHeaderFooter(bool footer);
  int32_t AlignmentState(int32_t alignment);

  Application& app_;
  bool lastFound_ = false;
};

}  // namespace word
