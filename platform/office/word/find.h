// The Find object: search settings and Execute, which moves its target (the selection, or a
// range) to the next occurrence of the text. It searches the shown text of the target's story
// (fields by their results, paragraph marks as "^p"), so what it finds is what the word
// processor shows.
//
// From where: a selection is searched after its end (the next occurrence after what it holds,
// so Execute after Execute steps through the occurrences); a range within itself first. At the
// story's end (its start, searching backward) Wrap decides: wdFindStop ends the search,
// wdFindContinue (and wdFindAsk, which has nobody to ask) goes on from the other end up to where
// it started. When nothing is found the target stays where it was and Found is false.
//
// Special characters in the text: ^p paragraph mark, ^t tab, ^l manual line break, ^m manual
// page or section break, ^s non-breaking space, ^~ non-breaking hyphen, ^- optional hyphen,
// ^? any character, ^# any digit, ^$ any letter, ^^ a caret. Any other ^ code is refused (an
// error from Execute). Wildcards are not modelled: MatchWildcards makes Execute fail.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/word/constants.h"
#include "platform/office/word/range.h"

namespace word {

struct FindReplacement {
  std::string text;
  void ClearFormatting() {}
};

class Find {
 public:
  // A Find that moves `target`; `selection` says whether it is a selection's (searched after
  // it) or a range's (searched within it). `target` must outlive the Find.
  Find(Range& target, bool selection) : target_(&target), selection_(selection) {}

  std::string text;
  bool forward = true;
  int32_t wrap = wdFindStop;  // WdFindWrap
  bool matchCase = false;
  bool matchWholeWord = false;
  bool matchWildcards = false;
  bool matchSoundsLike = false;
  bool matchAllWordForms = false;
  // True: full-width and half-width forms differ (the Chinese word processor's default).
  bool matchByte = true;
  bool format = false;
  FindReplacement replacement;

  // Clears the formatting searched for; this model searches text only, so there is none.
  void ClearFormatting() { format = false; }
  // Searches with the settings above; true when found (the target then holds the occurrence).
  base::Result<bool> Execute();
  // Whether the last Execute found something.
  bool Found() const { return found_; }

 private:
  Range* target_;
  bool selection_;
  bool found_ = false;
};

// The first occurrence of `pattern` (a Find text) in [from, to) of the story's shown text,
// with the given settings; -1 start when there is none. Positions are the story's.
struct FoundText {
  int32_t start = -1;
  int32_t end = -1;
};
base::Result<FoundText> FindInStory(const Story& story, const Find& settings, int32_t from,
                                    int32_t to, bool forward);

}  // namespace word
