// The proctor's operations on one candidate, on a real exam database: the time extension and its
// bounds, the retake, the paper released again from a real 7-Zip archive without touching the
// candidate's work, and grading again through the hook the grading dialog fills.
#include "client/proctor/proctor_records.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "client/testing/proctor_machine.h"

namespace {

namespace fs = std::filesystem;

const std::string kNotice(proctor_text::ExtendNotice);

TEST(CandidateRecords, TimeExtension) {
  struct Case {
    const char* what;
    int timeLeft;
    std::deque<std::string> typed;
    int after;
    std::vector<std::string> shown;  // after the notice
  } cases[] = {
      {"nine minutes more", 5400, {"9"}, 5940, {"延时完成，考生剩余考试时间为 99 分钟"}},
      {"ten minutes reach the limit", 5400, {"10"}, 5400, {"延时时间不合理，拒绝！"}},
      {"ten minutes less while time remains",
       1800,
       {"-10"},
       1200,
       {"延时完成，考生剩余考试时间为 20 分钟"}},
      {"ten minutes less leave no time", 600, {"-10"}, 600, {"延时时间不合理，拒绝！"}},
      {"more taken than is left", 300, {"-10"}, 300, {"延时时间不合理，拒绝！"}},
      {"not a number is no minutes", 1200, {"abc"}, 1200, {"延时完成，考生剩余考试时间为 20 分钟"}},
      {"far too many minutes", 1200, {"99999999999999999999"}, 1200, {"延时时间不合理，拒绝！"}},
      {"an empty entry ends it", 1200, {""}, 1200, {}},
      {"cancel ends it", 1200, {}, 1200, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProctorMachine m;
    m.Sql("insert into [Stu](examcode, State, timeleft) values ('0101', 1, " +
          std::to_string(c.timeLeft) + ")");
    m.ui.texts = c.typed;
    CandidateRecords(m.context, nullptr).ExtendTime(std::string("0101"));
    std::vector<std::string> shown = {kNotice};
    shown.insert(shown.end(), c.shown.begin(), c.shown.end());
    EXPECT_EQ(m.ui.Shown(), shown);
    EXPECT_EQ(m.Row("0101")->timeLeft, c.after);
  }
}

// A statement that fails is said, and never followed by the completion message.
TEST(CandidateRecords, FailedStatementsAreNotReportedDone) {
  ProctorMachine m;
  m.Sql("insert into [Stu](examcode, State, timeleft) values ('0101', 1, 600)");
  m.FailWrites();
  m.ui.texts = {"5"};
  CandidateRecords records(m.context, nullptr);
  records.ExtendTime(std::string("0101"));
  ASSERT_EQ(m.ui.Shown().size(), 2u);
  EXPECT_EQ(m.ui.Last().rfind("设定延时时间出错\nDescription: database is locked", 0), 0u);
  m.ui.boxes.clear();
  EXPECT_FALSE(records.Retake(std::string("0101")));
  ASSERT_EQ(m.ui.Shown().size(), 3u);
  EXPECT_EQ(m.ui.Last().rfind("发生错误：Description: database is locked", 0), 0u);
  EXPECT_EQ(m.Row("0101")->state, 1);
  EXPECT_EQ(m.Row("0101")->timeLeft, 600);
}

TEST(CandidateRecords, Retake) {
  ProctorMachine m;
  m.Sql("insert into [Stu](examcode, State, timeleft) values ('0101', 1, 0)");
  CandidateRecords records(m.context, nullptr);
  m.ui.buttons = {win::IDCANCEL};
  EXPECT_FALSE(records.Retake(std::string("0101")));
  EXPECT_EQ(m.Row("0101")->state, 1);
  EXPECT_TRUE(records.Retake(std::string("0101")));
  EXPECT_EQ(m.Row("0101")->state, 0);
  EXPECT_EQ(m.ui.Last(), "重考设定完成，请返回登录界面重新登录");
  EXPECT_EQ(m.ui.boxes[1].text, "你确定要对考号为 0101 的考生设定重考吗？");
  EXPECT_EQ(m.ui.boxes[1].flags, win::MB_OKCANCEL | win::MB_ICONQUESTION);
}

TEST(CandidateRecords, NothingWithoutASelection) {
  ProctorMachine m;
  int graded = 0;
  CandidateRecords records(m.context, [&](const std::string&, const std::string&) { ++graded; });
  EXPECT_FALSE(records.Regrade(std::nullopt));
  records.ExtendTime(std::nullopt);
  records.ReleasePaper(std::nullopt);
  EXPECT_FALSE(records.Retake(std::nullopt));
  EXPECT_EQ(m.ui.Shown(),
            (std::vector<std::string>{"请选中要评分的考生", "请选中要延长考试时间的考生",
                                      "请选中要释放试题的考生", "请选中要重新考试的考生"}));
  EXPECT_EQ(graded, 0);
}

// Grading again hands the grading dialog the candidate and his folder; the run's own candidate
// stays who he was.
TEST(CandidateRecords, RegradeHandsOverTheCandidate) {
  ProctorMachine m;
  m.session.BeginExam({"0909", "未知", m.Folder("0909"), 0, ""});
  std::vector<std::string> calls;
  CandidateRecords records(m.context, [&](const std::string& code, const std::string& folder) {
    calls.push_back(code + " " + folder);
  });
  EXPECT_TRUE(records.Regrade(std::string("0101")));
  EXPECT_EQ(calls, std::vector<std::string>{"0101 " + m.Folder("0101")});
  EXPECT_EQ(m.session.Candidate().examCode, "0909");
  EXPECT_TRUE(m.ui.Shown().empty());

  CandidateRecords unplugged(m.context, nullptr);
  EXPECT_FALSE(unplugged.Regrade(std::string("0101")));
  EXPECT_EQ(m.ui.Shown(), std::vector<std::string>{"评分功能不可用"});
}

// The paper archives unpacked again from a real encrypted 7z archive: two items sharing one
// archive, files the candidate changed kept, deleted ones back; the single-choice item has none.
TEST(CandidateRecords, ReleasePaperKeepsTheCandidatesFiles) {
  ProctorMachine m;
  const fs::path src = m.Host() / "src";
  WriteFile(src / "Winkt" / "a.txt", "original a");
  WriteFile(src / "Winkt" / "b.txt", "original b");
  fs::create_directories(m.Host() / "Data" / "Attach");
  const std::string make = "cd '" + src.string() + "' && 7za a -bd -y -pRW5827 '" +
                           (m.Host() / "Data" / "Attach" / "win1.7z").string() +
                           "' Winkt >/dev/null";
  ASSERT_EQ(std::system(make.c_str()), 0);
  m.Sql("insert into [Paper](PaperID, ModuleID, AttFile) values (101, 1, 'win1.7z')");
  m.Sql("insert into [Paper](PaperID, ModuleID, AttFile) values (102, 1, 'win1.7z')");
  m.Sql("insert into [Stu](examcode, State, Papers) values ('0101', 1, '0-q1,q2|1-101|1-102')");
  WriteFile(m.HostFolder("0101") / "Winkt" / "a.txt", "changed by the candidate");

  CandidateRecords records(m.context, nullptr);
  records.ReleasePaper(std::string("0101"));
  EXPECT_EQ(ReadFile(m.HostFolder("0101") / "Winkt" / "a.txt"), "changed by the candidate");
  EXPECT_EQ(ReadFile(m.HostFolder("0101") / "Winkt" / "b.txt"), "original b");
  ASSERT_EQ(m.ui.Shown().size(), 3u);
  EXPECT_EQ(m.ui.boxes[1].text, "确实要重新释放考生 0101 的试题吗？");
  EXPECT_EQ(m.ui.Last(), "考试试题重新释放完毕！");

  // A folder that is gone is made again and filled.
  fs::remove_all(m.HostFolder("0101"));
  records.ReleasePaper(std::string("0101"));
  EXPECT_EQ(ReadFile(m.HostFolder("0101") / "Winkt" / "a.txt"), "original a");

  m.ui.boxes.clear();
  m.Sql("insert into [Stu](examcode, State, Papers) values ('0102', 1, '')");
  records.ReleasePaper(std::string("0102"));
  EXPECT_EQ(m.ui.Last(), "该考生没有选择试题");
  m.ui.buttons = {win::IDNO};
  records.ReleasePaper(std::string("0101"));
  EXPECT_EQ(m.ui.Last(), "确实要重新释放考生 0101 的试题吗？");
}

// Every file under `folder` with its bytes, and every folder (as "name/"): what a test compares
// before and after.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
  std::map<std::string, std::string> files;
  if (!fs::exists(folder)) return files;
  for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder)) {
    const std::string name = e.path().lexically_relative(folder).string();
    files[e.is_directory() ? name + "/" : name] = e.is_directory() ? "" : ReadFile(e.path());
  }
  return files;
}

// A paper whose second archive 7-Zip cannot unpack: the first archive's files do not reach the
// folder either, the folder stays as it was (or absent when it was), nothing is left beside it,
// and the box says which archive failed instead of reporting the release done.
TEST(CandidateRecords, ReleaseThatFailsLeavesTheFolderAsItWas) {
  ProctorMachine m;
  const fs::path attach = m.Host() / "Data" / "Attach";
  auto pack = [&](const char* archive, const char* password) {
    const std::string make = "cd '" + (m.Host() / "src").string() + "' && 7za a -bd -y -p" +
                             password + " '" + (attach / archive).string() + "' Winkt >/dev/null";
    ASSERT_EQ(std::system(make.c_str()), 0);
  };
  WriteFile(m.Host() / "src" / "Winkt" / "a.txt", "original a");
  WriteFile(m.Host() / "src" / "Winkt" / "b.txt", "original b");
  pack("win1.7z", "RW5827");
  pack("other.7z", "not-the-paper-password");
  WriteFile(attach / "damaged.7z", "7z but not really");
  m.Sql("insert into [Paper](PaperID, ModuleID, AttFile) values (101, 1, 'win1.7z')");
  m.Sql("insert into [Paper](PaperID, ModuleID, AttFile) values (102, 2, 'damaged.7z')");
  m.Sql("insert into [Paper](PaperID, ModuleID, AttFile) values (103, 2, 'other.7z')");
  m.Sql("insert into [Paper](PaperID, ModuleID, AttFile) values (104, 2, 'missing.7z')");

  struct Case {
    const char* what;
    const char* papers;
    const char* failing;  // the archive the box names
  } cases[] = {
      {"a damaged archive", "1-101|2-102", "damaged.7z"},
      {"an archive of another password", "1-101|2-103", "other.7z"},
      {"an archive that is not there", "1-101|2-104", "missing.7z"},
  };
  CandidateRecords records(m.context, nullptr);
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string code = "010" + std::to_string(++n);
    m.Sql("insert into [Stu](examcode, State, Papers) values ('" + code + "', 1, '" + c.papers +
          "')");
    for (bool folderThere : {true, false}) {
      SCOPED_TRACE(folderThere ? "folder there" : "no folder");
      fs::remove_all(m.HostFolder(code));
      if (folderThere) {
        WriteFile(m.HostFolder(code) / "Winkt" / "a.txt", "changed by the candidate");
        WriteFile(m.HostFolder(code) / "log" / (code + ".log"), "1-101");
      }
      const auto before = Snapshot(m.HostFolder(code));
      m.ui.boxes.clear();
      records.ReleasePaper(code);
      EXPECT_EQ(Snapshot(m.HostFolder(code)), before);
      EXPECT_EQ(fs::exists(m.HostFolder(code)), folderThere);
      const std::string last = m.ui.Last();
      EXPECT_EQ(last.rfind("考试试题重新释放失败，考生目录未作改动：", 0), 0u) << last;
      EXPECT_NE(last.find(c.failing), std::string::npos) << last;
      std::vector<std::string> beside;
      for (const fs::directory_entry& e : fs::directory_iterator(m.Host() / "exam"))
        if (e.path().filename().string().find(code) != std::string::npos)
          beside.push_back(e.path().filename().string());
      EXPECT_EQ(beside,
                (folderThere ? std::vector<std::string>{code} : std::vector<std::string>{}));
    }
  }
}

// Quotes in an exam code (a seating import may bring them) are data: the statements work on
// that candidate alone, and what would make a folder of the code is refused with a reason.
TEST(CandidateRecords, CodeWithQuotes) {
  const std::string code = "2600'1\"01";
  ProctorMachine m;
  m.Sql("insert into [Stu](examcode, State, timeleft) values ('2600''1\"01', 1, 1200)");
  m.Sql("insert into [Stu](examcode, State, timeleft) values ('26001', 1, 1200)");
  CandidateRecords records(m.context, [](const std::string&, const std::string&) {});
  m.ui.texts = {"5"};
  records.ExtendTime(code);
  EXPECT_EQ(m.ui.Last(), "延时完成，考生剩余考试时间为 25 分钟");
  EXPECT_TRUE(records.Retake(code));
  EXPECT_EQ(m.Row(code)->state, 0);
  EXPECT_EQ(m.Row(code)->timeLeft, 1500);
  EXPECT_EQ(m.Row("26001")->state, 1);
  EXPECT_EQ(m.Row("26001")->timeLeft, 1200);
  m.ui.boxes.clear();
  EXPECT_FALSE(records.Regrade(code));
  records.ReleasePaper(code);
  EXPECT_EQ(m.ui.Shown().front(), "准考证号中含有不允许使用的字符：" + code);
  EXPECT_EQ(m.ui.Last(), "准考证号中含有不允许使用的字符：" + code);
  EXPECT_TRUE(fs::is_empty(m.Host() / "exam"));
}

}  // namespace
