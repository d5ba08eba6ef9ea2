// Yes/no triggers made only where statements write, and a database someone else wrote read under
// limits: only tables, each statement within its budget, recordsets within their caps.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "platform/win/testing/test_folder.h"

namespace ado {
namespace {

namespace fs = std::filesystem;

std::string Source(const fs::path& host) {
  return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Z:" + host.string();
}

// "create table <name> (b0 BOOLEAN, ..., b<n-1> BOOLEAN)".
std::string YesNoTable(const std::string& name, int columns) {
  std::string sql = "CREATE TABLE " + name + " (";
  for (int i = 0; i < columns; ++i) sql += (i ? ", b" : "b") + std::to_string(i) + " BOOLEAN";
  return sql + ");";
}

long Triggers(Connection& connection) {
  auto rs = connection.Execute("select count(*) from temp.sqlite_master where type='trigger'");
  Variant n;
  EXPECT_TRUE(rs && rs->GetValue(size_t{0}, n));
  return static_cast<long>(AsInteger(n).value_or(-1));
}

std::string Text(Connection& connection, const std::string& sql) {
  auto rs = connection.Execute(sql);
  Variant v;
  if (!rs || !rs->GetValue(size_t{0}, v)) return "(none)";
  return v.IsNull() ? "null" : std::to_string(AsInteger(v).value_or(99));
}

class Limits : public ::testing::Test {
 protected:
  void Make(const std::string& script) {
    ASSERT_TRUE(CreateDatabase(file_.string(), script)) << script.substr(0, 80);
  }
  win::testing::ScopedTempFolder tmp_{"ado_limits_"};
  fs::path file_ = tmp_.Path() / "net.net";
};

TEST_F(Limits, YesNoTriggersAreMadeForTheTablesWrittenOnlyAndGrowWithTheirColumns) {
  Make(YesNoTable("Wide", 1000) + YesNoTable("Other", 20) + "INSERT INTO Other (b0) VALUES (0);");
  Connection connection;
  ASSERT_TRUE(connection.Open(Source(file_)));
  auto rs = connection.Execute("select * from Wide, Other");
  ASSERT_NE(rs, nullptr);
  EXPECT_EQ(Triggers(connection), 0);  // reading makes none

  ASSERT_NE(connection.Execute("insert into Wide (b0, b999, b500) values (1, 5, 0)"), nullptr);
  // One insert and one update trigger per 50 yes/no columns of the table written, none for others.
  EXPECT_EQ(Triggers(connection), 2 * 20);
  ASSERT_NE(connection.Execute("update Wide set b500 = 7, b1 = true"), nullptr);
  ASSERT_NE(connection.Execute("update Other set b19 = 3"), nullptr);
  EXPECT_EQ(Triggers(connection), 2 * 20 + 2);
  EXPECT_EQ(Text(connection, "select b0 from Wide"), "-1");
  EXPECT_EQ(Text(connection, "select b999 from Wide"), "-1");
  EXPECT_EQ(Text(connection, "select b500 from Wide"), "-1");
  EXPECT_EQ(Text(connection, "select b1 from Wide"), "-1");
  EXPECT_EQ(Text(connection, "select b2 from Wide"), "null");
  EXPECT_EQ(Text(connection, "select b19 from Other"), "-1");
  EXPECT_EQ(Text(connection, "select count(*) from Wide where b999=-1 and b0=-1"), "1");

  // A table made again is armed again at its next write.
  ASSERT_NE(connection.Execute("drop table Other"), nullptr);
  ASSERT_NE(connection.Execute("create table Other (flag BOOLEAN)"), nullptr);
  ASSERT_NE(connection.Execute("insert into Other values (1)"), nullptr);
  EXPECT_EQ(Text(connection, "select flag from Other"), "-1");
}

TEST_F(Limits, ADatabaseReadUnderLimitsGivesTablesOnlyWithinItsBudgets) {
  Make(YesNoTable("Wide", 20) +
       "CREATE TABLE Log (ID INTEGER PRIMARY KEY, Action TEXT, "
       "  Parameter BLOB GENERATED ALWAYS AS (zeroblob(ID * 1000)) VIRTUAL);"
       "INSERT INTO Log (ID, Action) VALUES (1, 'a'), (2, 'b'), (3, 'c');"
       "CREATE TABLE Many (x);"
       "INSERT INTO Many WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM c WHERE i<11)"
       "  SELECT i FROM c;"
       "CREATE VIEW URLs AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x+1 FROM c)"
       "  SELECT x AS URL FROM c;"
       "CREATE VIRTUAL TABLE Mail USING fts5(body);");
  ReadLimits limits;
  limits.steps = 100'000;
  limits.longestValue = 2500;
  limits.rows = 10;
  limits.bytes = 8 * sizeof(Variant) + 2000;
  limits.folder = tmp_.Path().string();
  Connection connection;
  ASSERT_TRUE(connection.OpenWithLimits(Source(file_), limits))
      << connection.Errors()[0].description;
  EXPECT_EQ(Triggers(connection), 0);

  struct Case {
    const char* sql;
    const char* error;  // "" when it reads
  } cases[] = {
      {"select * from Wide", ""},
      {"select Parameter from Log where ID = 2", ""},
      {"select * from URLs", "URLs is a view, not a table"},
      {"select * from Mail", "no such module: fts5"},
      {"select count(*) from Many a, Many b, Many c, Many d, Many e, Many f",
       "stopped after 100000 steps"},
      {"with recursive c(x) as (select 1 union all select x+1 from c) select count(*) from c",
       "c is a view, not a table"},
      {"select Parameter from Log where ID = 3", "string or blob too big"},
      {"select x from Many", "more than 10 rows"},
      {"select Action, Parameter from Log where ID < 3", "more than"},
      {"insert into Wide (b0) values (1)", "read-only"},
      {"attach 'elsewhere.db' as e", "too many attached databases"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sql);
    Recordset rs;
    const bool read = rs.Open(c.sql, connection);
    EXPECT_EQ(read, *c.error == '\0');
    if (!read) {
      ASSERT_FALSE(connection.Errors().empty());
      EXPECT_NE(connection.Errors()[0].description.find(c.error), std::string::npos)
          << connection.Errors()[0].description;
    }
  }
  // Each statement starts with its whole budget again.
  EXPECT_EQ(Text(connection, "select count(*) from Many"), "11");
  EXPECT_EQ(Triggers(connection), 0);
}

}  // namespace
}  // namespace ado
