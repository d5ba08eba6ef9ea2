// The result log and its sorter.
#include "grading/webmark/result_log.h"

#include <algorithm>
#include <vector>

#include "platform/vb/strings.h"
#include "platform/win/attributes.h"
#include "platform/win/codepage.h"
#include "platform/win/confined_file.h"
#include "platform/win/files.h"
#include "platform/win/paths.h"

namespace webmark {
namespace {

constexpr std::string_view kCrLf = "\r\n";

// The leading number of the line after its first character; 0 when there is none.
double SortKey(std::string_view line) {
  if (line.empty()) return 0;
  size_t first = 0;
  vb::DecodeUtf8(line, 0, first);
  base::Result<double> key = vb::Val(line.substr(first));
  return key ? *key : 0;
}

}  // namespace

void AppendLog(WebState& state, std::string_view text) {
  if (vb::TextEquals(text, "BEGIN")) state.LogText.clear();
  if (!vb::TextEquals(text, "END") || !state.DebugMode) {
    state.LogText.append(text);
    state.LogText.append(kCrLf);
    return;
  }
  Resort(state.LogText);
  // A log that cannot be written costs the record, never the grading; none goes into a check
  // folder that leads out of the candidate folder.
  const base::Result<win::ConfinedFolder> folder =
      win::ConfinedFolder::OfCheckFolder(win::ToHostPath(state.CheckPath));
  if (!folder) return;
  (void)win::WriteFileAtomically(state.CheckPath + std::string(kDebugFileName),
                                 win::Utf8ToGbk(state.LogText + std::string(kCrLf)),
                                 win::FILE_ATTRIBUTE_NORMAL, &*folder);
}

void Resort(std::string& r) {
  std::vector<std::string_view> lines;
  for (size_t at = 0;;) {
    const size_t end = r.find(kCrLf, at);
    lines.push_back(std::string_view(r).substr(at, end == std::string::npos ? end : end - at));
    if (end == std::string::npos) break;
    at = end + kCrLf.size();
  }
  auto separator = [](std::string_view line) { return line.starts_with("=="); };
  const auto first = std::find_if(lines.begin(), lines.end(), separator);
  const auto last = std::find_if(lines.rbegin(), lines.rend(), separator);
  if (first == lines.end() || first >= last.base() - 1) return;
  std::vector<std::pair<double, std::string_view>> keyed;
  for (auto it = first + 1; it != last.base() - 1; ++it) keyed.emplace_back(SortKey(*it), *it);
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string sorted;
  sorted.reserve(r.size());
  for (auto it = lines.begin(); it != lines.end(); ++it) {
    if (it != lines.begin()) sorted.append(kCrLf);
    if (it > first && it < last.base() - 1) {
      sorted.append(keyed[static_cast<size_t>(it - first - 1)].second);
    } else {
      sorted.append(*it);
    }
  }
  r = std::move(sorted);
}

}  // namespace webmark
