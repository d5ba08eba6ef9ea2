// The ADO layer on real SQLite files: opening, cursors, typing by declared type, yes/no values,
// bound parameters, provider errors and writing rows back.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "platform/win/testing/test_folder.h"

namespace ado {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSchema = R"(
CREATE TABLE [Stu] ([examcode] TEXT COLLATE NOCASE PRIMARY KEY, [Name] TEXT COLLATE NOCASE,
  [State] INTEGER DEFAULT 0, [timeleft] INTEGER DEFAULT 0, [scoreok] BOOLEAN NOT NULL DEFAULT 0,
  [Small] SMALLINT, [Ratio] DOUBLE, [Seen] DATETIME);
INSERT INTO Stu (examcode, Name, State, Ratio) VALUES ('A1', 'Ann', 1, 2.5);
INSERT INTO Stu (examcode, Name, State, Ratio) VALUES ('b2', 'Bob', 0, -2.5);
INSERT INTO Stu (examcode, Name, State, Ratio) VALUES ('C3', 'Cy', 10, 0);
)";

class AdoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = folder_ / "kirv.mdb";
    const base::Status created = CreateDatabase(file_.string(), kSchema);
    ASSERT_TRUE(created) << created.error().message;
    ASSERT_TRUE(connection_.Open(ConnectionText(file_)));
  }
  void TearDown() override { connection_.Close(); }
  static std::string ConnectionText(const fs::path& host) {
    return "Provider=Microsoft.Jet.OLEDB.4.0; Data Source=Z:" + host.string() +
           ";Persist Security Info=False;Jet OLEDB:Database Password=kestrelqu;";
  }
  win::testing::ScopedTempFolder tmp_{"ado_"};
  const fs::path folder_ = tmp_.Path();
  fs::path file_;
  Connection connection_;
};

TEST(AdoConnectionString, ParsesJetForms) {
  auto pairs = ParseConnectionString(
      "Provider=Microsoft.Jet.OLEDB.4.0; Data Source=C:\\a b\\kirv.mdb;Persist Security "
      "Info=False;Jet OLEDB:Database Password=\"p;w\";");
  ASSERT_EQ(pairs.size(), 4u);
  EXPECT_EQ(pairs[1].first, "Data Source");
  EXPECT_EQ(pairs[1].second, "C:\\a b\\kirv.mdb");
  EXPECT_EQ(pairs[3].first, "Jet OLEDB:Database Password");
  EXPECT_EQ(pairs[3].second, "p;w");
}

TEST_F(AdoTest, OpenFailuresLeaveAnErrorAndAClosedConnection) {
  std::ofstream(folder_ / "text.mdb") << "Standard Jet DB, but not really";
  struct Case {
    std::string text;
    std::string description;
  } cases[] = {
      {ConnectionText(folder_ / "missing.mdb"), "Could not find file"},
      {ConnectionText(folder_ / "text.mdb"), "Unrecognized database format"},
      {"Provider=Nothing; Data Source=Z:" + file_.string(), "Provider cannot be found"},
      {"", "Provider cannot be found"},
  };
  for (const auto& c : cases) {
    Connection other;
    EXPECT_FALSE(other.Open(c.text)) << c.text;
    EXPECT_EQ(other.State(), adStateClosed);
    ASSERT_FALSE(other.Errors().empty()) << c.text;
    EXPECT_NE(other.Errors()[0].description.find(c.description), std::string::npos)
        << other.Errors()[0].description;
    EXPECT_EQ(other.Execute("select 1"), nullptr);
  }
}

TEST_F(AdoTest, StaticCursorCountsAndPositions) {
  Recordset rs;
  ASSERT_TRUE(rs.Open("select * from [Stu] order by examcode", connection_, adOpenStatic,
                      adLockOptimistic));
  EXPECT_EQ(rs.RecordCount(), 3);
  EXPECT_EQ(rs.AbsolutePosition(), 1);
  EXPECT_FALSE(rs.IsBOF());
  ASSERT_TRUE(rs.MoveNext());
  ASSERT_TRUE(rs.MoveNext());
  EXPECT_EQ(rs.AbsolutePosition(), 3);
  ASSERT_TRUE(rs.MoveNext());
  EXPECT_TRUE(rs.IsEOF());
  EXPECT_EQ(rs.AbsolutePosition(), adPosEOF);
  EXPECT_FALSE(rs.MoveNext());
  ASSERT_TRUE(rs.SetAbsolutePosition(2));
  Variant v;
  ASSERT_TRUE(rs.GetValue("EXAMCODE", v));
  EXPECT_EQ(v.Text(), "b2");
  EXPECT_FALSE(rs.SetAbsolutePosition(4));
  ASSERT_TRUE(rs.MovePrevious());
  ASSERT_TRUE(rs.MovePrevious());
  EXPECT_TRUE(rs.IsBOF());
  EXPECT_EQ(rs.AbsolutePosition(), adPosBOF);

  Recordset forward;
  ASSERT_TRUE(forward.Open("select * from Stu", connection_));
  EXPECT_EQ(forward.RecordCount(), -1);

  Recordset empty;
  ASSERT_TRUE(empty.Open("select * from Stu where State=99", connection_, adOpenStatic));
  EXPECT_TRUE(empty.IsBOF());
  EXPECT_TRUE(empty.IsEOF());
  EXPECT_EQ(empty.RecordCount(), 0);
  EXPECT_FALSE(empty.MoveFirst());
  EXPECT_FALSE(empty.GetValue("Name", v));
}

TEST_F(AdoTest, FieldsAreTypedByDeclaredType) {
  ASSERT_NE(connection_.Execute("update [Stu] set scoreok=1, Small=7, Seen='2014-07-05 08:05:00' "
                                "where examcode='A1'"),
            nullptr);
  Recordset rs;
  ASSERT_TRUE(
      rs.Open("select examcode, State, scoreok, Small, Ratio, Seen, count(*) as n "
              "from Stu where examcode=?",
              connection_, adOpenStatic, adLockReadOnly, adCmdText, {Variant::String("a1")}));
  struct Case {
    const char* field;
    uint16_t vt;
  } cases[] = {{"examcode", VT_BSTR}, {"state", VT_I4},  {"SCOREOK", VT_BOOL}, {"small", VT_I2},
               {"ratio", VT_R8},      {"seen", VT_DATE}, {"n", VT_I4}};
  for (const auto& c : cases) {
    Variant v;
    ASSERT_TRUE(rs.GetValue(c.field, v)) << c.field;
    EXPECT_EQ(v.Type(), c.vt) << c.field;
  }
  Variant v;
  rs.GetValue("scoreok", v);
  EXPECT_EQ(v.IntValue(), -1);
  rs.GetValue("seen", v);
  EXPECT_EQ(DateToText(v.RealValue()), "2014-07-05 08:05:00");
  EXPECT_FALSE(rs.GetValue("nosuch", v));
}

TEST_F(AdoTest, YesNoColumnsKeepJetTruthValues) {
  // Whatever a statement stores, a yes/no column holds -1 or 0.
  ASSERT_NE(
      connection_.Execute("update [Stu] set scoreok=1 where examcode=?", {Variant::String("b2")}),
      nullptr);
  ASSERT_NE(connection_.Execute("update [Stu] set scoreok=true where examcode='C3'"), nullptr);
  long affected = 0;
  auto rs = connection_.Execute("select * from Stu where scoreok=-1", {}, &affected);
  ASSERT_NE(rs, nullptr);
  int n = 0;
  for (; !rs->IsEOF(); rs->MoveNext()) ++n;
  EXPECT_EQ(n, 2);
}

TEST_F(AdoTest, TextComparesWithoutCaseAndValuesNeverBreakStatements) {
  ASSERT_NE(
      connection_.Execute("insert into [Stu](examcode,Name) values (?,?)",
                          {Variant::String("O'Neil"), Variant::String("x'); drop table Stu;--")}),
      nullptr);
  Recordset rs;
  ASSERT_TRUE(rs.Open("select * from [stu] where EXAMCODE=?", connection_, adOpenStatic,
                      adLockOptimistic, adCmdText, {Variant::String("o'neil")}));
  ASSERT_EQ(rs.RecordCount(), 1);
  Variant v;
  ASSERT_TRUE(rs.GetValue("name", v));
  EXPECT_EQ(v.Text(), "x'); drop table Stu;--");
  ASSERT_TRUE(rs.Open("select * from Stu", connection_, adOpenStatic, adLockOptimistic));
  EXPECT_EQ(rs.RecordCount(), 4);
}

TEST_F(AdoTest, BadStatementsReportProviderErrors) {
  struct Case {
    const char* sql;
    std::vector<Variant> params;
  } cases[] = {
      {"select * from [NoSuchTable]", {}},
      {"selec * from Stu", {}},
      {"select * from Stu where examcode=?", {}},
      {"select * from Stu; delete from Stu", {}},
      {"insert into Stu(examcode) values ('A1')", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(connection_.Execute(c.sql, c.params), nullptr) << c.sql;
    ASSERT_EQ(connection_.Errors().size(), 1u) << c.sql;
    EXPECT_FALSE(connection_.Errors()[0].description.empty());
    EXPECT_FALSE(connection_.Errors()[0].sqlState.empty());
    Recordset rs;
    EXPECT_FALSE(rs.Open(c.sql, connection_, adOpenStatic, adLockOptimistic, adCmdText, c.params));
  }
  auto rs = connection_.Execute("select count(*) from Stu");
  ASSERT_NE(rs, nullptr);
  EXPECT_TRUE(connection_.Errors().empty());
}

TEST_F(AdoTest, AddNewAndEditWriteBackWithCoercion) {
  Recordset rs;
  ASSERT_TRUE(rs.Open("select * from [Stu] where examcode=?", connection_, adOpenStatic,
                      adLockOptimistic, adCmdText, {Variant::String("new")}));
  ASSERT_TRUE(rs.IsEOF());
  ASSERT_TRUE(rs.AddNew());
  EXPECT_EQ(rs.EditMode(), adEditAdd);
  ASSERT_TRUE(rs.SetValue("examcode", Variant::String("NEW")));
  ASSERT_TRUE(rs.SetValue("State", Variant::String("10")));
  ASSERT_TRUE(rs.SetValue("timeleft", Variant::R8(2.5)));  // halves go to even
  ASSERT_TRUE(rs.SetValue("scoreok", Variant::I4(1)));
  ASSERT_TRUE(rs.SetValue("Small", Variant::I4(-3)));
  EXPECT_FALSE(rs.SetValue("Small", Variant::I4(40000)));
  EXPECT_FALSE(rs.SetValue("State", Variant::String("abc")));
  EXPECT_FALSE(rs.SetValue("State", Variant::R8(std::nan(""))));
  ASSERT_TRUE(rs.Update());
  EXPECT_EQ(rs.EditMode(), adEditNone);
  EXPECT_EQ(rs.RecordCount(), 1);

  // The stored row, read fresh.
  Recordset check;
  ASSERT_TRUE(check.Open("select State, timeleft, scoreok, Small from Stu where examcode='new'",
                         connection_, adOpenStatic, adLockReadOnly));
  ASSERT_EQ(check.RecordCount(), 1);
  Variant v;
  check.GetValue("State", v);
  EXPECT_EQ(v.IntValue(), 10);
  check.GetValue("timeleft", v);
  EXPECT_EQ(v.IntValue(), 2);
  check.GetValue("scoreok", v);
  EXPECT_EQ(v.Type(), VT_BOOL);
  EXPECT_EQ(v.IntValue(), -1);
  check.GetValue("Small", v);
  EXPECT_EQ(v.IntValue(), -3);

  // Editing the current row; moving off it stores the change.
  ASSERT_TRUE(rs.MoveFirst());
  ASSERT_TRUE(rs.SetValue("Name", Variant::String("Nina")));
  EXPECT_EQ(rs.EditMode(), adEditInProgress);
  ASSERT_TRUE(rs.MoveNext());
  ASSERT_TRUE(check.Open("select Name from Stu where examcode='new'", connection_, adOpenStatic));
  check.GetValue("Name", v);
  EXPECT_EQ(v.Text(), "Nina");

  // A cancelled addition leaves nothing behind; a failing one stays pending.
  ASSERT_TRUE(rs.AddNew());
  ASSERT_TRUE(rs.SetValue("examcode", Variant::String("gone")));
  ASSERT_TRUE(rs.CancelUpdate());
  ASSERT_TRUE(rs.AddNew());
  ASSERT_TRUE(rs.SetValue("examcode", Variant::String("a1")));  // exists, without regard to case
  EXPECT_FALSE(rs.Update());
  EXPECT_FALSE(connection_.Errors().empty());
  ASSERT_TRUE(rs.CancelUpdate());
  ASSERT_TRUE(check.Open("select * from Stu", connection_, adOpenStatic));
  EXPECT_EQ(check.RecordCount(), 4);
}

TEST_F(AdoTest, DeleteWhileWalkingRemovesEveryRow) {
  Recordset rs;
  ASSERT_TRUE(rs.Open("select * from Stu where State<>? order by examcode", connection_,
                      adOpenStatic, adLockOptimistic, adCmdText, {Variant::I4(10)}));
  ASSERT_EQ(rs.RecordCount(), 2);
  ASSERT_TRUE(rs.Delete());
  Variant v;
  EXPECT_FALSE(rs.GetValue("examcode", v));  // the deleted row is still current
  EXPECT_FALSE(rs.IsEOF());
  ASSERT_TRUE(rs.MoveNext());
  ASSERT_TRUE(rs.GetValue("examcode", v));
  EXPECT_EQ(v.Text(), "b2");
  ASSERT_TRUE(rs.Delete());
  EXPECT_FALSE(rs.IsEOF());
  ASSERT_TRUE(rs.MoveNext());
  EXPECT_TRUE(rs.IsEOF());
  EXPECT_EQ(rs.RecordCount(), 0);
  EXPECT_FALSE(rs.Delete());

  Recordset rest;
  ASSERT_TRUE(rest.Open("select examcode from Stu", connection_, adOpenStatic));
  ASSERT_EQ(rest.RecordCount(), 1);
  rest.GetValue("examcode", v);
  EXPECT_EQ(v.Text(), "C3");
  EXPECT_FALSE(rest.Delete());  // read-only
}

TEST_F(AdoTest, ReadOnlyAndComputedRecordsetsRefuseWrites) {
  Recordset rs;
  ASSERT_TRUE(rs.Open("select * from Stu", connection_, adOpenStatic, adLockReadOnly));
  EXPECT_FALSE(rs.AddNew());
  EXPECT_FALSE(rs.SetValue("Name", Variant::String("x")));
  ASSERT_TRUE(
      rs.Open("select count(*) as n from Stu", connection_, adOpenStatic, adLockOptimistic));
  EXPECT_FALSE(rs.AddNew());
  for (const char* sql : {"select distinct State from Stu", "select State from Stu group by State",
                          "select State from Stu union select timeleft from Stu"}) {
    ASSERT_TRUE(rs.Open(sql, connection_, adOpenStatic, adLockOptimistic)) << sql;
    EXPECT_EQ(rs.RecordCount(), 3) << sql;
    EXPECT_FALSE(rs.SetValue("State", Variant::I4(1))) << sql;
  }
}

TEST_F(AdoTest, RecordsetFailuresLeaveTheProvidersErrorInTheCollection) {
  struct Case {
    const char* name;
    std::function<bool(Recordset&)> action;
    long number;
    const char* description;
  } cases[] = {
      {"moving past the end",
       [](Recordset& rs) { return rs.MoveLast() && rs.MoveNext() && rs.MoveNext(); },
       adErrNoCurrentRecord, "Either BOF or EOF is True"},
      {"a number too large for the column",
       [](Recordset& rs) { return rs.SetValue("Small", Variant::I4(40000)); }, kErrOverflow,
       "Overflow"},
      {"text that is no number",
       [](Recordset& rs) { return rs.SetValue("State", Variant::String("abc")); },
       kJetErrTypeMismatch, "Data type mismatch"},
      {"a field that is not there",
       [](Recordset& rs) { return rs.SetValue("Nothing", Variant::I4(1)); }, adErrItemNotFound,
       "Item cannot be found"},
      {"a position outside the rows", [](Recordset& rs) { return rs.SetAbsolutePosition(0); },
       adErrInvalidArgument, "out of acceptable range"},
      {"a closed recordset", [](Recordset& rs) { return rs.Close() && rs.MoveFirst(); },
       adErrObjectClosed, "the object is closed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Recordset rs;
    ASSERT_TRUE(rs.Open("select * from Stu", connection_, adOpenStatic, adLockOptimistic));
    EXPECT_FALSE(c.action(rs));
    ASSERT_EQ(connection_.Errors().size(), 1u);
    EXPECT_EQ(connection_.Errors()[0].nativeError, c.number);
    EXPECT_NE(connection_.Errors()[0].description.find(c.description), std::string::npos)
        << connection_.Errors()[0].description;
  }
  Recordset readOnly;
  ASSERT_TRUE(readOnly.Open("select * from Stu", connection_));
  EXPECT_FALSE(readOnly.MovePrevious());
  ASSERT_EQ(connection_.Errors().size(), 1u);
  EXPECT_EQ(connection_.Errors()[0].nativeError, adErrFeatureNotAvailable);
}

TEST_F(AdoTest, RecordsetOutlivingItsConnectionFailsCleanly) {
  Recordset rs;
  ASSERT_TRUE(rs.Open("select * from Stu", connection_, adOpenStatic, adLockOptimistic));
  connection_.Close();
  ASSERT_TRUE(rs.SetValue("Name", Variant::String("late")));
  EXPECT_FALSE(rs.Update());
  EXPECT_FALSE(rs.Open("select * from Stu", connection_));
  EXPECT_EQ(connection_.Execute("select 1"), nullptr);
}

}  // namespace
}  // namespace ado
