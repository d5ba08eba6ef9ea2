// Fuzz target: connection strings, date texts, the coercion of any text or number to every
// declared column type, and statements run on a small database of the exam's shape. Nothing may
// crash; dates that read must print and read back alike; a recordset operation that fails must
// leave its error in the connection's Errors collection. The first byte chooses the part; the
// seeds in ado_fuzz_seeds/ are real statements of the exam client and three runaway ones that
// must stop by the budget below. Jet text and the Jet table stream (a first byte of 4 or more
// above a multiple of 8) must never crash either.
//
// An input runs the same way on any machine at any load: a statement's work is bounded by counts
// (virtual machine steps, value sizes), never by time, so a recursive query or zeroblob(1e9) fails
// with its error instead of running into the fuzzer's timeout or memory limit; 'now' is a fixed
// moment and random() a sequence that starts again with each input.
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/ado/connection.h"
#include "platform/ado/jet_stream.h"
#include "platform/ado/recordset.h"
#include "platform/ado/sqlite_values.h"
#include "platform/ado/variant.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kSchema = R"(
CREATE TABLE [Stu] ([examcode] TEXT COLLATE NOCASE NOT NULL PRIMARY KEY, [Name] TEXT COLLATE NOCASE,
  [State] INTEGER DEFAULT 0, [timeleft] INTEGER DEFAULT 0, [Papers] TEXT COLLATE NOCASE,
  [Score] TEXT COLLATE NOCASE, [scoreok] BOOLEAN NOT NULL DEFAULT 0,
  [sendok] BOOLEAN NOT NULL DEFAULT 0);
CREATE TABLE [Const] ([SelectCount] INTEGER DEFAULT 0, [TestDir] TEXT COLLATE NOCASE);
CREATE TABLE [Module] ([ModuleID] INTEGER NOT NULL PRIMARY KEY, [Name] TEXT COLLATE NOCASE,
  [Enabled] BOOLEAN NOT NULL DEFAULT 0);
CREATE TABLE [Paper] ([PaperID] INTEGER NOT NULL PRIMARY KEY, [ModuleID] INTEGER DEFAULT 0,
  [Name] TEXT COLLATE NOCASE, [AttFile] TEXT COLLATE NOCASE, [PaperFile] TEXT COLLATE NOCASE,
  [TimeLimit] INTEGER DEFAULT 0);
CREATE TABLE [Kinds] ([Small] SMALLINT, [Tiny] BYTE, [Money] CURRENCY, [Ratio] DOUBLE,
  [Single] SINGLE, [Amount] DECIMAL, [Seen] DATETIME, [Flag] BIT, [Data] BLOB, [Memo] MEMO);
INSERT INTO Stu (examcode, Name, State, timeleft, Papers) VALUES ('26001010101', '张三', 0, 6000, '1-101|0-a,b');
INSERT INTO Stu (examcode, Name, State, scoreok) VALUES ('26001010104', 'Li', 10, 1);
INSERT INTO Const VALUES (10, 'D:\KirvExam');
INSERT INTO Module VALUES (0, '单项选择', -1), (1, 'Windows', 1), (2, '文字处理', 0);
INSERT INTO Paper VALUES (101, 1, 'win1', 'win1.7z', 'win1.rtf', 100), (102, 1, 'win2', 'win2.7z', 'win2.rtf', 90);
INSERT INTO Kinds VALUES (-3, 200, 12.5, 2.5, 0.25, 1.125, '2024-06-01 08:05:00', 1, x'00ff', 'memo');
)";

// What one input's statements may use: about kStepsPerCheck × kChecksPerInput virtual machine
// steps and values of kLongestValue bytes; each input's random() sequence.
constexpr int kStepsPerCheck = 100;
constexpr int kChecksPerInput = 200;
constexpr int kLongestValue = 4096;

struct InputBudget {
  int checksLeft = kChecksPerInput;
  uint64_t random = 0;
};

// Nonzero stops the statement with SQLITE_INTERRUPT.
int CheckSteps(void* budget) {
  return --static_cast<InputBudget*>(budget)->checksLeft < 0;
}

uint64_t NextRandom(sqlite3_context* context) {
  uint64_t& state = static_cast<InputBudget*>(sqlite3_user_data(context))->random;
  state = state * 6364136223846793005ULL + 1442695040888963407ULL;
  return state;
}

void Random(sqlite3_context* context, int, sqlite3_value**) {
  sqlite3_result_int64(context, static_cast<sqlite3_int64>(NextRandom(context)));
}

// randomblob(N): N bytes, at least one.
void RandomBlob(sqlite3_context* context, int, sqlite3_value** args) {
  const sqlite3_int64 n = std::max<sqlite3_int64>(sqlite3_value_int64(args[0]), 1);
  if (n > sqlite3_limit(sqlite3_context_db_handle(context), SQLITE_LIMIT_LENGTH, -1)) {
    sqlite3_result_error_toobig(context);
    return;
  }
  std::string bytes(static_cast<size_t>(n), '\0');
  for (char& byte : bytes) byte = static_cast<char>(NextRandom(context) >> 56);
  sqlite3_result_blob64(context, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
}

// 2026-06-01 08:00 as a Julian day in milliseconds.
constexpr sqlite3_int64 kNowMs = 2461192LL * 86400000 + 20LL * 3600000;

// The default file system of SQLite with a clock that stands still, made the default.
void UseFixedClock() {
  static sqlite3_vfs vfs = [] {
    sqlite3_vfs fixed = *sqlite3_vfs_find(nullptr);
    fixed.zName = "kirv-fuzz-fixed-clock";
    fixed.xCurrentTime = [](sqlite3_vfs*, double* now) {
      *now = static_cast<double>(kNowMs) / 86400000.0;
      return SQLITE_OK;
    };
    fixed.xCurrentTimeInt64 = [](sqlite3_vfs*, sqlite3_int64* now) {
      *now = kNowMs;
      return SQLITE_OK;
    };
    return fixed;
  }();
  if (sqlite3_vfs_register(&vfs, 1) != SQLITE_OK) std::abort();
}

// A pristine database made once, and the copy each statement runs on.
struct Files {
  fs::path pristine, work;
};

const Files& Database() {
  static const Files files = [] {
    std::string folder = (fs::temp_directory_path() / "kirv-ado-fuzzXXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) std::abort();
    static const fs::path made = folder;
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(made, ec);
    });
    UseFixedClock();
    Files f{made / "pristine.mdb", made / "kirv.mdb"};
    if (!ado::CreateDatabase(f.pristine.string(), kSchema)) std::abort();
    return f;
  }();
  return files;
}

// A recordset operation that failed must say why in the connection's Errors collection.
void MustReport(bool ok, const ado::Connection& connection) {
  if (!ok && connection.Errors().empty()) std::abort();
}

// Runs a statement (its parameters follow it, each after a NUL) as a command and as an
// updatable recordset that is walked, changed, added to and deleted from.
void RunStatement(const std::string& input) {
  const Files& files = Database();
  std::error_code ec;
  fs::copy_file(files.pristine, files.work, fs::copy_options::overwrite_existing, ec);
  if (ec) {
    // What an earlier statement left under the work file's name is no reason to stop: start it
    // afresh, and say why should even that fail.
    fs::remove_all(files.work, ec);
    fs::copy_file(files.pristine, files.work, ec);
    if (ec) {
      std::fprintf(stderr, "cannot copy the pristine database: %s\n", ec.message().c_str());
      std::abort();
    }
  }
  std::vector<std::string> parts;
  for (size_t start = 0;;) {
    const size_t end = input.find('\0', start);
    parts.push_back(input.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  std::vector<ado::Variant> params;
  for (size_t i = 1; i < parts.size(); ++i)
    params.push_back(i % 2 ? ado::Variant::String(parts[i])
                           : ado::Variant::I4(static_cast<int32_t>(parts[i].size())));

  InputBudget budget;  // outlives the connection that calls back into it
  ado::Connection connection;
  if (!connection.Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Z:" + files.work.string()))
    std::abort();
  // Statements may name other files (ATTACH, VACUUM INTO, which attaches its target): with no
  // database to attach, none is made or reached.
  sqlite3* db = connection.Shared()->db;
  sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
  sqlite3_limit(db, SQLITE_LIMIT_LENGTH, kLongestValue);
  sqlite3_progress_handler(db, kStepsPerCheck, CheckSteps, &budget);
  if (sqlite3_create_function(db, "random", 0, SQLITE_UTF8, &budget, Random, nullptr, nullptr) !=
          SQLITE_OK ||
      sqlite3_create_function(db, "randomblob", 1, SQLITE_UTF8, &budget, RandomBlob, nullptr,
                              nullptr) != SQLITE_OK)
    std::abort();
  long affected = 0;
  if (!connection.Execute(parts[0], params, &affected) && connection.Errors().empty()) std::abort();

  ado::Recordset rs;
  const bool opened = rs.Open(parts[0], connection, ado::adOpenStatic, ado::adLockOptimistic,
                              ado::adCmdText, params);
  MustReport(opened, connection);
  if (!opened) return;
  const ado::Variant text = ado::Variant::String(parts.size() > 1 ? parts[1] : parts[0]);
  for (int rows = 0; !rs.IsEOF() && rows < 50; ++rows) {
    for (size_t f = 0; f < rs.Fields().size(); ++f) {
      ado::Variant value;
      rs.GetValue(f, value);
      ado::DateToText(ado::AsDouble(value).value_or(0));
    }
    if (!rs.Fields().empty()) {
      MustReport(rs.SetValue(rs.Fields()[0].name, text), connection);
      if (rs.EditMode() != ado::adEditNone) MustReport(rs.Update(), connection);
    }
    if (rows == 1) MustReport(rs.Delete(), connection);
    MustReport(rs.MoveNext(), connection);
  }
  if (rs.AddNew()) {
    for (const ado::Field& field : rs.Fields()) rs.SetValue(field.name, text);
    MustReport(rs.Update(), connection);
    rs.CancelUpdate();
  }
  rs.MovePrevious();
  rs.Close();
}

void ReadJet(const std::string& text) {
  ado::detail::Jet4TextToUtf8(text);
  // After the stream's header, so that the fuzzer reaches the records.
  ado::detail::JetStreamWriter header;
  sqlite3* db = nullptr;
  if (sqlite3_open(":memory:", &db) == SQLITE_OK)
    (void)ado::detail::LoadJetStream(header.Buffer() + text, db);
  sqlite3_close(db);
}

void CoerceEverywhere(const std::string& text) {
  double number = 0;
  if (text.size() >= sizeof number) std::memcpy(&number, text.data(), sizeof number);
  const ado::Variant inputs[] = {ado::Variant::String(text), ado::Variant::R8(number),
                                 ado::Variant::Date(number),
                                 ado::Variant::Currency(static_cast<int64_t>(text.size()) * 12345)};
  for (const auto& in : inputs) {
    for (int kind = 0; kind <= static_cast<int>(ado::detail::Kind::Blob); ++kind)
      (void)ado::detail::CoerceTo(in, static_cast<ado::detail::Kind>(kind));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] % 8 >= 4) {
    ReadJet(text);
    return 0;
  }
  switch (data[0] % 4) {
    case 0:
      ado::ParseConnectionString(text);
      break;
    case 1:
      if (auto date = ado::DateFromText(text)) {
        std::string printed = ado::DateToText(*date);
        if (!printed.empty() && !ado::DateFromText(printed)) std::abort();
      }
      break;
    case 2:
      CoerceEverywhere(text);
      break;
    default:
      RunStatement(text);
      break;
  }
  return 0;
}
