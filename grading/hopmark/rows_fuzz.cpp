// libFuzzer target: a network database whose rows come from the input, graded. Each input line
// is one row: a letter for the table, then its values separated by tabs, put in by bound
// parameters as a paper or the browser would store them; a line "S", tab, statement runs the
// statement first, so the file can take any shape a candidate could give it (a view for a table,
// a generated column, tables of many yes/no columns). Whatever the values (quotes, odd numbers,
// names of columns that do not exist, Chinese text) and the shape, the run ends with Rate 100, a
// score of at most 100 and a report that starts with the database's path.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "grading/hopmark/driver.h"
#include "netdb/network_database.h"
#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"

namespace {

namespace fs = std::filesystem;

struct Table {
  char letter;
  const char* insert;
  size_t columns;
};

// The columns the grader reads, per table.
constexpr Table kTables[] = {
    {'U', "insert into URLs (URL, Browsed, ItemScore) values (?, ?, ?)", 3},
    {'F', "insert into Favourite (Name, URL, Root, ItemScore) values (?, ?, ?, ?)", 4},
    {'D', "insert into Download (File, ItemScore) values (?, ?)", 2},
    {'L', "insert into Log (Action, Parameter, ItemScore) values (?, ?, ?)", 3},
    {'M', "insert into Mail (Type, 收件人, 主题, 内容) values (?, ?, ?, ?)", 4},
    {'R', "insert into MailRules (Mail, Name, Parameter, ItemScore) values (?, ?, ?, ?)", 4},
    {'A', "insert into Account (用户Email地址, DefaultAccount) values (?, ?)", 2},
    {'C', "insert into AccountRules (Action, Parameter, ItemScore) values (?, ?, ?)", 3},
};

// A template database made once; each input starts from a copy.
const fs::path& Template() {
  static const fs::path file = [] {
    // In memory where the machine has it: every input writes the file.
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path folder = base / ("hopmark_fuzz_" + std::to_string(getpid()));
    fs::create_directories(folder / "Netkt");
    static const fs::path removed = folder;
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(removed, ec);
    });
    const fs::path t = folder / "template.net";
    fs::remove(t);
    if (!netdb::CreateNetworkDatabase(t)) std::abort();
    return t;
  }();
  return file;
}

void InsertRows(ado::Connection& db, std::string_view input) {
  size_t start = 0;
  while (start < input.size()) {
    size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    const std::string_view line = input.substr(start, end - start);
    start = end + 1;
    if (line.empty()) continue;
    if (line[0] == 'S') {
      db.Execute(line.substr(std::min<size_t>(2, line.size())));
      continue;
    }
    for (const Table& t : kTables) {
      if (t.letter != line[0]) continue;
      std::vector<ado::Variant> values;
      size_t at = 1;
      while (values.size() < t.columns) {
        if (at < line.size() && line[at] == '\t') ++at;
        const size_t tab = std::min(line.find('\t', at), line.size());
        values.push_back(ado::Variant::String(std::string(line.substr(at, tab - at))));
        at = tab;
      }
      db.Execute(t.insert, values);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static win::MessageCapture boxes;
  boxes.Clear();
  const fs::path folder = Template().parent_path();
  const fs::path file = folder / "Netkt" / "net.net";
  fs::copy_file(Template(), file, fs::copy_options::overwrite_existing);
  {
    ado::Connection db;
    if (!db.Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + win::ToWindowsPath(file)))
      std::abort();
    // One transaction: one write to disk per input.
    db.Execute("BEGIN");
    InsertRows(db, std::string_view(reinterpret_cast<const char*>(data), size));
    db.Execute("COMMIT");
  }
  hopmark::RunValues v;
  v.StudentDir = win::ToWindowsPath(folder) + "\\";
  const std::optional<std::string> report = hopmark::RunGrading(v, netdb::PathGlobals{});
  if (!report || report->rfind(v.DB, 0) != 0 || v.Rate != 100 || v.Score > 100) std::abort();
  return 0;
}
