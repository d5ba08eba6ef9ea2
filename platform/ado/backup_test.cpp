// The database copy: consistent while the source is open and being changed, renamed into place,
// and nothing left behind when it fails.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ado/backup.h"
#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "platform/ado/testing/jet_fixture.h"
#include "platform/win/testing/test_folder.h"

namespace ado {
namespace {

namespace fs = std::filesystem;

std::string Source(const fs::path& host) {
  return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Z:" + host.string() + ";";
}

long Count(Connection& c, const char* table) {
  Recordset rs;
  if (!rs.Open(std::string("select * from ") + table, c, adOpenStatic)) return -1;
  return rs.RecordCount();
}

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

class BackupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const base::Status made =
        CreateDatabase(source_.string(),
                       "CREATE TABLE Stu (examcode TEXT COLLATE NOCASE, score INTEGER);"
                       "INSERT INTO Stu VALUES ('A1', 10), ('B2', 20), ('C3', 30);");
    ASSERT_TRUE(made) << made.error().message;
    ASSERT_TRUE(connection_.Open(Source(source_)));
  }
  win::testing::ScopedTempFolder tmp_{"backup_"};
  const fs::path source_ = tmp_.Path() / "kirv.mdb";
  Connection connection_;
};

TEST_F(BackupTest, CopiesWhatIsCommittedWhileAnotherConnectionWrites) {
  const fs::path copy = tmp_.Path() / "成绩库.mdb";
  testing::WriteBytes(copy, "an older export");
  Connection writer;
  ASSERT_TRUE(writer.Open(Source(source_)));
  ASSERT_NE(writer.Execute("begin"), nullptr);
  ASSERT_NE(writer.Execute("insert into Stu values ('D4', 40)"), nullptr);
  ASSERT_NE(writer.Execute("update Stu set score = 0"), nullptr);

  const base::Status copied = BackupDatabase(connection_, copy);
  ASSERT_TRUE(copied) << copied.error().message;
  ASSERT_NE(writer.Execute("commit"), nullptr);

  Connection reopened;
  ASSERT_TRUE(reopened.Open(Source(copy)));
  EXPECT_EQ(Count(reopened, "Stu"), 3);
  Recordset rs;
  ASSERT_TRUE(rs.Open("select sum(score) as total from Stu", reopened, adOpenStatic));
  Variant total;
  rs.GetValue("total", total);
  EXPECT_EQ(total.IntValue(), 60);
  EXPECT_EQ(Count(connection_, "Stu"), 4);
  EXPECT_EQ(Names(tmp_.Path()), (std::vector<std::string>{"kirv.mdb", "成绩库.mdb"}));
}

TEST_F(BackupTest, AJetFilesTablesBecomeAWritableCopy) {
  Connection jet;
  ASSERT_TRUE(jet.Open(Source(testing::JetFixture())));
  const fs::path copy = tmp_.Path() / "seating.mdb";
  const base::Status copied = BackupDatabase(jet, copy);
  ASSERT_TRUE(copied) << copied.error().message;
  Connection reopened;
  ASSERT_TRUE(reopened.Open(Source(copy)));
  EXPECT_EQ(Count(reopened, "DateTest"), 6);
  EXPECT_NE(reopened.Execute("delete from DateTest where IDCol = 1"), nullptr);
  EXPECT_EQ(Count(reopened, "DateTest"), 5);
}

TEST_F(BackupTest, FailuresLeaveNothingBehind) {
  Connection closed;
  EXPECT_FALSE(BackupDatabase(closed, tmp_.Path() / "a.mdb"));
  const base::Status noFolder = BackupDatabase(connection_, tmp_.Path() / "none" / "a.mdb");
  ASSERT_FALSE(noFolder);
  EXPECT_NE(noFolder.error().message.find("none"), std::string::npos) << noFolder.error().message;
  // A folder in the way of the rename: the copy is made, then removed again.
  fs::create_directories(tmp_.Path() / "taken" / "inside");
  EXPECT_FALSE(BackupDatabase(connection_, tmp_.Path() / "taken"));
  EXPECT_EQ(Names(tmp_.Path()), (std::vector<std::string>{"kirv.mdb", "taken"}));
}

}  // namespace
}  // namespace ado
