// Reading a Jet file with mdbtools in a child process, and the read-only in-memory database.
#include "platform/ado/jet_file.h"

#include <fcntl.h>
#include <mdbtools.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

#include "platform/ado/jet_stream.h"

namespace ado::detail {
namespace {

namespace fs = std::filesystem;

constexpr int kOffsetMask = 0x1FFF;      // a row's offset on its page, without the flags
constexpr int kLongValueHeader = 12;     // memo and OLE values start with length and pointer
constexpr size_t kDrainSize = 1 << 18;   // the reader passes rows on in pieces of this size
constexpr size_t kMaxStream = 1u << 29;  // more than any seating database gives
constexpr rlim_t kReaderMemory = rlim_t{1} << 30;

bool WriteAll(int fd, std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  data.clear();
  return true;
}

// The bytes of a memo or OLE value: kept in the row itself, in one row of another page, or
// chained over rows of other pages. False when the chain is broken or disagrees with the length
// the value states.
bool ReadLongValue(MdbHandle* mdb, int start, int size, std::string& out) {
  out.clear();
  if (size < kLongValueHeader) return false;
  const auto head = static_cast<uint32_t>(mdb_get_int32(mdb->pg_buf, start));
  const uint32_t length = head & 0x3FFFFFFF;
  if (head & 0x80000000u) {
    out.assign(reinterpret_cast<const char*>(mdb->pg_buf) + start + kLongValueHeader,
               static_cast<size_t>(size - kLongValueHeader));
    return true;
  }
  int pgRow = static_cast<int>(mdb_get_int32(mdb->pg_buf, start + 4));
  void* page = nullptr;
  int rowStart = 0;
  size_t rowSize = 0;
  if (head & 0x40000000u) {
    if (mdb_find_pg_row(mdb, pgRow, &page, &rowStart, &rowSize) != 0 || rowSize < length)
      return false;
    out.assign(static_cast<const char*>(page) + rowStart, length);
    return true;
  }
  // Each link holds the next link's page and row, then data; every link must carry data, so
  // a chain that loops runs past the length and stops.
  while (pgRow != 0) {
    if (mdb_find_pg_row(mdb, pgRow, &page, &rowStart, &rowSize) != 0 || rowSize <= 4 ||
        out.size() + rowSize - 4 > length)
      return false;
    out.append(static_cast<const char*>(page) + rowStart + 4, rowSize - 4);
    pgRow = static_cast<int>(mdb_get_int32(page, rowStart));
  }
  return out.size() == length;
}

// Stored text to UTF-8: Jet 4 and later keep UTF-16, Jet 3 the file's code page.
std::string TextOf(MdbHandle* mdb, std::string_view raw) {
  if (mdb->f->jet_version != MDB_VER_JET3) return Jet4TextToUtf8(raw);
  std::string out(raw.size() * 3 + 16, '\0');
  const int n = mdb_unicode2ascii(mdb, raw.data(), raw.size(), out.data(), out.size() - 1);
  out.resize(static_cast<size_t>(std::clamp(n, 0, static_cast<int>(out.size()) - 1)));
  return out;
}

// One field of the current row into the stream; false when it lies outside its page.
bool WriteValue(MdbHandle* mdb, const MdbColumn& column, const MdbField& field,
                JetStreamWriter& out) {
  // A yes/no value is the row's null bit itself.
  if (column.col_type == MDB_BOOL) {
    out.Integer(field.is_null ? 0 : -1);
    return true;
  }
  if (field.is_null) {
    out.Null();
    return true;
  }
  if (field.start < 0 || field.siz < 0 || field.start + field.siz > mdb->fmt->pg_size) return false;
  const unsigned char* at = mdb->pg_buf + field.start;
  const std::string_view raw(reinterpret_cast<const char*>(at), static_cast<size_t>(field.siz));
  const auto fits = [&](int size) { return field.siz >= size; };
  std::string bytes;
  char* text = nullptr;
  switch (column.col_type) {
    case MDB_BYTE:
      if (!fits(1)) return false;
      out.Integer(at[0]);
      return true;
    case MDB_INT:
      if (!fits(2)) return false;
      out.Integer(static_cast<int16_t>(mdb_get_int16(mdb->pg_buf, field.start)));
      return true;
    case MDB_LONGINT:
    case MDB_COMPLEX:
      if (!fits(4)) return false;
      out.Integer(static_cast<int32_t>(mdb_get_int32(mdb->pg_buf, field.start)));
      return true;
    case MDB_MONEY: {
      if (!fits(8)) return false;
      uint64_t bits = 0;
      for (int i = 7; i >= 0; --i) bits = bits << 8 | at[i];
      out.Integer(static_cast<int64_t>(bits));
      return true;
    }
    case MDB_FLOAT:
      if (!fits(4)) return false;
      out.Real(mdb_get_single(mdb->pg_buf, field.start));
      return true;
    case MDB_DOUBLE:
    case MDB_DATETIME:
      if (!fits(8)) return false;
      out.Real(mdb_get_double(mdb->pg_buf, field.start));
      return true;
    case MDB_TEXT:
      out.Text(TextOf(mdb, raw));
      return true;
    case MDB_MEMO:
    case MDB_OLE:
      if (field.siz > 0 && !ReadLongValue(mdb, field.start, field.siz, bytes)) return false;
      if (column.col_type == MDB_MEMO)
        out.Text(TextOf(mdb, bytes));
      else
        out.Bytes(bytes);
      return true;
    case MDB_REPID:
      if (!fits(16)) return false;
      text = mdb_uuid_to_string(mdb->pg_buf, field.start);
      break;
    case MDB_NUMERIC:
      if (!fits(17)) return false;
      text = mdb_numeric_to_string(mdb, field.start, column.col_scale, column.col_prec);
      break;
    default:
      out.Bytes(raw);
      return true;
  }
  out.Text(text ? text : "");
  g_free(text);
  return true;
}

// Streams one table; the reason it cannot, or "" when it could.
std::string ReadTable(MdbHandle* mdb, MdbCatalogEntry* entry, JetStreamWriter& out, int fd) {
  std::unique_ptr<MdbTableDef, void (*)(MdbTableDef*)> table(mdb_read_table(entry),
                                                             mdb_free_tabledef);
  if (!table) return "its definition cannot be read";
  if (!mdb_read_columns(table.get()) || table->num_cols == 0 ||
      table->columns->len != table->num_cols)
    return "its columns cannot be read";
  std::vector<JetColumn> columns;
  for (unsigned c = 0; c < table->num_cols; ++c) {
    const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
    columns.push_back({column->name, static_cast<uint8_t>(column->col_type)});
  }
  out.Table(table->name, columns);

  std::vector<MdbField> fields(table->num_cols);
  unsigned rows = 0;
  mdb_rewind_table(table.get());
  while (mdb_fetch_row(table.get())) {
    int start = 0;
    size_t size = 0;
    if (table->cur_row == 0 ||
        mdb_find_row(mdb, static_cast<int>(table->cur_row - 1), &start, &size) != 0)
      return "a row cannot be found again";
    start &= kOffsetMask;
    if (mdb_crack_row(table.get(), start, size, fields.data()) < 0) return "a row is damaged";
    out.Row();
    for (unsigned c = 0; c < table->num_cols; ++c) {
      const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
      if (!WriteValue(mdb, *column, fields[c], out))
        return std::string("a value of column ") + column->name + " is damaged";
    }
    ++rows;
    if (out.Buffer().size() >= kDrainSize && !WriteAll(fd, out.Buffer()))
      return "the rows cannot be passed on";
  }
  // Rows on pages that are lost leave the walk early: the table's own count tells.
  if (rows != table->num_rows)
    return std::to_string(rows) + " of its " + std::to_string(table->num_rows) +
           " rows can be read";
  return "";
}

std::string ReadTables(const char* path, JetStreamWriter& out, int fd) {
  MdbHandle* mdb = mdb_open(path, MDB_NOFLAGS);
  if (!mdb) return "the file is no Jet database";
  if (!mdb_read_catalog(mdb, MDB_TABLE)) return "its list of tables cannot be read";
  for (unsigned i = 0; i < mdb->catalog->len; ++i) {
    auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
    if (entry->object_type != MDB_TABLE || !mdb_is_user_table(entry)) continue;
    std::string failure = ReadTable(mdb, entry, out, fd);
    if (!failure.empty()) return "table " + std::string(entry->object_name) + ": " + failure;
  }
  return "";
}

// The data size of this process in bytes, from /proc; 0 when unknown.
rlim_t DataSize() {
  char text[4096];
  const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  const ssize_t n = ::read(fd, text, sizeof text - 1);
  ::close(fd);
  if (n <= 0) return 0;
  text[n] = '\0';
  const char* line = std::strstr(text, "VmData:");
  return line ? static_cast<rlim_t>(std::strtoull(line + 7, nullptr, 10)) * 1024 : 0;
}

// The child: quiet, without a core file, with the library's own character sets, and with room
// for the reading on top of what it already holds, so a looping reader ends soon.
void PrepareReader() {
  const int null = ::open("/dev/null", O_WRONLY);
  if (null >= 0) {
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
  }
  ::unsetenv("MDBICONV");
  ::unsetenv("MDB_JET3_CHARSET");
  ::unsetenv("MDBOPTS");
  const rlimit noCore{0, 0};
  ::setrlimit(RLIMIT_CORE, &noCore);
  rlimit data{};
  if (const rlim_t used = DataSize(); used > 0 && ::getrlimit(RLIMIT_DATA, &data) == 0) {
    data.rlim_cur = std::min(data.rlim_max, used + kReaderMemory);
    ::setrlimit(RLIMIT_DATA, &data);
  }
}

[[noreturn]] void RunReader(const char* path, int fd) {
  PrepareReader();
  JetStreamWriter out;
  const std::string failure = ReadTables(path, out, fd);
  if (failure.empty())
    out.End();
  else
    out.Fail(failure);
  const bool written = WriteAll(fd, out.Buffer());
  ::_exit(written && failure.empty() ? 0 : 1);
}

// The page size of a Jet file (2 KB for Jet 3, 4 KB later) from its header; 0 for any other file.
int JetPageSize(const fs::path& host) {
  std::ifstream in(host, std::ios::binary);
  char head[21] = {};
  if (!in.read(head, sizeof head)) return 0;
  const std::string_view text(head, sizeof head);
  if (text.substr(0, 4) != std::string_view("\0\1\0\0", 4) ||
      (text.substr(4, 16) != std::string_view("Standard Jet DB\0", 16) &&
       text.substr(4, 16) != std::string_view("Standard ACE DB\0", 16)))
    return 0;
  return head[20] == 0 ? 2048 : 4096;
}

}  // namespace

bool IsJetFile(const fs::path& host) {
  return JetPageSize(host) != 0;
}

base::Result<std::string> ReadJetTables(const fs::path& host, std::chrono::milliseconds limit) {
  // Jet files are whole pages: a cut file is damaged.
  const int pageSize = JetPageSize(host);
  if (pageSize == 0) return base::Error::Of("the file is no Jet database");
  std::error_code ec;
  const auto size = fs::file_size(host, ec);
  if (ec) return base::Error::Of("cannot read the file: ", ec.message());
  if (size % static_cast<unsigned>(pageSize) != 0) return base::Error::Of("the file is cut short");

  int pipe[2];
  if (::pipe2(pipe, O_CLOEXEC) != 0)
    return base::Error::Of("cannot start the file reader: ", std::strerror(errno));
  const pid_t child = ::fork();
  if (child < 0) {
    const int error = errno;
    ::close(pipe[0]);
    ::close(pipe[1]);
    return base::Error::Of("cannot start the file reader: ", std::strerror(error));
  }
  if (child == 0) {
    ::close(pipe[0]);
    RunReader(host.c_str(), pipe[1]);
  }
  ::close(pipe[1]);

  enum class Stop { Done, TimedOut, TooLarge, Failed } stop = Stop::Done;
  std::string stream;
  std::vector<char> chunk(1 << 16);
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    if (left <= 0) {
      stop = Stop::TimedOut;
      break;
    }
    pollfd ready{pipe[0], POLLIN, 0};
    const int n = ::poll(&ready, 1, static_cast<int>(std::min<long long>(left, 1000)));
    if (n < 0 && errno != EINTR) {
      stop = Stop::Failed;
      break;
    }
    if (n <= 0) continue;
    const ssize_t got = ::read(pipe[0], chunk.data(), chunk.size());
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (got < 0) {
      stop = Stop::Failed;
      break;
    }
    if (got == 0) break;
    if (stream.size() + static_cast<size_t>(got) > kMaxStream) {
      stop = Stop::TooLarge;
      break;
    }
    stream.append(chunk.data(), static_cast<size_t>(got));
  }
  ::close(pipe[0]);
  if (stop != Stop::Done) ::kill(child, SIGKILL);
  int status = 0;
  pid_t waited;
  while ((waited = ::waitpid(child, &status, 0)) < 0 && errno == EINTR) {
  }
  switch (stop) {
    case Stop::TimedOut:
      return base::Error::Of("the file could not be read within ", limit.count() / 1000.0,
                             " seconds");
    case Stop::TooLarge:
      return base::Error::Of("the file holds more than can be loaded");
    case Stop::Failed:
      return base::Error::Of("the file reader failed");
    case Stop::Done:
      break;
  }
  if (waited == child && WIFSIGNALED(status))
    return base::Error::Of("the file reader stopped on the damaged file (signal ", WTERMSIG(status),
                           ")");
  return stream;
}

base::Result<sqlite3*> OpenJetDatabase(const fs::path& host, std::chrono::milliseconds limit) {
  base::Result<std::string> stream = ReadJetTables(host, limit);
  if (!stream) return std::move(stream).error();
  sqlite3* build = nullptr;
  if (sqlite3_open_v2(":memory:", &build, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK) {
    sqlite3_close(build);
    return base::Error::Of("cannot make the in-memory database");
  }
  const base::Status loaded = LoadJetStream(*stream, build);
  *stream = std::string();
  if (!loaded) {
    sqlite3_close(build);
    return loaded.error();
  }
  // A database of no tables still needs a page to serialize.
  sqlite3_exec(build, "PRAGMA user_version=1", nullptr, nullptr, nullptr);
  sqlite3_int64 size = 0;
  unsigned char* image = sqlite3_serialize(build, "main", &size, 0);
  sqlite3_close(build);
  if (!image) return base::Error::Of("out of memory for the tables");
  // The image opened read-only: no statement can change it, nor switch that off.
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE, nullptr);
  if (rc == SQLITE_OK)
    rc = sqlite3_deserialize(db, "main", image, size, size,
                             SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY);
  else
    sqlite3_free(image);
  if (rc != SQLITE_OK) {
    sqlite3_close(db);
    return base::Error::WithCode(rc, "cannot open the tables read-only");
  }
  return db;
}

}  // namespace ado::detail
