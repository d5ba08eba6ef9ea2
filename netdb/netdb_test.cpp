// The network database: the schema's typing and coercions, auto-number keys, the action log, the
// read-only open, a failing query, and a Jet file at the database's path.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "netdb/action_log.h"
#include "netdb/ado_connection.h"
#include "netdb/network_database.h"
#include "netdb/testing/browser_steps.h"
#include "netdb/variant_convert.h"
#include "platform/ado/testing/jet_fixture.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;
using ado::Variant;
using netdb::CAdoConnection;
using netdb::RecordsetPtr;

class NetDb : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(netdb::CreateNetworkDatabase(File()));
    ASSERT_TRUE(db_.Open(Path()));
  }
  fs::path File() const { return folder_.Path() / "net.net"; }
  std::string Path() const { return win::ToWindowsPath(File()); }

  // The one value of a one-row query.
  Variant Value(const std::string& sql, const char* field) {
    RecordsetPtr rs;
    Variant v;
    EXPECT_TRUE(db_.OpenRecordset(rs, sql)) << sql;
    if (rs && !rs->IsEOF()) {
      EXPECT_TRUE(rs->GetValue(field, v));
    }
    return v;
  }

  long Rows(const std::string& table) {
    RecordsetPtr rs;
    EXPECT_TRUE(db_.OpenRecordset(rs, "Select * From " + table));
    return rs ? rs->RecordCount() : -1;
  }

  win::testing::ScopedTempFolder folder_{"netdb_"};
  win::MessageCapture boxes_;
  CAdoConnection db_;
};

TEST_F(NetDb, ValuesPutAsTextAreStoredAndReadByTheColumnsDeclaredType) {
  struct Case {
    const char* name;
    const char* table;
    const char* column;
    Variant put;
    uint16_t type;       // as read back
    const char* asText;  // VariantToString of what is read back
  } cases[] = {
      {"True into a yes/no column", "URLs", "Browsed", Variant::String("True"), ado::VT_BOOL,
       "TRUE"},
      {"1 into a yes/no column", "URLs", "Browsed", Variant::String("1"), ado::VT_BOOL, "TRUE"},
      {"False into a yes/no column", "URLs", "Browsed", Variant::String("False"), ado::VT_BOOL,
       "FALSE"},
      {"a number's text into a long column", "Favourite", "Root", Variant::String("-1"), ado::VT_I4,
       "-1"},
      {"a half into a long column rounds to even", "Log", "ItemScore", Variant::R8(2.5), ado::VT_I4,
       "2"},
      {"a date's text into a date column", "Log", "Date", Variant::String("2026-12-11"),
       ado::VT_DATE, "2026-12-11 00:00:00"},
      {"a time's text into a date/time column", "Log", "Time", Variant::String("09:30:05"),
       ado::VT_DATE, "1899-12-30 09:30:05"},
      {"a number into a text column", "Log", "Parameter", Variant::I4(40), ado::VT_BSTR, "40"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordsetPtr rs;
    ASSERT_TRUE(
        db_.OpenRecordset(rs, std::string("Select * From ") + c.table + " where ID is NULL"));
    ASSERT_TRUE(rs->AddNew());
    ASSERT_TRUE(rs->SetValue(c.column, c.put));
    ASSERT_TRUE(rs->Update());
    Variant id;
    ASSERT_TRUE(rs->GetValue("ID", id));
    const Variant got = Value(std::string("Select * From ") + c.table +
                                  " Where ID=" + std::to_string(netdb::VariantToInt(id)),
                              c.column);
    EXPECT_EQ(got.Type(), c.type);
    EXPECT_EQ(netdb::VariantToString(got), c.asText);
  }
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(NetDb, TextThatIsNoNumberIsRefusedByALongColumn) {
  RecordsetPtr rs;
  ASSERT_TRUE(db_.OpenRecordset(rs, "Select * From Favourite where ID is NULL"));
  ASSERT_TRUE(rs->AddNew());
  EXPECT_FALSE(rs->SetValue("Root", Variant::String("top")));
}

TEST_F(NetDb, ADateColumnReadsAsADateTimeAndOthersAsTheNullState) {
  ASSERT_TRUE(netdb::LogAction(db_, netdb::action::kRefresh, ""));
  const netdb::DateTime time = netdb::VariantToDateTime(Value("Select * From Log", "Time"));
  EXPECT_TRUE(time.valid);
  EXPECT_EQ(time.Format().substr(0, 11), "1899-12-30 ");
  const netdb::DateTime none = netdb::VariantToDateTime(Value("Select * From Log", "Action"));
  EXPECT_FALSE(none.valid);
  EXPECT_EQ(none.Format(), "");
}

TEST_F(NetDb, IdsAreNotReusedAfterTheLastRowIsDeleted) {
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(netdb::LogAction(db_, netdb::action::kBack, ""));
  ASSERT_NE(db_.Connection().Execute("delete from Log where ID=3"), nullptr);
  ASSERT_TRUE(netdb::LogAction(db_, netdb::action::kForward, ""));
  EXPECT_EQ(netdb::VariantToInt(Value("Select * From Log order by ID Desc", "ID")), 4);
  ASSERT_NE(db_.Connection().Execute("delete from Log"), nullptr);
  ASSERT_TRUE(netdb::LogAction(db_, netdb::action::kForward, ""));
  EXPECT_EQ(netdb::VariantToInt(Value("Select * From Log", "ID")), 5);
}

TEST_F(NetDb, LogActionAppendsTheActionItsParameterDateAndTime) {
  // 2026-12-11 09:30:05 local time.
  std::tm local{};
  local.tm_year = 126;
  local.tm_mon = 11;
  local.tm_mday = 11;
  local.tm_hour = 9;
  local.tm_min = 30;
  local.tm_sec = 5;
  local.tm_isdst = -1;
  const std::time_t when = std::mktime(&local);
  ASSERT_TRUE(netdb::LogAction(db_, netdb::action::kAddressEntered, "it's www.kirv.cn", when));
  ASSERT_TRUE(netdb::LogAction(db_, netdb::action::kRefresh, "", when));
  RecordsetPtr rs;
  ASSERT_TRUE(db_.OpenRecordset(rs, "Select * From Log order by ID"));
  std::vector<std::string> rows;
  for (; !rs->IsEOF(); rs->MoveNext()) {
    std::string row;
    for (const char* f : {"ID", "Action", "Parameter", "Date", "Time", "ItemScore"}) {
      Variant v;
      EXPECT_TRUE(rs->GetValue(f, v));
      row += netdb::VariantToString(v) + "|";
    }
    rows.push_back(row);
  }
  EXPECT_EQ(rows,
            (std::vector<std::string>{
                "1|地址栏输入并回车|it's www.kirv.cn|2026-12-11 00:00:00|1899-12-30 09:30:05|0|",
                "2|点击 刷新||2026-12-11 00:00:00|1899-12-30 09:30:05|0|"}));
}

TEST_F(NetDb, TheVocabularyHasItsTwentyFourDistinctActions) {
  std::set<std::string_view> names(std::begin(netdb::kActions), std::end(netdb::kActions));
  EXPECT_EQ(names.size(), 24u);
  for (std::string_view name : names) ASSERT_TRUE(netdb::LogAction(db_, name, "p"));
  EXPECT_EQ(Rows("Log"), 24);
}

TEST_F(NetDb, AQueryTheEngineRejectsIsShownAndAnsweredFalse) {
  ASSERT_NE(db_.Connection().Execute("drop table Log"), nullptr);
  EXPECT_FALSE(netdb::LogAction(db_, netdb::action::kStop, ""));
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].text.rfind("ADO Error: ", 0), 0u) << boxes_.Shown()[0].text;
  EXPECT_NE(boxes_.Shown()[0].text.find("Log"), std::string::npos) << boxes_.Shown()[0].text;
}

TEST_F(NetDb, AReadOnlyConnectionReadsAndNeverWrites) {
  ASSERT_TRUE(netdb::LogAction(db_, netdb::action::kHome, ""));
  CAdoConnection reader;
  ASSERT_TRUE(reader.Open(Path(), netdb::OpenMode::ReadOnly));
  RecordsetPtr rs;
  ASSERT_TRUE(reader.OpenRecordset(rs, "Select * From Log"));
  EXPECT_FALSE(rs->IsEOF());
  EXPECT_FALSE(netdb::LogAction(reader, netdb::action::kHome, ""));
  EXPECT_EQ(Rows("Log"), 1);
}

TEST_F(NetDb, TheBrowsersStepsMarkVisitsAndAddRows) {
  ASSERT_NE(db_.Connection().Execute(
                "insert into URLs (URL, FakeURL, ItemScore) values ('www.kirv.cn', 'k/i.htm', 30)"),
            nullptr);
  ASSERT_TRUE(netdb::testing::VisitAddress(db_, "www.kirv.cn"));
  EXPECT_EQ(netdb::VariantToString(Value("Select * From URLs Where Browsed", "URL")),
            "www.kirv.cn");
  const long folder = netdb::testing::AddFavourite(db_, "Study", "", -1);
  EXPECT_GT(folder, 0);
  EXPECT_GT(netdb::testing::AddFavourite(db_, "KIRV", "www.kirv.cn", static_cast<int>(folder)),
            folder);
  EXPECT_EQ(netdb::VariantToInt(Value("Select * From Favourite Where Root=-1", "ItemScore")), 0);
}

TEST(NetDbFile, AJetFileAtTheDatabasesPathIsRefusedAndLeftAsItWas) {
  win::testing::ScopedTempFolder folder("netdb_");
  const fs::path file = folder.Path() / "net.net";
  fs::copy_file(ado::testing::JetFixture(), file);
  const std::string before = ado::testing::ReadBytes(file);
  for (netdb::OpenMode mode : {netdb::OpenMode::ReadWrite, netdb::OpenMode::ReadOnly}) {
    CAdoConnection db;
    base::Status opened = db.Open(win::ToWindowsPath(file), mode);
    ASSERT_FALSE(opened);
    EXPECT_NE(opened.error().message.find(file.string()), std::string::npos)
        << opened.error().message;
    EXPECT_NE(opened.error().message.find("Jet database"), std::string::npos)
        << opened.error().message;
    EXPECT_FALSE(db.IsOpen());
  }
  EXPECT_FALSE(netdb::CreateNetworkDatabase(file));
  EXPECT_EQ(ado::testing::ReadBytes(file), before);
}

TEST(NetDbFile, AFolderWithASemicolonInItsNameOpens) {
  win::testing::ScopedTempFolder folder("netdb_");
  const fs::path file = folder.Path() / "a;b" / "net.net";
  fs::create_directories(file.parent_path());
  ASSERT_TRUE(netdb::CreateNetworkDatabase(file));
  CAdoConnection db;
  base::Status opened = db.Open(win::ToWindowsPath(file), netdb::OpenMode::ReadOnly);
  EXPECT_TRUE(opened) << opened.error().message;
}

TEST(NetDbFile, MissingAndForeignFilesDoNotOpen) {
  win::testing::ScopedTempFolder folder("netdb_");
  CAdoConnection db;
  EXPECT_FALSE(db.Open(win::ToWindowsPath(folder.Path() / "none.net")));
  std::ofstream(folder.Path() / "text.net") << "Not a database at all, just some text.";
  base::Status text = db.Open(win::ToWindowsPath(folder.Path() / "text.net"));
  ASSERT_FALSE(text);
  EXPECT_NE(text.error().message.find("not a network database"), std::string::npos);
  EXPECT_FALSE(db.IsOpen());
}

}  // namespace
