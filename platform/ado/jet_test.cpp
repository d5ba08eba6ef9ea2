// Jet files made by another program, read through the same ADO layer: typed fields, bound
// parameters, Chinese text, refused writes and damaged files; and the table stream behind it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cstring>
#include <filesystem>

#include "platform/ado/connection.h"
#include "platform/ado/jet_file.h"
#include "platform/ado/jet_stream.h"
#include "platform/ado/recordset.h"
#include "platform/ado/testing/jet_fixture.h"
#include "platform/win/testing/test_folder.h"

namespace ado {
namespace {

namespace fs = std::filesystem;
using testing::JetFixture;
using testing::ReadBytes;
using testing::WriteBytes;

std::string JetConnection(const fs::path& host) {
  return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Z:" + host.string() + ";";
}

std::string FirstError(const Connection& c) {
  return c.Errors().empty() ? "" : c.Errors()[0].description;
}

// The IDCol values of a statement's rows, in order.
std::vector<int64_t> Ids(Connection& c, const std::string& sql,
                         const std::vector<Variant>& params) {
  Recordset rs;
  if (!rs.Open(sql, c, adOpenStatic, adLockReadOnly, adCmdText, params)) return {-1};
  std::vector<int64_t> ids;
  for (; !rs.IsEOF(); rs.MoveNext()) {
    Variant v;
    rs.GetValue("IDCol", v);
    ids.push_back(v.IntValue());
  }
  return ids;
}

// A field's expected type and value: a text, or a number (the date, float or decimal itself,
// unsigned bytes as such, other numbers as integers).
struct FieldCase {
  const char* field;
  uint16_t vt;
  double number;
  const char* text;
};

void ExpectFields(const Recordset& rs, const std::vector<FieldCase>& cases) {
  for (const auto& k : cases) {
    Variant v;
    ASSERT_TRUE(rs.GetValue(k.field, v)) << k.field;
    EXPECT_EQ(v.Type(), k.vt) << k.field;
    if (k.text)
      EXPECT_EQ(v.Text(), k.text) << k.field;
    else if (k.vt == VT_R4 || k.vt == VT_R8 || k.vt == VT_DATE || k.vt == VT_DECIMAL)
      EXPECT_EQ(v.RealValue(), k.number) << k.field;
    else
      EXPECT_EQ(
          k.vt == VT_UI1 ? static_cast<double>(v.UIntValue()) : static_cast<double>(v.IntValue()),
          k.number)
          << k.field;
  }
}

TEST(JetFile, ReadsAnotherProgramsFileWithTypedFields) {
  Connection c;
  ASSERT_TRUE(c.Open(JetConnection(JetFixture()))) << FirstError(c);
  EXPECT_TRUE(c.IsOpen());

  Recordset rs;
  ASSERT_TRUE(rs.Open("select * from DateTest where IDCol = ?", c, adOpenStatic, adLockOptimistic,
                      adCmdText, {Variant::I4(3)}))
      << FirstError(c);
  ASSERT_EQ(rs.RecordCount(), 1);
  ExpectFields(rs, {
                       {"IDCol", VT_I4, 3, nullptr},
                       {"DateTimeCol", VT_DATE, -728, nullptr},  // 1898-01-02
                       {"DateCol", VT_DATE, -363, nullptr},
                       {"TimeCol", VT_DATE, 2, nullptr},
                       {"LongTextCol", VT_BSTR, 0, "Pre-1900 years"},
                       {"shorttextcol", VT_BSTR, 0, "Pre-1900 years"},
                   });

  // Bound dates and texts find rows as in our own files; text compares without case.
  EXPECT_EQ(
      Ids(c, "select IDCol from DateTest where DateCol = ? order by IDCol", {Variant::Date(44532)}),
      (std::vector<int64_t>{1, 5, 6}));
  EXPECT_EQ(Ids(c, "select IDCol from DateTest where ShortTextCol = ?", {Variant::String("HELLO")}),
            (std::vector<int64_t>{1}));
  EXPECT_EQ(Ids(c, "select IDCol from DateTest where DateTimeCol < ? order by DateTimeCol",
                {Variant::Date(0)}),
            (std::vector<int64_t>{4, 3}));

  Recordset all;
  ASSERT_TRUE(all.Open("DateTest", c, adOpenStatic, adLockReadOnly, adCmdTable));
  EXPECT_EQ(all.RecordCount(), 6);
  ASSERT_TRUE(all.SetAbsolutePosition(2));
  Variant v;
  all.GetValue("DateTimeCol", v);
  EXPECT_EQ(v.RealValue(), 2958101);  // 9998-10-30: dates far from today survive the trip
  ASSERT_TRUE(all.SetAbsolutePosition(6));
  all.GetValue("LongTextCol", v);
  EXPECT_NE(v.Text().find("New line\r\nin field"), std::string::npos) << v.Text();
}

TEST(JetFile, RefusesEveryWriteAndLeavesTheFileAlone) {
  const std::string before = ReadBytes(JetFixture());
  Connection c;
  ASSERT_TRUE(c.Open(JetConnection(JetFixture()) + "Mode=ReadWrite;")) << FirstError(c);
  for (const char* sql :
       {"update DateTest set IDCol = 7", "delete from DateTest",
        "insert into DateTest (IDCol) values (9)", "create table Other (a)", "drop table DateTest",
        "alter table DateTest add column Extra TEXT", "pragma user_version = 5"}) {
    EXPECT_EQ(c.Execute(sql), nullptr) << sql;
    EXPECT_NE(FirstError(c).find("read-only"), std::string::npos) << sql << ": " << FirstError(c);
  }

  Recordset rs;
  ASSERT_TRUE(rs.Open("select * from DateTest where IDCol = 1", c, adOpenStatic, adLockOptimistic));
  EXPECT_TRUE(rs.SetValue("ShortTextCol", Variant::String("changed")));
  EXPECT_FALSE(rs.Update());
  EXPECT_NE(FirstError(c).find("read-only"), std::string::npos) << FirstError(c);
  EXPECT_TRUE(rs.CancelUpdate());

  EXPECT_EQ(Ids(c, "select IDCol from DateTest where ShortTextCol = 'Hello'", {}),
            (std::vector<int64_t>{1}));
  EXPECT_EQ(Ids(c, "select IDCol from DateTest", {}).size(), 6u);
  EXPECT_TRUE(ReadBytes(JetFixture()) == before);
}

TEST(JetFile, ChineseTextComesOutAsUtf8) {
  win::testing::ScopedTempFolder tmp("jet_");
  const fs::path copy = tmp.Path() / "考生.mdb";
  testing::WriteChineseJetCopy(copy);
  Connection c;
  ASSERT_TRUE(c.Open(JetConnection(copy))) << FirstError(c);
  Recordset rs;
  ASSERT_TRUE(rs.Open("select * from DateTest where ShortTextCol = ?", c, adOpenStatic,
                      adLockReadOnly, adCmdText,
                      {Variant::String(std::string(testing::kChineseText))}));
  ASSERT_EQ(rs.RecordCount(), 1);
  Variant v;
  rs.GetValue("IDCol", v);
  EXPECT_EQ(v.IntValue(), 3);
  rs.GetValue("LongTextCol", v);
  EXPECT_EQ(v.Text(), testing::kChineseMemo);
  rs.GetValue("ShortTextCol", v);
  EXPECT_EQ(v.Text(), testing::kChineseText);
}

TEST(JetFile, DamagedOrMissingFilesGiveAnError) {
  win::testing::ScopedTempFolder tmp("jet_");
  const std::string good = ReadBytes(JetFixture());
  std::string zeroedData = good;  // the table's only data page (page 20) wiped
  std::memset(zeroedData.data() + 20 * 4096, 0, 4096);
  std::string notJet = good;
  notJet[4] = 'X';
  struct Case {
    const char* name;
    std::string bytes;
    const char* error;
  } cases[] = {
      {"cut within a page", good.substr(0, 149365), "cut short"},
      {"the header page alone", good.substr(0, 4096), "Unrecognized database format"},
      {"the rows' page wiped", zeroedData, "0 of its 6 rows"},
      {"no signature", notJet, "Unrecognized database format"},
  };
  for (const auto& k : cases) {
    const fs::path file = tmp.Path() / (std::string(k.name) + ".mdb");
    WriteBytes(file, k.bytes);
    Connection c;
    EXPECT_FALSE(c.Open(JetConnection(file))) << k.name;
    EXPECT_EQ(c.State(), adStateClosed) << k.name;
    EXPECT_NE(FirstError(c).find(k.error), std::string::npos) << k.name << ": " << FirstError(c);
  }
  Connection missing;
  EXPECT_FALSE(missing.Open(JetConnection(tmp.Path() / "none.mdb")));
  EXPECT_NE(FirstError(missing).find("Could not find file"), std::string::npos);
}

TEST(JetFile, AReaderThatLoopsOnADamagedFileIsStopped) {
  // The tail of a catalog page wiped makes the library loop, eating memory.
  win::testing::ScopedTempFolder tmp("jet_");
  std::string bytes = ReadBytes(JetFixture()).substr(0, 37 * 4096);
  std::memset(bytes.data() + 149365, 0, bytes.size() - 149365);
  const fs::path file = tmp.Path() / "loops.mdb";
  WriteBytes(file, bytes);
  const auto start = std::chrono::steady_clock::now();
  auto read = detail::ReadJetTables(file, std::chrono::milliseconds(1500));
  const auto took = std::chrono::steady_clock::now() - start;
  ASSERT_FALSE(read.has_value());
  EXPECT_LT(took, std::chrono::seconds(10));
  EXPECT_FALSE(read.error().message.empty());
}

// Loads a stream into a new SQLite file and opens that through the connection, to see the
// columns as callers see them.
base::Status LoadIntoFile(const std::string& stream, const fs::path& file) {
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  base::Status loaded = detail::LoadJetStream(stream, db);
  sqlite3_close(db);
  return loaded;
}

TEST(JetStream, ColumnsAreDeclaredAndValuesStoredAsTheProviderTypesThem) {
  using detail::JetType;
  const std::vector<std::pair<const char*, JetType>> columns = {
      {"Paid", JetType::Bool},    {"Room", JetType::Byte},     {"Seat", JetType::Int},
      {"Id", JetType::Long},      {"Fee", JetType::Money},     {"Ratio", JetType::Float},
      {"Score", JetType::Double}, {"Born", JetType::DateTime}, {"Code", JetType::Text},
      {"Note", JetType::Memo},    {"Guid", JetType::Guid},     {"Amount", JetType::Numeric},
      {"Raw", JetType::Binary},   {"Photo", JetType::Ole},     {"Empty", JetType::Text}};
  std::vector<detail::JetColumn> defs;
  for (const auto& [name, type] : columns) defs.push_back({name, static_cast<uint8_t>(type)});
  detail::JetStreamWriter out;
  out.Table("xuesheng", defs);
  out.Row();
  out.Integer(-1);
  out.Integer(200);
  out.Integer(-3);
  out.Integer(70000);
  out.Integer(123456);  // 12.3456
  out.Real(0.5);
  out.Real(2.5);
  out.Real(36526.75);  // 2000-01-01 18:00
  out.Text("0123");
  out.Text("0456");
  out.Text("{6F9619FF-8B86-D011-B42D-00C04FC964FF}");
  out.Text("-12.5");
  out.Bytes(std::string("\0\1", 2));
  out.Bytes("GIF89a");
  out.Null();
  out.End();

  win::testing::ScopedTempFolder tmp("jet_");
  const fs::path file = tmp.Path() / "stream.db";
  const base::Status loaded = LoadIntoFile(out.Buffer(), file);
  ASSERT_TRUE(loaded) << loaded.error().message;
  Connection c;
  ASSERT_TRUE(c.Open(JetConnection(file))) << FirstError(c);
  Recordset rs;
  ASSERT_TRUE(rs.Open("select * from xuesheng where Code = ?", c, adOpenStatic, adLockReadOnly,
                      adCmdText, {Variant::String("0123")}));
  ASSERT_EQ(rs.RecordCount(), 1);
  ExpectFields(rs, {
                       {"Paid", VT_BOOL, -1, nullptr},
                       {"Room", VT_UI1, 200, nullptr},
                       {"Seat", VT_I2, -3, nullptr},
                       {"Id", VT_I4, 70000, nullptr},
                       {"Fee", VT_CY, 123456, nullptr},
                       {"Ratio", VT_R4, 0.5, nullptr},
                       {"Score", VT_R8, 2.5, nullptr},
                       {"Born", VT_DATE, 36526.75, nullptr},
                       {"Code", VT_BSTR, 0, "0123"},
                       {"Note", VT_BSTR, 0, "0456"},
                       {"Guid", VT_BSTR, 0, "{6F9619FF-8B86-D011-B42D-00C04FC964FF}"},
                       {"Amount", VT_DECIMAL, -12.5, nullptr},
                       {"Empty", VT_NULL, 0, nullptr},
                   });
  Variant photo;
  rs.GetValue("Photo", photo);
  EXPECT_EQ(std::string(photo.ByteArray().begin(), photo.ByteArray().end()), "GIF89a");
  Variant raw;
  rs.GetValue("Raw", raw);
  EXPECT_EQ(raw.ByteArray(), (std::vector<unsigned char>{0, 1}));
}

TEST(JetStream, AFailedOrCutStreamLoadsNothing) {
  detail::JetStreamWriter failed;
  failed.Table("T", {{"A", static_cast<uint8_t>(detail::JetType::Long)}});
  failed.Row();
  failed.Integer(1);
  failed.Fail("table T: 1 of its 2 rows can be read");
  detail::JetStreamWriter whole;
  whole.Table("T", {{"A", static_cast<uint8_t>(detail::JetType::Long)}});
  whole.Row();
  whole.Integer(1);
  whole.End();
  const std::string good = whole.Buffer();
  struct Case {
    const char* name;
    std::string stream;
    const char* error;
  } cases[] = {
      {"the reader's reason", failed.Buffer(), "1 of its 2 rows"},
      {"cut within a value", good.substr(0, good.size() - 4), "stopped in table T"},
      {"no end", good.substr(0, good.size() - 1), "stopped in table T"},
      {"bytes after the end", good + "R", "malformed"},
      {"not a stream", "SQLite format 3", "no tables"},
  };
  for (const auto& k : cases) {
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    const base::Status loaded = detail::LoadJetStream(k.stream, db);
    ASSERT_FALSE(loaded) << k.name;
    EXPECT_NE(loaded.error().message.find(k.error), std::string::npos)
        << k.name << ": " << loaded.error().message;
    EXPECT_NE(sqlite3_exec(db, "select * from T", nullptr, nullptr, nullptr), SQLITE_OK) << k.name;
    sqlite3_close(db);
  }
}

TEST(JetText, StoredFormsToUtf8) {
  struct Case {
    const char* name;
    std::string stored;
    std::string utf8;
  } cases[] = {
      {"compressed", "\xFF\xFEHello", "Hello"},
      {"compressed Latin-1",
       "\xFF\xFE"
       "caf\xE9",
       "caf\xC3\xA9"},
      {"switched to two bytes",
       std::string("\xFF\xFE"
                   "A\0\x03\x80\0B",
                   8),
       "A考B"},
      {"UTF-16LE", std::string("\x03\x80\x3A\x57", 4), "考场"},
      {"surrogate pair", std::string("\x3D\xD8\x00\xDE", 4), "😀"},
      {"lone surrogate",
       std::string("\x3D\xD8"
                   "A\0",
                   4),
       "\xEF\xBF\xBD"
       "A"},
      {"odd last byte", std::string("A\0B", 3), "A"},
      {"empty", "", ""},
  };
  for (const auto& k : cases) EXPECT_EQ(detail::Jet4TextToUtf8(k.stored), k.utf8) << k.name;
}

}  // namespace
}  // namespace ado
