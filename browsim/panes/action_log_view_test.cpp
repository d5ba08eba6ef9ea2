#include "browsim/panes/action_log_view.h"

#include <gtest/gtest.h>

#include "browsim/core/testing/fake_host.h"

namespace browsim::panes {
namespace {

using testing::FakeHost;

const std::string kRule = std::string(89, '-') + "\r\n";

TEST(ActionLog, EmptyLogGivesTheHeaderAndOneRule) {
  FakeHost host;
  const auto rows = ReadActionLog(host);
  EXPECT_TRUE(rows.empty());
  EXPECT_EQ(ActionLogReport(host.Paths().globals, rows),
            "未知 001 网络部分的系统操作记录\r\n" + kRule);
}

TEST(ActionLog, ListsEveryRowInOrderWithItsTime) {
  FakeHost host(
      "INSERT INTO Log (ID, Action, Parameter, Date, Time) VALUES"
      " (3, '程序正常启动', '', '2026-12-11', '09:30:05'),"
      " (1, '打开网址', 'http://a/', '2026-12-11', '09:29:00'),"
      " (7, '设定起始页', 'about:blank', '2026-12-11', 'not a time');");
  const auto rows = ReadActionLog(host);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].number, "0");
  EXPECT_EQ(rows[0].action, "打开网址");
  EXPECT_EQ(rows[0].time, "09:29:00");
  EXPECT_EQ(rows[1].time, "09:30:05");
  EXPECT_EQ(rows[2].number, "2");
  EXPECT_EQ(rows[2].time, "");
  EXPECT_EQ(ActionLogReport(host.Paths().globals, rows),
            "未知 001 网络部分的系统操作记录\r\n" + kRule + "0\t打开网址\thttp://a/\t09:29:00\r\n" +
                kRule + "1\t程序正常启动\t\t09:30:05\r\n" + kRule +
                "2\t设定起始页\tabout:blank\t\r\n" + kRule);
}

TEST(ActionLog, UnreadableLogIsReported) {
  FakeHost host;
  ASSERT_NE(host.Database().Connection().Execute("DROP TABLE Log"), nullptr);
  EXPECT_TRUE(ReadActionLog(host).empty());
  EXPECT_EQ(host.failures.size(), 1u);
}

}  // namespace
}  // namespace browsim::panes
