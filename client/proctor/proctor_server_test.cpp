// The proctor's exchanges with a fake exam server on loopback: the state change (the lookup, the
// question, the change and every way its replies can go wrong), the score upload of a graded
// candidate, the room query, the link test and the server settings.
#include "client/proctor/proctor_server.h"

#include <gtest/gtest.h>

#include "client/server/server_protocol.h"
#include "client/testing/fake_exam_server.h"
#include "client/testing/proctor_machine.h"

namespace {

const std::string kQuestion =
    "确实要将如下考生\n\n准考证号：0101\n考生姓名：张三\n考生性别：男\n\n设置为 缺考 吗？";

TEST(ProctorServer, StateChange) {
  struct Case {
    const char* what;
    std::vector<std::string> replies;
    std::deque<int> buttons;
    std::vector<std::string> requests;
    std::vector<std::string> shown;
  } cases[] = {
      {"changed",
       {"KIRV-03-01-0101-张三-男", "KIRV-07-01-0101-ok"},
       {},
       {"KIRV-02-0101", "KIRV-06-0101-10"},
       {kQuestion, "状态更新成功"}},
      {"the change echoes another code",
       {"KIRV-03-01-0101-张三-男", "KIRV-07-01-0102-已登记为其他考生"},
       {},
       {"KIRV-02-0101", "KIRV-06-0101-10"},
       {kQuestion, "已登记为其他考生"}},
      {"the change answered with another kind",
       {"KIRV-03-01-0101-张三-男", "KIRV-09-01-0101-ok"},
       {},
       {"KIRV-02-0101", "KIRV-06-0101-10"},
       {kQuestion, "状态更新失败！请重试！"}},
      {"the change refused",
       {"KIRV-03-01-0101-张三-男", "KIRV-07-02-0101-考试已结束"},
       {},
       {"KIRV-02-0101", "KIRV-06-0101-10"},
       {kQuestion, "考试已结束"}},
      {"the lookup answered with another kind: silence",
       {"KIRV-05-01-0101-张三-男"},
       {},
       {"KIRV-02-0101"},
       {}},
      {"no such candidate", {"KIRV-03-02-0101-查无此考生"}, {}, {"KIRV-02-0101"}, {"查无此考生"}},
      {"the proctor says no",
       {"KIRV-03-01-0101-张三-男"},
       {win::IDNO},
       {"KIRV-02-0101"},
       {kQuestion}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeExamServer server(c.replies);
    ProctorMachine m(server.Settings());
    m.Sql("insert into [Stu](examcode, State) values ('0101', 1)");
    m.ui.buttons = c.buttons;
    ProctorServer(m.context).ChangeCandidateState("0101", kStateAbsent);
    EXPECT_EQ(server.Received(), c.requests);
    EXPECT_EQ(m.ui.Shown(), c.shown);
    // The server's record only: the local row keeps its state.
    EXPECT_EQ(m.Row("0101")->state, 1);
  }
}

// A server that answers only with datagrams not beginning "KIRV": the exchange ends in its
// time-out text, shown as it is, and nothing further is sent.
TEST(ProctorServer, AnswerThatIsNotAReplyIsShownAsItIs) {
  net::DatagramSocket server;
  ASSERT_TRUE(server.Create(0, "127.0.0.1"));
  ProctorMachine m("ServerIP=127.0.0.1\r\nPort=" + std::to_string(server.LocalPort()) +
                   "\r\nTimeout=200\r\n");
  std::thread answer([&] {
    auto request = server.ReceiveFrom(3000);
    if (request) (void)server.SendTo("XYZ-03-01", request->host, request->port);
  });
  ProctorServer(m.context).ChangeCandidateState("0101", kStateViolation);
  answer.join();
  EXPECT_EQ(m.ui.Shown(), std::vector<std::string>{std::string(kServerTimeout)});
  EXPECT_FALSE(server.ReceiveFrom(0));
}

TEST(ProctorServer, StateChangeNeedsACode) {
  ProctorMachine m;
  EXPECT_FALSE(ProctorServer(m.context).ChangeCandidateState("", kStateAbsent));
  EXPECT_EQ(m.ui.Shown(), std::vector<std::string>{"请输入准考证号"});
}

TEST(ProctorServer, ScoreUpload) {
  struct Case {
    const char* what;
    const char* row;  // scoreok, score of candidate 0101
    std::vector<std::string> replies;
    bool failWrites;
    std::vector<std::string> shown;
    bool sent;
  } cases[] = {
      {"sent", "-1, 'ABCD'", {"KIRV-05-01"}, false, {"成功发送数据到服务器!"}, true},
      {"not graded", "0, 'ABCD'", {}, false, {"该考生还没有完成评分！"}, false},
      {"graded without a score",
       "-1, ''",
       {},
       false,
       {"该考生没有成绩可以发送，没有评分？"},
       false},
      {"reply of another kind",
       "-1, 'ABCD'",
       {"KIRV-07-01"},
       false,
       {"服务器返回不合理的成绩发送结果"},
       false},
      {"refused", "-1, 'ABCD'", {"KIRV-05-02-成绩格式错误"}, false, {"成绩格式错误"}, false},
      {"sent, the mark not stored",
       "-1, 'ABCD'",
       {"KIRV-05-01"},
       true,
       {"成功发送数据到服务器!", "更新记录状态出错:Description: database is locked"},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeExamServer server(c.replies);
    ProctorMachine m(server.Settings());
    m.Sql(std::string("insert into [Stu](examcode, State, scoreok, Score) values ('0101', 1, ") +
          c.row + ")");
    if (c.failWrites) m.FailWrites();
    EXPECT_EQ(ProctorServer(m.context).SendScore(std::string("0101")), c.sent);
    ASSERT_GE(m.ui.Shown().size(), c.shown.size());
    for (size_t i = 0; i < c.shown.size(); ++i)
      EXPECT_EQ(m.ui.Shown()[i].substr(0, c.shown[i].size()), c.shown[i]);
    EXPECT_EQ(m.ui.Shown().size(), c.shown.size());
    EXPECT_EQ(m.Row("0101")->sendOk, c.sent);
    if (!c.replies.empty()) {
      EXPECT_EQ(server.Received(), std::vector<std::string>{"KIRV-04-0101-ABCD"});
    }
  }
  ProctorMachine m;
  EXPECT_FALSE(ProctorServer(m.context).SendScore(std::nullopt));
  EXPECT_EQ(m.ui.Shown(), std::vector<std::string>{"请选中要发送分数的考生"});
}

TEST(ProctorServer, RoomQuery) {
  const ProctorListRow zhang = {"03", "12", "01", "26012030101", "张三", "正常", "", ""};
  const ProctorListRow li = {"03", "12", "02", "26012030102", "李四", "旷考", "", ""};
  struct Case {
    const char* what;
    std::string reply;
    std::optional<std::vector<ProctorListRow>> rows;
    std::vector<std::string> shown;
  } cases[] = {
      {"eight items",
       "KIRV-13-01-26012030101,张三,1,01,26012030102,李四,10,02",
       std::vector<ProctorListRow>{zhang, li},
       {}},
      {"empty list", "KIRV-13-01-", std::vector<ProctorListRow>{}, {}},
      {"six items: the incomplete group is left out",
       "KIRV-13-01-26012030101,张三,1,01,26012030102,李四",
       std::vector<ProctorListRow>{zhang},
       {}},
      {"refused: the list is emptied",
       "KIRV-13-02-没有该考场",
       std::vector<ProctorListRow>{},
       {"没有该考场"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeExamServer server({c.reply});
    ProctorMachine m(server.Settings());
    EXPECT_EQ(ProctorServer(m.context).QueryRoom(3, 12, 1), c.rows);
    EXPECT_EQ(server.Received(), std::vector<std::string>{"KIRV-12-03-12-1"});
    EXPECT_EQ(m.ui.Shown(), c.shown);
  }
  // No reply: the list stays as it was.
  ProctorMachine m("ServerIP=127.0.0.1\r\nPort=9\r\nTimeout=50\r\n");
  EXPECT_EQ(ProctorServer(m.context).QueryRoom(1, 1, 0), std::nullopt);
  EXPECT_EQ(m.ui.Shown(), std::vector<std::string>{std::string(kServerTimeout)});
}

// The link test uses the address last written to the settings: typing it is not enough.
TEST(ProctorServer, LinkTestUsesTheWrittenSettings) {
  FakeExamServer server({"KIRV"});
  ProctorMachine m("ServerIP=127.0.0.1\r\nPort=9\r\nTimeout=100\r\n");
  ProctorServer proctor(m.context);
  proctor.TestServer();
  proctor.SetServer("127.0.0.1", std::to_string(server.Port()));
  proctor.TestServer();
  EXPECT_EQ(m.ui.Shown(),
            (std::vector<std::string>{std::string(kServerTimeout), "已重新设定服务器的IP和端口",
                                      "与服务器通讯测试成功！网络参数配置正确"}));
  EXPECT_EQ(server.Received(), std::vector<std::string>{"KIRV-14"});
}

TEST(ProctorServer, ServerModeSetting) {
  struct Case {
    const char* setting;
    int index;
  } cases[] = {{"Manual", 3}, {"WEB", 0}, {"", 1}, {"app", 1}, {"local", 2}, {"udp", -1}};
  for (const Case& c : cases) EXPECT_EQ(ServerModeIndex(c.setting), c.index) << c.setting;
  ProctorMachine m("Server=App\r\n");
  ProctorServer proctor(m.context);
  for (int index : {2, 0, 7}) {
    proctor.ChangeServerMode(index);
    EXPECT_EQ(m.session.Settings().Read("KIRV", "Server"), ServerModeValue(index));
  }
  EXPECT_EQ(ServerModeValue(7), "App");
  EXPECT_TRUE(m.ui.Shown().empty());
}

// The list of this machine: candidates who have begun, by room, session and seat.
TEST(ProctorList, RowsOfThisMachine) {
  ProctorMachine m;
  for (const char* sql :
       {"insert into [Stu](examcode,Name,Room,Session,Seat,State,scoreok,sendok) values "
        "('b','乙','02','01','01',100,0,0)",
        "insert into [Stu](examcode,Name,Room,Session,Seat,State,scoreok,sendok) values "
        "('a','甲','01','01','02',1,-1,-1)",
        "insert into [Stu](examcode,Name,Room,Session,Seat,State) values "
        "('c','丙','01','01','01',0)",
        "insert into [Stu](examcode,Name,Room,Session,Seat,State) values "
        "('d','丁','01','01','03',7)"})
    m.Sql(sql);
  EXPECT_EQ(MachineListRows(m.session.Store()).value(),
            (std::vector<ProctorListRow>{{"01", "01", "02", "a", "甲", "正常", "是", "是"},
                                         {"01", "01", "03", "d", "丁", "多状态", "否", "否"},
                                         {"02", "01", "01", "b", "乙", "违纪", "否", "否"}}));
  EXPECT_EQ(RoomChoice(7), "第 07 考场");
  EXPECT_EQ(SessionChoice(12), "第 12 场");
}

}  // namespace
