// The proctor's operations on one candidate of this machine: grading him again, extending his
// time, releasing his paper again and letting him take the exam anew. Each starts from the
// list's selection and ends with one message; none changes the run's own candidate.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "client/proctor/proctor_context.h"

// Grades a candidate again (the grading dialog, modal) from his exam code and folder.
using Regrader = std::function<void(const std::string& examCode, const std::string& studentFolder)>;

namespace proctor_text {
inline constexpr std::string_view NoRegradeSelection = "请选中要评分的考生";
inline constexpr std::string_view NoRegrader = "评分功能不可用";
inline constexpr std::string_view NoExtendSelection = "请选中要延长考试时间的考生";
inline constexpr std::string_view ExtendNotice =
    "注意：除非在确切的受影响的情况下，不要随意给考生延长考试时间\n"
    "对于耽误较长时间的考生，应该安排到下一场或者备份机进行考试。";
inline constexpr std::string_view ExtendPrompt =
    "在确保不影响下一场考试前提下\n请输入要延时的时间(单位：分钟)";
inline constexpr std::string_view ExtendFailed = "设定延时时间出错";
inline constexpr std::string_view ExtendRefused = "延时时间不合理，拒绝！";
inline constexpr std::string_view NotOnThisMachine = "本机考生库中没有该考生：";
inline constexpr std::string_view NoReleaseSelection = "请选中要释放试题的考生";
inline constexpr std::string_view ReleaseNotice =
    "注意：\n重新释放考题仅适用于因为某些原因试题被删除无法恢复的情况\n"
    "重新释放不会覆盖已经存在和操作过的文档，如果这些文档需要被覆盖请先手工删除。";
inline constexpr std::string_view NoPapers = "该考生没有选择试题";
inline constexpr std::string_view Released = "考试试题重新释放完毕！";
inline constexpr std::string_view ReleaseFailed = "考试试题重新释放失败，考生目录未作改动：";
inline constexpr std::string_view NoRetakeSelection = "请选中要重新考试的考生";
inline constexpr std::string_view RetakeNotice =
    "注意：\n重考需要考务组同意后才能进行，监考教师无权私自执行此操作\n"
    "重考将会重新抽取试题，重新计算考试时间，请注意不要影响下场考试\n"
    "开设设定之前请关闭所有打开的相关文档窗口";
inline constexpr std::string_view RetakeFailed = "发生错误：";
inline constexpr std::string_view RetakeSet = "重考设定完成，请返回登录界面重新登录";
}  // namespace proctor_text

// The longest time a candidate may have left after an extension: below 100 minutes.
inline constexpr int kMaxSecondsAfterExtension = 6000;

// Whether an extension of `minutes` leaves a candidate with `secondsLeft` a sound time: some
// time, and less than kMaxSecondsAfterExtension.
bool ExtensionAccepted(int secondsLeft, long long minutes);

// The minutes typed: a leading decimal integer with an optional sign, 0 for anything else; a
// number too large either way is cut to a bound that is refused whatever the time left.
long long ParseMinutes(const std::string& text);

class CandidateRecords {
 public:
  CandidateRecords(ProctorContext& context, Regrader regrader)
      : c_(context), regrader_(std::move(regrader)) {}

  // OnRegrade: the grading dialog for the candidate. True when it ran (the list is reloaded).
  bool Regrade(const Selection& selection);
  // OnExtendTime: minutes asked and added to the time left, within bounds.
  void ExtendTime(const Selection& selection);
  // OnReleasePaper: the candidate's paper archives unpacked again into his folder, keeping
  // every file that is there. All archives reach the folder or none: an archive 7-Zip cannot
  // unpack is named and the folder left as it was (not there, when it was not).
  void ReleasePaper(const Selection& selection);
  // OnRetake: State 0, so that the next login draws a new paper. True when the row changed.
  bool Retake(const Selection& selection);

 private:
  // The candidate's row; nullopt after saying why when it cannot be read or is not there.
  std::optional<CandidateRecord> Record(const std::string& examCode, std::string_view failure);

  ProctorContext& c_;
  Regrader regrader_;
};
