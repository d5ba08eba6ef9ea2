// The proctor's exchanges with the exam server and his server settings: the link test, the
// absent and violation marks (on the server only), the score upload of a graded candidate and
// the room query, and writing the server's address, port and mode to KIRV.ini. Every exchange
// goes through SendServerRequest with the address and port last written to the settings.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "client/proctor/proctor_context.h"
#include "client/proctor/proctor_list.h"

namespace proctor_text {
inline constexpr std::string_view ServerSet = "已重新设定服务器的IP和端口";
inline constexpr std::string_view SettingsNotWritten = "无法写入设置文件 ";
inline constexpr std::string_view NoExamCode = "请输入准考证号";
inline constexpr std::string_view NoScoreSelection = "请选中要发送分数的考生";
inline constexpr std::string_view NotGraded = "该考生还没有完成评分！";
inline constexpr std::string_view NoScore = "该考生没有成绩可以发送，没有评分？";
inline constexpr std::string_view ScoreNotRead = "读取考生成绩出错:";
}  // namespace proctor_text

// States the proctor sets on the server.
inline constexpr int kStateAbsent = 10;
inline constexpr int kStateViolation = 100;

class ProctorServer {
 public:
  explicit ProctorServer(ProctorContext& context) : c_(context) {}

  // OnSetServer: [KIRV] ServerIP and Port written; says so.
  void SetServer(const std::string& address, const std::string& port);
  // OnServerModeChange: [KIRV] Server written for the combo's index.
  void ChangeServerMode(int index);
  // OnTestServer: "KIRV-14"; any reply beginning "KIRV" passes.
  void TestServer();
  // ChangeCandidateState: the candidate looked up on the server, the proctor asked, the state
  // sent. The local database is not changed. False when there was no exam code (said so), for
  // the window to put the keyboard in the code's field; true whatever the server answered.
  bool ChangeCandidateState(const std::string& examCode, int state);
  // OnSendScore: the stored score of a graded candidate uploaded and, once the server has it,
  // the row marked sent. True when the row changed (the list is then reloaded).
  bool SendScore(const Selection& selection);
  // OnQueryRoom: the server's list of a room and session (flag 0 received scores, 1 not
  // received). Nullopt when the list stays as it was; otherwise its new rows (none after a
  // refusal, which was shown).
  std::optional<std::vector<ProctorListRow>> QueryRoom(int room, int session, int flag);

 private:
  // The candidate looked up, the proctor asked, the state sent.
  void SendStateChange(const std::string& examCode, int state);
  // The exchange; nullopt after showing the text when the answer is not a reply.
  std::optional<std::vector<std::string>> Exchange(const std::string& request);

  ProctorContext& c_;
};
