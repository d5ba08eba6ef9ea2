// The exchange with the exam server: one request datagram out, one reply datagram back, text in
// GBK on the wire. Requests start with "KIRV-" and a two-digit kind; replies start with "KIRV"
// and carry fields joined by "-": [1] the reply kind, [2] the status ("01" success).
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Texts SendServerRequest returns instead of a reply.
inline constexpr std::string_view kNoServerAddress =
    "系统被配置为了网络认证方式，但并没有指定服务器的IP";
inline constexpr std::string_view kNoSocket = "无法创建网络套接字，因而无法进行网络认证";
inline constexpr std::string_view kServerTimeout = "连接服务器超时！请检查服务器配置或者重试！";

// Texts the callers show for the outcome of a reply.
inline constexpr std::string_view kBadScoreReply = "服务器返回不合理的成绩发送结果";
inline constexpr std::string_view kBadStateReply = "状态更新失败！请重试！";
inline constexpr std::string_view kStateChanged = "状态更新成功";
inline constexpr std::string_view kScoreSent = "成功发送数据到服务器!";
inline constexpr std::string_view kServerTestPassed = "与服务器通讯测试成功！网络参数配置正确";

class CIniFile;

// Sends the request to [KIRV] ServerIP:Port of `settings` and waits at most [KIRV] Timeout ms for
// a datagram from that address and port beginning "KIRV", dropping any other. `serverMode` is
// the session's (lower case).
// Returns the reply, or one of the three texts above.
std::string SendServerRequest(CIniFile& settings, std::string_view serverMode,
                              std::string_view request);

// True when a SendServerRequest result is a reply (begins with "KIRV").
bool IsServerReply(std::string_view text);

// The fields of a reply, split at "-".
std::vector<std::string> SplitReply(std::string_view reply);

// Field `index` of a split reply; "" past the last field.
std::string ReplyField(const std::vector<std::string>& fields, size_t index);

// The requests.
std::string CandidateLookupRequest(std::string_view examCode);                      // KIRV-02
std::string StateChangeRequest(std::string_view examCode, int state);               // KIRV-06
std::string ScoreUploadRequest(std::string_view examCode, std::string_view score);  // KIRV-04
// room and session 1-50 as two digits; flag 0 lists received scores, 1 those not received.
std::string RoomQueryRequest(int room, int session, int flag);  // KIRV-12
std::string ServerTestRequest();                                // KIRV-14

// The word for a candidate state: "未考" 0, "正常" 1, "旷考" 10, "违纪" 100, "多状态" otherwise.
std::string StateName(int state);

// The word the proctor's state-change question uses: "正常" 1, "违纪" 100, "缺考" for any other.
std::string StateChangeName(int state);

// One candidate of a room list.
struct RoomEntry {
  std::string examCode, name, state, seat;
};

// A room list ([3] of a RoomQuery reply) split at ","; every four values make one candidate,
// an incomplete last group is dropped.
std::vector<RoomEntry> ParseRoomList(std::string_view list);
