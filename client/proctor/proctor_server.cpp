// The proctor's server exchanges and settings (see proctor_server.h).
#include "client/proctor/proctor_server.h"

#include "client/grading/score_upload.h"
#include "client/server/server_protocol.h"

std::optional<std::vector<std::string>> ProctorServer::Exchange(const std::string& request) {
  ExamSession& s = c_.Session();
  const std::string answer = SendServerRequest(s.Settings(), s.ServerMode(), request);
  if (!IsServerReply(answer)) {
    c_.Show(answer);
    return std::nullopt;
  }
  return SplitReply(answer);
}

void ProctorServer::SetServer(const std::string& address, const std::string& port) {
  CIniFile& settings = c_.Session().Settings();
  if (!settings.Write("KIRV", "ServerIP", address) || !settings.Write("KIRV", "Port", port)) {
    c_.Show(std::string(proctor_text::SettingsNotWritten) + settings.GetPath());
    return;
  }
  c_.Show(std::string(proctor_text::ServerSet));
}

void ProctorServer::ChangeServerMode(int index) {
  CIniFile& settings = c_.Session().Settings();
  if (!settings.Write("KIRV", "Server", ServerModeValue(index)))
    c_.Show(std::string(proctor_text::SettingsNotWritten) + settings.GetPath());
}

void ProctorServer::TestServer() {
  if (Exchange(ServerTestRequest())) c_.Show(std::string(kServerTestPassed));
}

bool ProctorServer::ChangeCandidateState(const std::string& examCode, int state) {
  if (examCode.empty()) {
    c_.Show(std::string(proctor_text::NoExamCode));
    return false;
  }
  SendStateChange(examCode, state);
  return true;
}

void ProctorServer::SendStateChange(const std::string& examCode, int state) {
  const auto found = Exchange(CandidateLookupRequest(examCode));
  if (!found || ReplyField(*found, 1) != "03") return;
  if (ReplyField(*found, 2) != "01") {
    c_.Show(ReplyField(*found, 4));
    return;
  }
  const std::string question = "确实要将如下考生\n\n准考证号：" + examCode + "\n考生姓名：" +
                               ReplyField(*found, 4) + "\n考生性别：" + ReplyField(*found, 5) +
                               "\n\n设置为 " + StateChangeName(state) + " 吗？";
  if (!c_.AskYesNo(question)) return;
  const auto changed = Exchange(StateChangeRequest(examCode, state));
  if (!changed) return;
  if (ReplyField(*changed, 1) != "07")
    c_.Show(std::string(kBadStateReply));
  else if (ReplyField(*changed, 2) != "01" || ReplyField(*changed, 3) != examCode)
    c_.Show(ReplyField(*changed, 4));
  else
    c_.Show(std::string(kStateChanged));
}

bool ProctorServer::SendScore(const Selection& selection) {
  const auto code = c_.Selected(selection, proctor_text::NoScoreSelection);
  if (!code) return false;
  const base::Result<std::optional<CandidateRecord>> row = c_.Store().FindCandidate(*code);
  if (!row) {
    c_.Show(std::string(proctor_text::ScoreNotRead) + row.error().message);
    return false;
  }
  if (!*row || !(*row)->scoreOk) {
    c_.Show(std::string(proctor_text::NotGraded));
    return false;
  }
  if ((*row)->score.empty()) {
    c_.Show(std::string(proctor_text::NoScore));
    return false;
  }
  return UploadScore(
      c_.Session(), *code, (*row)->score, [this](const std::string& text) { c_.Show(text); },
      [](const std::vector<std::string>& reply) { return ReplyField(reply, 3); });
}

std::optional<std::vector<ProctorListRow>> ProctorServer::QueryRoom(int room, int session,
                                                                    int flag) {
  const auto reply = Exchange(RoomQueryRequest(room, session, flag));
  if (!reply) return std::nullopt;
  if (ReplyField(*reply, 2) != "01") {
    c_.Show(ReplyField(*reply, 3));
    return std::vector<ProctorListRow>();
  }
  return RoomListRows(room, session, ReplyField(*reply, 3));
}
