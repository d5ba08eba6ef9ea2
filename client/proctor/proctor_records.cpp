// The proctor's operations on one candidate (see proctor_records.h).
#include "client/proctor/proctor_records.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "client/common/system_utils.h"
#include "client/exam/login.h"
#include "client/exam/login_host.h"
#include "client/exam/paper_tabs.h"
#include "client/proctor/paper_unpack.h"
#include "platform/win/files.h"

bool ExtensionAccepted(int secondsLeft, long long minutes) {
  const long long after = secondsLeft + minutes * 60;
  return after > 0 && after < kMaxSecondsAfterExtension;
}

long long ParseMinutes(const std::string& text) {
  // Far beyond any sound extension either way, and kept from overflowing when made seconds.
  constexpr long long kBound = 1LL << 40;
  return std::clamp(std::strtoll(text.c_str(), nullptr, 10), -kBound, kBound);
}

std::optional<CandidateRecord> CandidateRecords::Record(const std::string& examCode,
                                                        std::string_view failure) {
  const base::Result<std::optional<CandidateRecord>> row = c_.Store().FindCandidate(examCode);
  if (!row) {
    c_.Show(std::string(failure) + "\n" + row.error().message);
    return std::nullopt;
  }
  if (!*row) {
    c_.Show(std::string(proctor_text::NotOnThisMachine) + examCode);
    return std::nullopt;
  }
  return **row;
}

bool CandidateRecords::Regrade(const Selection& selection) {
  const auto code = c_.Selected(selection, proctor_text::NoRegradeSelection);
  if (!code) return false;
  const auto folder = c_.StudentFolder(*code);
  if (!folder) return false;
  if (!regrader_) {
    c_.Show(std::string(proctor_text::NoRegrader));
    return false;
  }
  regrader_(*code, *folder);
  return true;
}

void CandidateRecords::ExtendTime(const Selection& selection) {
  const auto code = c_.Selected(selection, proctor_text::NoExtendSelection);
  if (!code) return;
  c_.Show(std::string(proctor_text::ExtendNotice));
  const std::optional<std::string> typed = c_.Ui().AskText(std::string(proctor_text::ExtendPrompt));
  if (!typed || typed->empty()) return;
  const auto before = Record(*code, proctor_text::ExtendFailed);
  if (!before) return;
  const long long minutes = ParseMinutes(*typed);
  if (!ExtensionAccepted(before->timeLeft, minutes)) {
    c_.Show(std::string(proctor_text::ExtendRefused));
    return;
  }
  if (base::Status s = c_.Store().ExtendTime(*code, static_cast<int>(minutes * 60)); !s) {
    c_.Show(std::string(proctor_text::ExtendFailed) + "\n" + s.error().message);
    return;
  }
  const auto after = Record(*code, proctor_text::ExtendFailed);
  if (!after) return;
  char text[128];
  std::snprintf(text, sizeof text, "延时完成，考生剩余考试时间为 %d 分钟", after->timeLeft / 60);
  c_.Show(text);
}

void CandidateRecords::ReleasePaper(const Selection& selection) {
  const auto code = c_.Selected(selection, proctor_text::NoReleaseSelection);
  if (!code) return;
  c_.Show(std::string(proctor_text::ReleaseNotice));
  if (!c_.AskYesNo("确实要重新释放考生 " + *code + " 的试题吗？")) return;
  const auto folder = c_.StudentFolder(*code);
  if (!folder) return;
  SystemLoginHost host;
  const bool folderWasThere = win::IsFolder(*folder);
  if (base::Status made = host.MakeDirPath(*folder); !made) {
    c_.Show(std::string(login_text::NoFolder) + *folder + "\n" + made.error().message);
    return;
  }
  const auto row = Record(*code, login_text::ReadFailed);
  if (!row) return;
  if (row->papers.empty()) {
    c_.Show(std::string(proctor_text::NoPapers));
    return;
  }
  std::vector<DrawEntry> entries;
  for (const PaperTab& tab : PaperTabs(row->papers)) {
    const std::optional<int> paperId = ParseId(tab.paperId);
    if (tab.moduleId == "0" || !paperId) continue;
    const base::Result<std::optional<PaperRow>> paper = c_.Store().FindPaper(*paperId);
    if (!paper) {
      c_.Show(std::string(login_text::ReadFailed) + paper.error().message);
      return;
    }
    if (*paper) entries.push_back({tab.moduleId, tab.paperId, (*paper)->attFile});
  }
  if (base::Status unpacked = UnpackPaperArchives(
          c_.Session().ProgramFolder(), UniqueArchives(entries), *folder, host.Timestamp());
      !unpacked) {
    if (!folderWasThere) host.RemoveFolder(*folder);
    c_.Show(std::string(proctor_text::ReleaseFailed) + "\n" + unpacked.error().message);
    return;
  }
  c_.Show(std::string(proctor_text::Released));
}

bool CandidateRecords::Retake(const Selection& selection) {
  const auto code = c_.Selected(selection, proctor_text::NoRetakeSelection);
  if (!code) return false;
  c_.Show(std::string(proctor_text::RetakeNotice));
  if (!c_.AskOkCancel("你确定要对考号为 " + *code + " 的考生设定重考吗？")) return false;
  if (base::Status s = c_.Store().ResetState(*code); !s) {
    c_.Show(std::string(proctor_text::RetakeFailed) + s.error().message);
    return false;
  }
  c_.Show(std::string(proctor_text::RetakeSet));
  return true;
}
