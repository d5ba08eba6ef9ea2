// SendServerRequest against a fake exam server on loopback, and the request and reply helpers.
#include "client/server/server_protocol.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "client/common/ini_file.h"
#include "client/testing/fake_exam_server.h"
#include "client/testing/temp_folder.h"
#include "platform/net/datagram_socket.h"
#include "platform/win/codepage.h"

namespace {

class ServerProtocolTest : public ::testing::Test {
 protected:
  void Settings(const std::string& lines, const std::string& mode = "app") {
    std::ofstream(tmp_.Path() / "KIRV.ini") << "[KIRV]\r\n" << lines;
    settings_.SetPath(tmp_.Windows("KIRV.ini"));
    mode_ = mode;
  }
  std::string Send(std::string_view request) {
    return SendServerRequest(settings_, mode_, request);
  }
  TempFolder tmp_;
  CIniFile settings_;
  std::string mode_;
};

TEST_F(ServerProtocolTest, ForeignDatagramIsDroppedAndTheReplyReturned) {
  FakeExamServer server(ServerAnswer{{"XYZ-nothing", "KIRV-03-01-0101-张三-男"}});
  Settings("ServerIP=127.0.0.1\r\nPort=" + std::to_string(server.Port()) + "\r\nTimeout=3000\r\n");
  EXPECT_EQ(Send(CandidateLookupRequest("0101")), "KIRV-03-01-0101-张三-男");
  EXPECT_EQ(server.Received(), std::vector<std::string>{"KIRV-02-0101"});
}

// A reply-shaped datagram from another port or another address than the server asked is
// dropped like a foreign one; the server's own reply is returned.
TEST_F(ServerProtocolTest, RepliesComeFromTheServerAsked) {
  struct Case {
    const char* what;
    const char* host;
    bool samePort;
  } cases[] = {{"another port", "127.0.0.1", false}, {"another address", "127.0.0.2", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeExamServer server(ServerAnswer{
        {"KIRV-03-01-0101-张三-男"}, 0, {"KIRV-03-01-0101-冒名-女"}, c.host, c.samePort});
    Settings("ServerIP=127.0.0.1\r\nPort=" + std::to_string(server.Port()) +
             "\r\nTimeout=3000\r\n");
    EXPECT_EQ(Send(CandidateLookupRequest("0101")), "KIRV-03-01-0101-张三-男");
  }
}

TEST_F(ServerProtocolTest, BareKirvReplyCountsAsAReply) {
  FakeExamServer server({"KIRV"});
  Settings("ServerIP=127.0.0.1\r\nPort=" + std::to_string(server.Port()) + "\r\n");
  std::string reply = Send(ServerTestRequest());
  EXPECT_EQ(reply, "KIRV");
  EXPECT_TRUE(IsServerReply(reply));
  auto fields = SplitReply(reply);
  EXPECT_EQ(ReplyField(fields, 0), "KIRV");
  EXPECT_EQ(ReplyField(fields, 1), "");
  EXPECT_EQ(ReplyField(fields, 4), "");
}

TEST_F(ServerProtocolTest, NoReplyGivesTheTimeOutText) {
  struct Case {
    std::string timeout;
    int atLeastMs, atMostMs;
  } cases[] = {{"150", 150, 2000}, {"0", 0, 1000}, {"-5", 0, 1000}};
  for (const auto& c : cases) {
    FakeExamServer server({"XYZ"});  // answers, but never with a reply
    Settings("ServerIP=127.0.0.1\r\nPort=" + std::to_string(server.Port()) +
             "\r\nTimeout=" + c.timeout + "\r\n");
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Send(ServerTestRequest()), kServerTimeout);
    auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
                    std::chrono::steady_clock::now() - start)
                    .count();
    EXPECT_GE(took, c.atLeastMs) << c.timeout;
    EXPECT_LE(took, c.atMostMs) << c.timeout;
  }
}

TEST_F(ServerProtocolTest, StreamOfForeignDatagramsDoesNotHoldTheClient) {
  FakeExamServer server(ServerAnswer{{"XYZ", "kirv-lower"}, 800});
  Settings("ServerIP=127.0.0.1\r\nPort=" + std::to_string(server.Port()) + "\r\nTimeout=100\r\n");
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Send(ServerTestRequest()), kServerTimeout);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(600));
}

TEST_F(ServerProtocolTest, ServerAddressRequiredInNetworkModes) {
  for (const char* mode : {"app", "web"}) {
    Settings("Port=1\r\n", mode);
    EXPECT_EQ(Send(ServerTestRequest()), kNoServerAddress) << mode;
  }
  // Other modes still try, and end in the time-out.
  Settings("Timeout=50\r\n", "local");
  EXPECT_EQ(Send(ServerTestRequest()), kServerTimeout);
}

TEST_F(ServerProtocolTest, PortDefaultsPerMode) {
  // Only a server on the default port answers; the request reaches it when the default applies.
  struct Case {
    const char* mode;
    uint16_t port;
  } cases[] = {{"app", 8888}, {"web", 80}};
  for (const auto& c : cases) {
    net::DatagramSocket listener;
    if (!listener.Create(c.port, "127.0.0.1")) {
      GTEST_LOG_(INFO) << "port " << c.port << " not available here; case skipped";
      continue;
    }
    Settings("ServerIP=127.0.0.1\r\nTimeout=100\r\n", c.mode);
    EXPECT_EQ(Send("KIRV-14"), kServerTimeout);
    auto got = listener.ReceiveFrom(500);
    ASSERT_TRUE(got.has_value()) << c.mode;
    EXPECT_EQ(got->bytes, "KIRV-14");
  }
}

TEST(ServerRequests, BuildersAndNames) {
  EXPECT_EQ(CandidateLookupRequest("0101"), "KIRV-02-0101");
  EXPECT_EQ(StateChangeRequest("0101", 100), "KIRV-06-0101-100");
  EXPECT_EQ(ScoreUploadRequest("0101", "a|b"), "KIRV-04-0101-a|b");
  EXPECT_EQ(RoomQueryRequest(3, 12, 1), "KIRV-12-03-12-1");
  EXPECT_EQ(ServerTestRequest(), "KIRV-14");
  struct Case {
    int state;
    const char* name;
  } cases[] = {{0, "未考"},   {1, "正常"},   {10, "旷考"},
               {100, "违纪"}, {7, "多状态"}, {-1, "多状态"}};
  for (const auto& c : cases) EXPECT_EQ(StateName(c.state), c.name);
}

// The proctor's confirmation names every state but normal and violation "缺考".
TEST(ServerRequests, StateChangeNames) {
  struct Case {
    int state;
    const char* name;
  } cases[] = {{1, "正常"}, {100, "违纪"}, {10, "缺考"}, {0, "缺考"}, {7, "缺考"}, {-1, "缺考"}};
  for (const auto& c : cases) EXPECT_EQ(StateChangeName(c.state), c.name) << c.state;
}

TEST(ServerReplies, FieldsAndRoomLists) {
  auto fields = SplitReply(" KIRV-07-01--msg \r\n");
  ASSERT_EQ(fields.size(), 5u);
  EXPECT_EQ(ReplyField(fields, 3), "");
  EXPECT_EQ(ReplyField(fields, 4), "msg");
  EXPECT_EQ(ReplyField(fields, 99), "");
  EXPECT_EQ(SplitReply(""), std::vector<std::string>{""});

  auto room = ParseRoomList("01,Ann,1,01,02,Bob,10,02,03,Cy");
  ASSERT_EQ(room.size(), 2u);
  EXPECT_EQ(room[1].examCode, "02");
  EXPECT_EQ(room[1].state, "10");
  EXPECT_EQ(room[1].seat, "02");
  EXPECT_TRUE(ParseRoomList("").empty());
}

}  // namespace
