// The exchange with the exam server over one UDP socket per request.
#include "client/server/server_protocol.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "client/common/ini_file.h"
#include "client/common/system_utils.h"
#include "platform/net/datagram_socket.h"
#include "platform/win/codepage.h"

namespace {

// The reply buffer holds 10,240 bytes with its terminating zero.
constexpr size_t kReplyBytes = 10239;

// The dotted addresses a reply may come from: ServerIP itself when it is one, else what the name
// resolves to.
std::vector<std::string> ServerAddresses(const std::string& address) {
  in_addr parsed{};
  if (::inet_pton(AF_INET, address.c_str(), &parsed) == 1) return {address};
  std::vector<std::string> found;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* list = nullptr;
  if (::getaddrinfo(address.c_str(), nullptr, &hints, &list) != 0) return found;
  for (addrinfo* a = list; a; a = a->ai_next) {
    char text[INET_ADDRSTRLEN] = {};
    const auto* sin = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
    if (::inet_ntop(AF_INET, &sin->sin_addr, text, sizeof text)) found.push_back(text);
  }
  ::freeaddrinfo(list);
  return found;
}

}  // namespace

std::string SendServerRequest(CIniFile& settings, std::string_view serverMode,
                              std::string_view request) {
  const std::string address = settings.Read("KIRV", "ServerIP");
  if (address.empty() && (serverMode == "web" || serverMode == "app"))
    return std::string(kNoServerAddress);
  std::string port = settings.Read("KIRV", "Port");
  if (port.empty()) {
    if (serverMode == "web")
      port = settings_default::PortWeb;
    else if (serverMode == "app")
      port = settings_default::PortApp;
  }

  net::DatagramSocket socket;
  if (!socket.Create()) return std::string(kNoSocket);
  std::string timeoutText = settings.Read("KIRV", "Timeout");
  if (timeoutText.empty()) timeoutText = settings_default::Timeout;
  // The socket's time-out is an unsigned 32-bit count of milliseconds.
  const long long timeoutMs = std::clamp(std::atoll(timeoutText.c_str()), 0LL, 4294967295LL);

  // Without an address there is nobody to send to; the wait still runs to its time-out.
  const uint16_t serverPort = static_cast<uint16_t>(std::atoi(port.c_str()));
  const std::vector<std::string> server =
      address.empty() ? std::vector<std::string>() : ServerAddresses(address);
  // A send that fails ends like a datagram lost on the way: in the time-out text.
  if (!address.empty()) (void)socket.SendTo(win::Utf8ToGbk(request), address, serverPort);
  const auto sent = std::chrono::steady_clock::now();
  const auto deadline = sent + std::chrono::milliseconds(timeoutMs);

  // Datagrams from anywhere but the server asked, and those of another beginning, are dropped;
  // the time-out counts from the send whatever arrives, so a stream of foreign datagrams cannot
  // hold the client.
  for (;;) {
    const auto now = std::chrono::steady_clock::now();
    if (now > deadline) break;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
    const int wait = static_cast<int>(std::min<long long>(left.count(), 60000)) + 1;
    auto datagram = socket.ReceiveFrom(wait, kReplyBytes);
    if (!datagram || datagram->port != serverPort ||
        std::find(server.begin(), server.end(), datagram->host) == server.end())
      continue;
    std::string bytes = datagram->bytes.substr(0, datagram->bytes.find('\0'));
    if (bytes.compare(0, 4, "KIRV") == 0) return win::GbkToUtf8(bytes);
  }
  return std::string(kServerTimeout);
}

bool IsServerReply(std::string_view text) {
  return text.substr(0, 4) == "KIRV";
}

std::vector<std::string> SplitReply(std::string_view reply) {
  std::vector<std::string> fields;
  SplitString(std::string(reply), "-", fields);
  return fields;
}

std::string ReplyField(const std::vector<std::string>& fields, size_t index) {
  return index < fields.size() ? fields[index] : std::string();
}

std::string CandidateLookupRequest(std::string_view examCode) {
  return "KIRV-02-" + std::string(examCode);
}

std::string StateChangeRequest(std::string_view examCode, int state) {
  return "KIRV-06-" + std::string(examCode) + "-" + std::to_string(state);
}

std::string ScoreUploadRequest(std::string_view examCode, std::string_view score) {
  return "KIRV-04-" + std::string(examCode) + "-" + std::string(score);
}

std::string RoomQueryRequest(int room, int session, int flag) {
  char text[64];
  std::snprintf(text, sizeof text, "KIRV-12-%02d-%02d-%d", room, session, flag);
  return text;
}

std::string ServerTestRequest() {
  return "KIRV-14";
}

std::string StateName(int state) {
  switch (state) {
    case 0:
      return "未考";
    case 1:
      return "正常";
    case 10:
      return "旷考";
    case 100:
      return "违纪";
    default:
      return "多状态";
  }
}

std::string StateChangeName(int state) {
  switch (state) {
    case 1:
      return "正常";
    case 100:
      return "违纪";
    default:
      return "缺考";
  }
}

std::vector<RoomEntry> ParseRoomList(std::string_view list) {
  std::vector<std::string> values;
  size_t start = 0;
  for (;;) {
    size_t comma = list.find(',', start);
    values.emplace_back(
        list.substr(start, comma == std::string_view::npos ? list.npos : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  std::vector<RoomEntry> entries;
  for (size_t i = 0; i + 4 <= values.size(); i += 4)
    entries.push_back({values[i], values[i + 1], values[i + 2], values[i + 3]});
  return entries;
}
