// The score upload (see score_upload.h).
#include "client/grading/score_upload.h"

#include "client/exam/exam_session.h"
#include "client/server/server_protocol.h"

bool UploadScore(ExamSession& session, const std::string& examCode, const std::string& encodedScore,
                 const std::function<void(const std::string& text)>& say,
                 const std::function<std::string(const std::vector<std::string>& reply)>& refusal) {
  const std::string answer = SendServerRequest(session.Settings(), session.ServerMode(),
                                               ScoreUploadRequest(examCode, encodedScore));
  if (!IsServerReply(answer)) {
    say(answer);
    return false;
  }
  const std::vector<std::string> fields = SplitReply(answer);
  if (ReplyField(fields, 1) != "05") {
    say(std::string(kBadScoreReply));
    return false;
  }
  if (ReplyField(fields, 2) != "01") {
    say(refusal(fields));
    return false;
  }
  say(std::string(kScoreSent));
  if (base::Status marked = session.Store().MarkScoreSent(examCode); !marked) {
    say(std::string(kSentNotMarked) + marked.error().message);
    return false;
  }
  return true;
}
