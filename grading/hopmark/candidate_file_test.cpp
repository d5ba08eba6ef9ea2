// What a candidate leaves beside or in his network database never bends grading: a FIFO for a
// journal, an unfinished write, a WAL database, a view for a table, tables of many yes/no columns
// and many expected rows. His folder is left exactly as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <string>
#include <thread>

#include "grading/hopmark/driver.h"
#include "grading/hopmark/private_copy.h"
#include "grading/hopmark/sections.h"
#include "netdb/testing/browser_steps.h"
#include "platform/ado/testing/jet_fixture.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/testing/test_folder.h"

namespace hopmark {
namespace {

namespace fs = std::filesystem;

// Expected actions worth 20, 25 and 10, of which the candidate did the first two: he earned 45.
constexpr const char* kEarned45 =
    "insert into Log (Action, Parameter, ItemScore) values ('点击 刷新', '', 20), "
    "('点击 主页', '', 25), ('点击 停止', '', 10);"
    "insert into Log (Action, Parameter) values ('点击 刷新', ''), ('点击 主页', '');";

void Exec(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << error;
}

// Every name in a folder with its bytes ("FIFO" for a FIFO).
std::map<std::string, std::string> Contents(const fs::path& folder) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : fs::directory_iterator(folder))
    contents[entry.path().filename().string()] =
        entry.is_fifo() ? "FIFO" : ado::testing::ReadBytes(entry.path());
  return contents;
}

class CandidateFile : public ::testing::Test {
 protected:
  fs::path Candidate() const { return folder_.Path() / "0001"; }
  fs::path DatabaseFile() const { return Candidate() / "Netkt" / "Net.Net"; }

  void Seed(const std::string& sql) {
    fs::create_directories(DatabaseFile().parent_path());
    ASSERT_TRUE(netdb::testing::MakeSeededDatabase(DatabaseFile(), sql));
  }

  // A browser killed in the middle of a write: part of the write already in the file (a cache of
  // ten pages spills), and the journal that would undo it beside.
  void LeaveUnfinishedWrite(const std::string& write) {
    const fs::path work = folder_.Path() / "work.net";
    fs::copy_file(DatabaseFile(), work);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(work.c_str(), &db), SQLITE_OK);
    Exec(db, "PRAGMA cache_size=10; BEGIN;" + write +
                 "INSERT INTO Log (Action, Parameter) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                 "SELECT i+1 FROM n WHERE i<3000) SELECT 'x', printf('%.500c', 'y') FROM n;");
    fs::copy_file(work, DatabaseFile(), fs::copy_options::overwrite_existing);
    fs::copy_file(work.string() + "-journal", DatabaseFile().string() + "-journal");
    Exec(db, "ROLLBACK");
    sqlite3_close(db);
    ASSERT_GT(fs::file_size(DatabaseFile()), fs::file_size(work));  // the write is in the file
  }

  RunValues Grade() {
    RunValues v;
    v.StudentDir = win::ToWindowsPath(Candidate()) + "\\";
    RunGrading(v, netdb::PathGlobals{});
    return v;
  }

  win::testing::ScopedTempFolder folder_{"hopmark_file_"};
  win::MessageCapture boxes_;
};

TEST_F(CandidateFile, AJournalThatIsAFifoIsNeverOpened) {
  Seed(kEarned45);
  const fs::path fifo = DatabaseFile().string() + "-journal";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Grading that opened the FIFO would wait for a writer for ever: the watchdog then plays the
  // writer, so the test fails instead of hanging.
  auto run = std::async(std::launch::async, [&] { return Grade(); });
  if (run.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
    ADD_FAILURE() << "grading waited on the FIFO";
    const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  }
  const RunValues v = run.get();
  EXPECT_EQ(v.Score, 45);
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(CandidateFile, AnUnfinishedWriteIsRolledBackInTheCopyAndHisFolderIsLeftAsItWas) {
  Seed(kEarned45);
  LeaveUnfinishedWrite("DELETE FROM Log WHERE ItemScore=0;");
  const auto before = Contents(DatabaseFile().parent_path());

  RunValues v = Grade();
  EXPECT_EQ(v.Score, 45);
  ASSERT_EQ(v.rows.size(), 3u);
  EXPECT_EQ(Contents(DatabaseFile().parent_path()), before);
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(CandidateFile, AJournalNamingAFileOutsideNeverReachesIt) {
  Seed(kEarned45);
  LeaveUnfinishedWrite("");
  // A journal ends with the name of the super-journal of a transaction over several databases;
  // SQLite reads that file after rolling back and deletes it when no journal names it.
  const fs::path victim = folder_.Path() / "victim.txt";
  std::ofstream(victim) << "not his";
  const std::string name = victim.string();
  std::string record;
  auto put32 = [&](uint32_t n) {
    for (int shift = 24; shift >= 0; shift -= 8) record += static_cast<char>((n >> shift) & 0xFF);
  };
  put32(0x40000000 / 4096 + 1);
  record += name;
  put32(static_cast<uint32_t>(name.size()));
  uint32_t sum = 0;
  for (char ch : name) sum += static_cast<uint32_t>(ch);
  put32(sum);
  record += std::string("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);
  std::ofstream(DatabaseFile().string() + "-journal", std::ios::app | std::ios::binary) << record;

  Grade();
  EXPECT_EQ(ado::testing::ReadBytes(victim), "not his");
}

TEST_F(CandidateFile, AWalDatabaseLeavesNoFilesBehind) {
  Seed(std::string(kEarned45) + "PRAGMA journal_mode=WAL;");
  const auto before = Contents(DatabaseFile().parent_path());
  EXPECT_EQ(Grade().Score, 45);
  EXPECT_EQ(Contents(DatabaseFile().parent_path()), before);
}

// Endless as well, the view would meet the step budget; refused, it is never run.
TEST_F(CandidateFile, AViewInPlaceOfATableIsRefusedAndTheOtherSectionsAreGraded) {
  struct Case {
    const char* shape;
    size_t failedRow;  // the section's row that names the view; five rows in all
    const char* parameter;
  } cases[] = {
      {"DROP TABLE URLs; CREATE VIEW URLs AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT "
       "x+1 FROM c WHERE x < 1000) SELECT x AS ID, 'www.' || x AS URL, -1 AS Browsed, 1 AS "
       "ItemScore FROM c;",
       0, "（查询出错）URLs is a view, not a table"},
      // Its columns call functions: named as a view all the same.
      {"DROP TABLE Mail; CREATE VIEW Mail AS SELECT 1 AS ID, 1 AS Type, printf('%.*c', 100, 'x') "
       "AS 主题; INSERT INTO MailRules (Mail, Name, Parameter, ItemScore) VALUES (1, '主题', "
       "'x', 5);",
       3, "（查询出错）Mail is a view, not a table"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.parameter);
    fs::remove(DatabaseFile());
    Seed(std::string(kEarned45) + c.shape);
    const RunValues v = Grade();
    ASSERT_EQ(v.rows.size(), 5u);
    EXPECT_EQ(v.rows[c.failedRow].parameter, c.parameter);
    EXPECT_FALSE(v.rows[c.failedRow].satisfied);
    EXPECT_EQ(v.Score, 45);
  }
}

// The grader's connection to a private copy, to count what grading makes and runs.
class Sections : public CandidateFile {
 protected:
  void Open() {
    copy_.emplace(PrivateCopy::Make(DatabaseFile(), Candidate()));
    ASSERT_TRUE(*copy_) << copy_->error().message;
    ASSERT_TRUE(db_.OpenPrivateCopy((**copy_).file(), "net.net"));
    db_.SetQuiet(true);
    sqlite3_trace_v2(
        db_.Connection().Shared()->db, SQLITE_TRACE_STMT,
        [](unsigned, void* count, void*, void*) {
          ++*static_cast<int*>(count);
          return 0;
        },
        &statements_);
  }
  RunValues Run() {
    RunValues v;
    v.StudentDir = win::ToWindowsPath(Candidate()) + "\\";
    netdb::RecordsetPtr rules, lookup;
    SectionContext context{db_, rules, lookup, v.StudentDir, v};
    for (const Section& section : kSections) section.run(context);
    return v;
  }
  long Triggers() {
    netdb::RecordsetPtr rs;
    if (!db_.OpenRecordset(rs, "select count(*) as n from temp.sqlite_master where type='trigger'"))
      return -1;
    ado::Variant n;
    rs->GetValue("n", n);
    return static_cast<long>(ado::AsInteger(n).value_or(-1));
  }

  std::optional<base::Result<PrivateCopy>> copy_;
  netdb::CAdoConnection db_;
  int statements_ = 0;
};

TEST_F(Sections, TablesOfManyYesNoColumnsGetNoTriggers) {
  std::string sql = kEarned45;
  for (int t = 0; t < 20; ++t) {
    sql += "CREATE TABLE Wide" + std::to_string(t) + " (";
    for (int c = 0; c < 1000; ++c) sql += (c ? ", b" : "b") + std::to_string(c) + " BOOLEAN";
    sql += ");";
  }
  Seed(sql);
  Open();
  EXPECT_EQ(Run().Score, 45);
  EXPECT_EQ(Triggers(), 0);
}

TEST_F(Sections, EachSectionRunsTheSameFewStatementsWhateverItsRows) {
  // 2,000 expected actions and favourites, every second one done; 200 mail rules over 400 mails.
  std::string sql =
      "insert into Log (Action, Parameter, ItemScore) values ('打开网址', 'www.0.cn', 1)";
  for (int i = 1; i < 2000; ++i) sql += ", ('打开网址', 'www." + std::to_string(i) + ".cn', 1)";
  sql += "; insert into Log (Action, Parameter) values ('打开网址', 'WWW.0.CN')";
  for (int i = 2; i < 2000; i += 2) sql += ", ('打开网址', 'www." + std::to_string(i) + ".cn')";
  sql += "; insert into Favourite (Name, URL, Root, ItemScore) values ('n0', 'u0', 0, 1)";
  for (int i = 1; i < 2000; ++i)
    sql += ", ('n" + std::to_string(i) + "', 'u" + std::to_string(i) + "', 0, 1)";
  sql += "; insert into Favourite (Name, URL, Root) values ('n0', 'u0', 7)";
  for (int i = 2; i < 2000; i += 2)
    sql += ", ('n" + std::to_string(i) + "', 'u" + std::to_string(i) + "', " +
           (i % 4 ? "0" : "-1") + ")";  // a folder is no link
  sql += "; insert into Mail (Type, 主题) values (1, 'old abc')";
  for (int i = 1; i < 400; ++i)
    sql += ", (" + std::to_string(i % 4) + ", 'mail " + std::to_string(i) + "')";
  sql +=
      "; insert into MailRules (Mail, Name, Parameter, ItemScore) values (3, '主题', 'mail 399', "
      "1)";
  for (int i = 1; i < 200; ++i) sql += ", (" + std::to_string(i % 3) + ", '主题', 'abc', 1)";
  Seed(sql + ";");
  Open();
  const RunValues v = Run();
  ASSERT_EQ(v.rows.size(), 2000u + 2000u + 200u);
  int satisfied = 0;
  for (const ResultRow& row : v.rows) satisfied += row.satisfied;
  EXPECT_EQ(satisfied, 1000 + 501 + 1);
  EXPECT_LE(statements_, 12);
}

}  // namespace
}  // namespace hopmark
