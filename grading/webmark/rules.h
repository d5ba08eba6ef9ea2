// The web-page answer workbook: "Sheet1" read row by row into rules ("O" rows and their "A"
// rows), score items ("L"), the title and full marks ("T") and the page file ("F"), up to the
// "E" row; and the look-up of a rule by its id.
#pragma once

#include <cstdint>
#include <string_view>

#include "grading/webmark/state.h"
#include "platform/base/result.h"

namespace webmark {

enum class BookRead { Read, NotOpened };

// Reads the workbook at the Windows-form path into Rules, ScoreItems, PaperTitle, FullMarks and
// PageFile (Rules and ScoreItems are emptied first). NotOpened when no workbook opens there. A
// blank row type logs its message and reading goes on; a workbook without "E" ends at its last
// used row with one more such message. A row that breaks the rule model (a field that is no
// number or out of its range, an "A" row before any "O" row, no "Sheet1") is an error naming its
// row and column; the records read before it stay.
base::Result<BookRead> ReadAnswerWorkbook(WebState& state, std::string_view path);

// The 1-based index of the first rule with this id; 0 when there is none.
int16_t FindRuleIndex(const WebState& state, int32_t id);

// "答案文件没有正常结束标志！"
inline constexpr std::string_view kNoEndMark = "答案文件没有正常结束标志！";

}  // namespace webmark
