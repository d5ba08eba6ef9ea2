// The single-choice answer record (see single_choice_record.h).

#include "client/single_choice_record.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "client/system_utils.h"
#include "platform/win/attributes.h"
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

void SingleChoiceRecord::Open(const std::string& studentFolder, const std::string& code,
                              const std::function<std::string()>& readPapers) {
  folder_ = studentFolder + "selkt";
  path_ = folder_ + "\\" + code + ".txt";
  names_.clear();
  answers_.clear();

  std::filesystem::path host = win::ToHostPath(path_);
  std::error_code ec;
  if (std::filesystem::exists(host, ec)) {
    if (std::filesystem::file_size(host, ec) == 0 && !ec) {
      win::SetFileAttributes(path_, win::FILE_ATTRIBUTE_NORMAL);
      std::filesystem::remove(host, ec);
    } else {
      std::ifstream in(host, std::ios::binary);
      std::string line;
      while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::vector<std::string> parts;
        SplitString(line, ":", parts);
        names_.push_back(parts[0]);
        answers_.push_back(parts.size() > 1 ? parts[1] : "X");
      }
    }
  }
  if (!std::filesystem::exists(host, ec)) {
    for (const std::string& n : SingleChoiceNames(readPapers())) {
      names_.push_back(n);
      answers_.push_back("X");
    }
    Save();
  }
  win::SetFileAttributes(path_, kKeptAside);

  current_ = 1;
  for (int i = 0; i < Count(); ++i) {
    if (answers_[i] == "X") {
      current_ = i + 1;
      break;
    }
  }
}

std::string SingleChoiceRecord::QuestionFile(const std::string& programFolder, int n) const {
  return programFolder + "Data\\Paper\\Sel\\" + Name(n) + ".rtf";
}

int SingleChoiceRecord::AnswerIndex(int n) const {
  const std::string& a = Answer(n);
  if (a.size() == 1 && a[0] >= 'A' && a[0] <= 'D') return a[0] - 'A';
  return -1;
}

bool SingleChoiceRecord::SetAnswer(const std::string& letter, bool autoAdvance) {
  if (Count() == 0) return false;
  answers_[current_ - 1] = letter;
  bool saved = Save();
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

bool SingleChoiceRecord::Save() {
  uint32_t attributes = win::GetFileAttributes(path_);
  if (attributes != win::INVALID_FILE_ATTRIBUTES)
    win::SetFileAttributes(path_, attributes & ~kKeptAside);
  std::error_code ec;
  std::filesystem::create_directories(win::ToHostPath(folder_), ec);
  std::string text;
  for (int i = 0; i < Count(); ++i) text += names_[i] + ":" + answers_[i] + "\n";
  bool ok;
  {
    std::ofstream out(win::ToHostPath(path_), std::ios::binary | std::ios::trunc);
    out << text;
    ok = static_cast<bool>(out);
  }
  win::SetFileAttributes(path_, kKeptAside);
  return ok;
}
