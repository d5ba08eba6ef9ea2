// Moving a candidate between two exam machines in temporary folders with the host's 7-Zip: the
// package made on one, taken over on the other, and the way back, where the package's own
// database and files count, not what an earlier visit left on the machine.
#include "client/proctor/candidate_transfer.h"

#include <gtest/gtest.h>

#include "client/testing/proctor_machine.h"
#include "platform/win/attributes.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

class CandidateTransferTest : public ::testing::Test {
 protected:
  // Candidate C1 under way on machine A with a file of his work.
  void SetUp() override {
    a.Sql(
        "insert into [Stu](examcode,Name,Sex,Room,Session,Seat,School,Class,No,State,timeleft,"
        "Papers,Score) values "
        "('C1','张明','男','01','02','03','一中','高一','7',1,1500,'1-101','')");
    WriteFile(a.HostFolder("C1") / "Winkt" / "work.txt", "begun on A");
  }
  // `from` exports C1 into the shared folder; `to` imports the package.
  void Move(ProctorMachine& from, ProctorMachine& to) {
    from.ui.folders = {win::ToWindowsPath(shared.Path())};
    CandidateTransfer(from.context).Export(std::string("C1"));
    ASSERT_EQ(from.ui.Last(), proctor_text::Exported);
    to.ui.openFiles = {win::ToWindowsPath(shared.Path() / "C1.zip")};
    ASSERT_TRUE(CandidateTransfer(to.context).Import());
    EXPECT_EQ(to.ui.Last(), "成功导入 C1 的考生考试信息\n现在可以返回登录界面登录继续考试!");
  }
  ProctorMachine a, b;
  win::testing::ScopedTempFolder shared{"package_"};
};

TEST_F(CandidateTransferTest, ThereAndBack) {
  Move(a, b);
  // The package: the folder C1 with the work and a read-only, hidden copy of A's database; the
  // archive made in the candidate folder is gone from there.
  EXPECT_TRUE(fs::exists(shared.Path() / "C1.zip"));
  EXPECT_FALSE(fs::exists(a.HostFolder("C1") / "C1.zip"));
  const std::string copyOnA = a.Folder("C1") + "log\\KIRV.mdb";
  EXPECT_EQ(
      win::GetFileAttributes(copyOnA) & (win::FILE_ATTRIBUTE_READONLY | win::FILE_ATTRIBUTE_HIDDEN),
      win::FILE_ATTRIBUTE_READONLY | win::FILE_ATTRIBUTE_HIDDEN);
  // On B: the row as it was on A, the work, the database copy hidden again.
  const auto onB = b.Row("C1");
  ASSERT_TRUE(onB);
  EXPECT_EQ(*onB, (CandidateRecord{"C1", "张明", "男", "01", "02", "03", "一中", "高一", "7", 1,
                                   1500, "1-101", "", false, false}));
  EXPECT_EQ(ReadFile(b.HostFolder("C1") / "Winkt" / "work.txt"), "begun on A");
  EXPECT_TRUE(win::GetFileAttributes(b.Folder("C1") + "log\\KIRV.mdb") &
              win::FILE_ATTRIBUTE_HIDDEN);

  // He works on at B, then goes back to A, where his old folder and A's old database copy lie.
  b.Sql("update [Stu] set timeleft=900 where examcode='C1'");
  WriteFile(b.HostFolder("C1") / "Winkt" / "work.txt", "finished on B");
  Move(b, a);
  EXPECT_EQ(a.Row("C1")->timeLeft, 900);
  EXPECT_EQ(ReadFile(a.HostFolder("C1") / "Winkt" / "work.txt"), "finished on B");
  // The folder of his first visit is kept aside, not mixed in.
  int aside = 0;
  for (const auto& e : fs::directory_iterator(a.Host() / "exam")) {
    const std::string name = e.path().filename().string();
    if (name != "C1") {
      ++aside;
      EXPECT_EQ(name.rfind("C1.", 0), 0u) << name;
      EXPECT_EQ(ReadFile(e.path() / "Winkt" / "work.txt"), "begun on A");
    }
  }
  EXPECT_EQ(aside, 1);

  // A second export from A ships A's database as it is now, over the read-only copy of before.
  a.Sql("update [Stu] set timeleft=600 where examcode='C1'");
  Move(a, b);
  EXPECT_EQ(b.Row("C1")->timeLeft, 600);
}

TEST_F(CandidateTransferTest, PackagesThatCannotBeTakenOver) {
  // A package renamed: the exam code comes from its name, and it holds no such folder.
  a.ui.folders = {win::ToWindowsPath(shared.Path())};
  CandidateTransfer(a.context).Export(std::string("C1"));
  fs::rename(shared.Path() / "C1.zip", shared.Path() / "C2.zip");
  b.ui.openFiles = {win::ToWindowsPath(shared.Path() / "C2.zip")};
  EXPECT_FALSE(CandidateTransfer(b.context).Import());
  EXPECT_EQ(b.ui.Last(), "考生目录释放失败");

  // Not an archive at all.
  WriteFile(shared.Path() / "C3.zip", "not an archive");
  b.ui.openFiles = {win::ToWindowsPath(shared.Path() / "C3.zip")};
  EXPECT_FALSE(CandidateTransfer(b.context).Import());
  EXPECT_EQ(b.ui.Last(), "考生目录释放失败");

  // A package of a database without the candidate.
  fs::rename(shared.Path() / "C2.zip", shared.Path() / "C1.zip");
  a.Sql("delete from [Stu]");
  a.ui.folders = {win::ToWindowsPath(shared.Path())};
  CandidateTransfer(a.context).Export(std::string("C1"));
  b.ui.openFiles = {win::ToWindowsPath(shared.Path() / "C1.zip")};
  EXPECT_FALSE(CandidateTransfer(b.context).Import());
  EXPECT_EQ(b.ui.Last(), "该考生库中没有该考生数据！");
  // Nothing of the failed imports stays in B's candidate root.
  EXPECT_TRUE(fs::is_empty(b.Host() / "exam"));
  EXPECT_FALSE(b.Row("C1"));
}

// The row cannot be written on the machine taking over: said, and the candidate's folder there
// is as it was before.
TEST_F(CandidateTransferTest, FailedWriteTakesTheImportBack) {
  WriteFile(b.HostFolder("C1") / "Winkt" / "work.txt", "left on B");
  b.FailWrites();
  a.ui.folders = {win::ToWindowsPath(shared.Path())};
  CandidateTransfer(a.context).Export(std::string("C1"));
  b.ui.openFiles = {win::ToWindowsPath(shared.Path() / "C1.zip")};
  EXPECT_FALSE(CandidateTransfer(b.context).Import());
  EXPECT_EQ(b.ui.Last().rfind("Description: database is locked", 0), 0u);
  EXPECT_EQ(b.ui.Shown().size(), 1u);
  EXPECT_EQ(ReadFile(b.HostFolder("C1") / "Winkt" / "work.txt"), "left on B");
  EXPECT_EQ(std::distance(fs::directory_iterator(b.Host() / "exam"), fs::directory_iterator()), 1);
}

TEST_F(CandidateTransferTest, ExportStopsEarly) {
  struct Case {
    const char* what;
    Selection selection;
    std::deque<int> buttons;
    std::deque<std::string> folders;
    std::string last;
  } cases[] = {
      {"no selection", std::nullopt, {}, {}, "请选中要转移考试机的考生"},
      {"cancelled",
       std::string("C1"),
       {win::IDCANCEL},
       {},
       std::string(proctor_text::ExportQuestion)},
      {"no folder chosen", std::string("C1"), {}, {}, std::string(proctor_text::ExportQuestion)},
      {"no candidate folder",
       std::string("C9"),
       {},
       {"Z:\\tmp"},
       "考生目录不存在：" + a.Folder("C9")},
      {"a code that is no folder name",
       std::string("..\\C1"),
       {},
       {"Z:\\tmp"},
       "准考证号中含有不允许使用的字符：..\\C1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    a.ui.boxes.clear();
    a.ui.buttons = c.buttons;
    a.ui.folders = c.folders;
    CandidateTransfer(a.context).Export(c.selection);
    EXPECT_EQ(a.ui.Last(), c.last);
  }
  EXPECT_TRUE(fs::is_empty(shared.Path()));
}

TEST(TransferCommands, QuotesAndNames) {
  EXPECT_EQ(PackCommand("E:\\kirv\\", "D:\\x\\C1\\C1.zip", "D:\\x\\C1\\"),
            "E:\\kirv\\7za.exe a \"D:\\x\\C1\\C1.zip\" \"D:\\x\\C1\\\"");
  EXPECT_EQ(UnpackAllCommand("E:\\kirv\\", "F:\\my \"box\"\\C1.zip", "D:\\x\\"),
            "E:\\kirv\\7za.exe x -aoa \"F:\\my \"\"box\"\"\\C1.zip\" -o\"D:\\x\\\" ");
  EXPECT_EQ(PackageCode("F:\\u\\26001.0101.zip"), "26001.0101");
  EXPECT_EQ(PackageCode("F:\\u\\C1"), "C1");
}

}  // namespace
