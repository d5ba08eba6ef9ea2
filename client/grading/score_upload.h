// The upload of a candidate's stored score, which the grading dialog ("重新上传") and the proctor
// dialog ("发送分数") share: "KIRV-04-" + exam code + "-" + the scrambled score sent to the exam
// server, and sendok set in the exam database once the server has taken it, never before.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class ExamSession;

inline constexpr std::string_view kSentNotMarked = "更新记录状态出错:";

// Sends `encodedScore` as the score of `examCode` and marks the row sent on the server's
// acknowledgement. Each outcome is one text to `say`: an answer that is not a reply as it is,
// "服务器返回不合理的成绩发送结果" for a reply of another kind, `refusal` of the reply's fields
// when the server refused, and "成功发送数据到服务器!", followed by kSentNotMarked and the
// database's error when the mark could not be stored. True when the server took the score and
// the mark is stored.
bool UploadScore(ExamSession& session, const std::string& examCode, const std::string& encodedScore,
                 const std::function<void(const std::string& text)>& say,
                 const std::function<std::string(const std::vector<std::string>& reply)>& refusal);
