// Every desktop check: a plain function over the candidate folder and a rule's parameters that
// answers true (-1) or false (0). The keyword table (keywords.h) maps each rule keyword to one.
// Path parameters are relative to the candidate folder; names and patterns are joined to a
// folder with "\".
#pragma once

#include <string_view>

#include "grading/deskmark/checks/params.h"
#include "grading/deskmark/checks/primitives.h"
#include "grading/deskmark/state.h"

namespace deskmark {

struct CheckContext {
  std::string_view candidateFolder;  // Pathofstu, ending with "\"
  FolderCache& folders;
};

using Check = Truth (*)(CheckContext& context, const RuleParams& p);

// existence.cpp: existence and deletion by name.
Truth IsFldrExist(CheckContext& c, const RuleParams& p);  // folder p1 exists
Truth IsFileExist(CheckContext& c, const RuleParams& p);  // file p1 opens
Truth IsKjfsExist(CheckContext& c, const RuleParams& p);  // a shortcut p2..p4 in folder p1
Truth IsFileDel(CheckContext& c, const RuleParams& p);    // names p2..p4 gone from folder p1
Truth IsFldrDel(CheckContext& c, const RuleParams& p);    // folder p1 gone

// attribute_words.cpp: attribute words.
Truth FileSx(CheckContext& c, const RuleParams& p);  // file p1 carries every bit of p2
Truth FldrSx(CheckContext& c, const RuleParams& p);  // folder p1's word is exactly p2

// copy_move.cpp: copies, moves and renames by name and pattern.
Truth IsFileCopy(CheckContext& c, const RuleParams& p);
Truth IsFileMove(CheckContext& c, const RuleParams& p);
Truth IsFileMRename(CheckContext& c, const RuleParams& p);  // p1 gone, p2 there
Truth IsFileCRename(CheckContext& c, const RuleParams& p);  // p1 and p2 both there
Truth IsFldrMove(CheckContext& c, const RuleParams& p);     // folder p1 gone, p2 there
Truth IsFldrCopy(CheckContext& c, const RuleParams& p);     // folders p1 and p2 both there

// date_window.cpp: items picked by modification time (strictly between d1 and d2).
Truth DateLastModifiedFileMove(CheckContext& c, const RuleParams& p);
Truth DateLastModifiedFldrMove(CheckContext& c, const RuleParams& p);
Truth IsDaLaMoFileFldrMove(CheckContext& c, const RuleParams& p);
Truth IsDaLaMoFileCopy(CheckContext& c, const RuleParams& p);
Truth IsDaLaMoFldrCopy(CheckContext& c, const RuleParams& p);
Truth DataModifyFileAddribe(CheckContext& c, const RuleParams& p);
Truth IsDaLaMoFileDel(CheckContext& c, const RuleParams& p);
Truth IsDaLaMoFldrDel(CheckContext& c, const RuleParams& p);
Truth IsDaLaMoFileFldrDel(CheckContext& c, const RuleParams& p);

// size_window.cpp: files picked by size in KB (lo <= KB <= hi).
Truth IsFileLenCopy(CheckContext& c, const RuleParams& p);
Truth IsFileLenMove(CheckContext& c, const RuleParams& p);
Truth IsFileLenDel(CheckContext& c, const RuleParams& p);
Truth IsFileLenAddribe(CheckContext& c, const RuleParams& p);

}  // namespace deskmark
