// The single-choice answer record (see single_choice_record.h).

#include "client/exam/single_choice_record.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "client/common/file_read.h"
#include "client/common/file_write.h"
#include "client/common/system_utils.h"
#include "platform/win/attributes.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace {

constexpr uint32_t kKeptAside = win::FILE_ATTRIBUTE_READONLY | win::FILE_ATTRIBUTE_HIDDEN;

}  // namespace

std::vector<std::string> SingleChoiceNames(std::string_view paperList) {
  std::vector<std::string> items;
  SplitString(std::string(paperList), "|", items);
  for (const std::string& item : items) {
    size_t dash = item.find('-');
    if (dash == std::string::npos || item.substr(0, dash) != "0") continue;
    std::vector<std::string> pieces, names;
    SplitString(item.substr(dash + 1), ",", pieces);
    for (const std::string& n : pieces)
      if (!n.empty()) names.push_back(n);
    return names;
  }
  return {};
}

base::Status SingleChoiceRecord::Open(const std::string& studentFolder, const std::string& code,
                                      const std::function<std::string()>& readPapers) {
  folder_ = studentFolder + "selkt";
  path_ = folder_ + "\\" + code + ".txt";
  names_.clear();
  answers_.clear();

  // Only a regular file of his folder is his record: a link, a FIFO or a device under its name
  // is replaced by a record made anew.
  base::Result<std::string> kept = win::ReadConfinedFile(
      win::ToHostPath(path_), win::ToHostPath(studentFolder), win::kTextFileCap);
  base::Status made = base::Ok();
  if (!kept && !win::ReadsAsMissing(kept.error())) {
    made = kept.error();  // one that cannot be read now is left as it is, never overwritten
  } else if (kept && !kept->empty()) {
    for (const std::string& line : SplitTextLines(*kept)) {
      if (line.empty()) continue;
      std::vector<std::string> parts;
      SplitString(line, ":", parts);
      names_.push_back(parts[0]);
      answers_.push_back(parts.size() > 1 ? parts[1] : "X");
    }
    (void)win::SetFileAttributes(path_, kKeptAside);
  } else {
    // A missing or empty record is made anew from the paper.
    for (const std::string& n : SingleChoiceNames(readPapers())) {
      names_.push_back(n);
      answers_.push_back("X");
    }
    made = Save();
  }

  current_ = 1;
  for (int i = 0; i < Count(); ++i) {
    if (answers_[i] == "X") {
      current_ = i + 1;
      break;
    }
  }
  return made;
}

std::string SingleChoiceRecord::QuestionFile(const std::string& programFolder, int n) const {
  return programFolder + "Data\\Paper\\Sel\\" + Name(n) + ".rtf";
}

int SingleChoiceRecord::AnswerIndex(int n) const {
  const std::string& a = Answer(n);
  if (a.size() == 1 && a[0] >= 'A' && a[0] <= 'D') return a[0] - 'A';
  return -1;
}

base::Status SingleChoiceRecord::SetAnswer(const std::string& letter, bool autoAdvance) {
  if (Count() == 0) return base::Error::Of("no question to answer");
  answers_[current_ - 1] = letter;
  base::Status saved = Save();
  if (autoAdvance) Next();
  return saved;
}

void SingleChoiceRecord::Prev() {
  Go(current_ - 1);
}
void SingleChoiceRecord::Next() {
  Go(current_ + 1);
}
void SingleChoiceRecord::Go(int n) {
  current_ = std::clamp(n, 1, std::max(Count(), 1));
}

base::Status SingleChoiceRecord::Save() {
  std::error_code ec;
  std::filesystem::create_directories(win::ToHostPath(folder_), ec);
  if (ec) return base::Error{"cannot create " + folder_ + ": " + ec.message(), ec.value()};
  std::string text;
  for (int i = 0; i < Count(); ++i) text += names_[i] + ":" + answers_[i] + "\n";
  return WriteFileAtomically(path_, text, kKeptAside);
}
