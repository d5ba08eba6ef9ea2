// CAdoConnection: the Jet open, failures on files that are no database, the error text.
#include "client/store/db/ado_connection.h"

#include <gtest/gtest.h>

#include <fstream>

#include "client/store/db/exam_database.h"
#include "client/testing/temp_folder.h"

namespace {

TEST(CAdoConnection, OpenJetWithAndWithoutPassword) {
  TempFolder tmp;
  const base::Status created = CreateExamDatabase(tmp.Windows("kirv.mdb"));
  ASSERT_TRUE(created) << created.error().message;
  struct Case {
    std::string password;
    std::string expected;
  } cases[] = {
      {"", "Provider=Microsoft.Jet.OLEDB.4.0; Data Source=" + tmp.Windows("kirv.mdb")},
      {"kestrelqu", "Provider=Microsoft.Jet.OLEDB.4.0; Data Source=" + tmp.Windows("kirv.mdb") +
                        ";Persist Security Info=False;Jet OLEDB:Database Password=kestrelqu;"},
  };
  for (const auto& c : cases) {
    CAdoConnection db;
    EXPECT_TRUE(db.OpenJet(tmp.Windows("kirv.mdb"), c.password, -1)) << db.GetLastError();
    EXPECT_EQ(db.GetConnectionString(), c.expected);
    EXPECT_TRUE(db.IsOpen());
    EXPECT_TRUE(db.Close());
    EXPECT_FALSE(db.IsOpen());
    EXPECT_TRUE(db.Close());  // nothing to close is no failure
    EXPECT_TRUE(db.Open());   // the stored string again
  }
}

TEST(CAdoConnection, OpenWithoutStringFails) {
  CAdoConnection db;
  EXPECT_FALSE(db.Open());
  EXPECT_EQ(db.GetLastError(), "");
}

TEST(CAdoConnection, NonDatabaseFilesFailCleanly) {
  TempFolder tmp;
  std::ofstream(tmp.Path() / "junk.mdb") << std::string(4096, '\x01');
  for (const std::string& path : {tmp.Windows("junk.mdb"), tmp.Windows("missing.mdb")}) {
    CAdoConnection db;
    EXPECT_FALSE(db.OpenJet(path, "kestrelqu")) << path;
    EXPECT_FALSE(db.IsOpen());
    EXPECT_NE(db.GetLastError().find("Description: "), std::string::npos);
    EXPECT_EQ(db.Execute("select * from Stu"), nullptr);
  }
}

TEST(CAdoConnection, LastErrorFormatOnABadStatement) {
  TempFolder tmp;
  const base::Status created = CreateExamDatabase(tmp.Windows("kirv.mdb"));
  ASSERT_TRUE(created) << created.error().message;
  CAdoConnection db;
  ASSERT_TRUE(db.OpenJet(tmp.Windows("kirv.mdb"), "kestrelqu"));
  EXPECT_EQ(db.Execute("update [Stu] set nosuchcolumn=1"), nullptr);
  const std::string text = db.GetLastError();
  EXPECT_EQ(text.rfind("Description: ", 0), 0u) << text;
  EXPECT_NE(text.find("nosuchcolumn"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\nState: 42000, Native: 1, Source: SQLite\r\n"), std::string::npos)
      << text;
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");

  ASSERT_NE(db.Execute("update [Stu] set State=1 where examcode=?", {SqlText("x")}), nullptr);
  EXPECT_EQ(db.GetLastError(), "");
}

TEST(CAdoConnection, ReleasedConnectionAnswersFalse) {
  TempFolder tmp;
  const base::Status created = CreateExamDatabase(tmp.Windows("kirv.mdb"));
  ASSERT_TRUE(created) << created.error().message;
  CAdoConnection db;
  ASSERT_TRUE(db.OpenJet(tmp.Windows("kirv.mdb")));
  db.Release();
  EXPECT_FALSE(db.IsOpen());
  EXPECT_FALSE(db.Close());
  EXPECT_FALSE(db.Open());
  EXPECT_EQ(db.Execute("select 1"), nullptr);
  EXPECT_EQ(db.GetLastError(), "");
}

TEST(ExamDatabase, CreateRefusesAnExistingFileOrAMissingFolder) {
  TempFolder tmp;
  const base::Status created = CreateExamDatabase(tmp.Windows("kirv.mdb"));
  ASSERT_TRUE(created) << created.error().message;
  const auto size = std::filesystem::file_size(tmp.Path() / "kirv.mdb");

  const base::Status again = CreateExamDatabase(tmp.Windows("kirv.mdb"));
  ASSERT_FALSE(again);
  EXPECT_NE(again.error().message.find("file exists"), std::string::npos) << again.error().message;
  EXPECT_EQ(std::filesystem::file_size(tmp.Path() / "kirv.mdb"), size);

  const base::Status noFolder = CreateExamDatabase(tmp.Windows("no/such/folder/kirv.mdb"));
  ASSERT_FALSE(noFolder);
  EXPECT_FALSE(noFolder.error().message.empty());
  EXPECT_FALSE(std::filesystem::exists(tmp.Path() / "no"));
}

}  // namespace
