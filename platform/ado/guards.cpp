// Yes/no triggers made where a statement writes, and the guards of a database someone else wrote.
#include "platform/ado/guards.h"

#include <cstring>
#include <string_view>

#include "platform/ado/sqlite_values.h"
#include "platform/base/text.h"

namespace ado::detail {
namespace {

// Columns one trigger keeps: its condition is an OR of one term per column, and SQLite refuses an
// expression deeper than 1000.
constexpr size_t kColumnsPerTrigger = 50;
constexpr int kStepsPerCheck = 1000;

std::string Folded(const char* name) {
  return base::AsciiLower(name);
}

int NoteWrites(void* data, int action, const char* a, const char* b, const char* schema,
               const char* /*trigger or view*/) {
  Database& database = *static_cast<Database*>(data);
  const bool main = schema != nullptr && std::strcmp(schema, "main") == 0;
  switch (action) {
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
      if (main && a != nullptr && database.armed.count(Folded(a)) == 0) {
        bool noted = false;
        for (const std::string& t : database.writes) noted = noted || base::EqualsNoCase(t, a);
        if (!noted) database.writes.emplace_back(a);
      }
      break;
    // A table made again, or given columns, gets its triggers made again at its next write.
    case SQLITE_DROP_TABLE:
      if (a != nullptr) database.armed.erase(Folded(a));
      break;
    case SQLITE_ALTER_TABLE:
      if (b != nullptr) database.armed.erase(Folded(b));
      break;
    default:
      break;
  }
  return SQLITE_OK;
}

std::vector<std::string> YesNoColumns(sqlite3* db, const std::string& table) {
  std::vector<std::string> columns;
  Statement info;
  const std::string pragma = "PRAGMA main.table_info(" + QuoteName(table) + ")";
  if (sqlite3_prepare_v2(db, pragma.c_str(), -1, &info.handle, nullptr) != SQLITE_OK)
    return columns;
  while (sqlite3_step(info.handle) == SQLITE_ROW) {
    const char* column = reinterpret_cast<const char*>(sqlite3_column_text(info.handle, 1));
    const char* type = reinterpret_cast<const char*>(sqlite3_column_text(info.handle, 2));
    if (column && KindOfDeclType(type ? type : "") == Kind::Bool) columns.emplace_back(column);
  }
  return columns;
}

// Yes/no columns hold -1 or 0 as Jet keeps them, whatever a statement stores ("set scoreok=1"),
// so that "Root=-1" finds what "Root=true" stored; Null stays Null. Temporary triggers, so the file
// is left as it is.
bool ArmTable(sqlite3* db, const std::string& table) {
  const std::vector<std::string> columns = YesNoColumns(db, table);
  bool made = false;
  for (size_t first = 0; first < columns.size(); first += kColumnsPerTrigger) {
    std::string set, when, of;
    for (size_t i = first; i < columns.size() && i < first + kColumnsPerTrigger; ++i) {
      const std::string c = QuoteName(columns[i]);
      const char* separator = i == first ? "" : ", ";
      set += separator + c + " = CASE WHEN " + c + " IS NULL THEN NULL WHEN " + c +
             " THEN -1 ELSE 0 END";
      when += std::string(i == first ? "" : " OR ") + "(NEW." + c + " IS NOT NULL AND NEW." + c +
              " NOT IN (0, -1))";
      of += separator + c;
    }
    const std::string body = " FOR EACH ROW WHEN " + when + " BEGIN UPDATE " + QuoteName(table) +
                             " SET " + set + " WHERE rowid = NEW.rowid; END";
    const std::string group = std::to_string(first / kColumnsPerTrigger) + "_" + table;
    for (const std::string& event : {std::string("INSERT"), "UPDATE OF " + of}) {
      const std::string name = QuoteName("kirv_yesno_" + event.substr(0, 1) + group);
      const std::string sql = "DROP TRIGGER IF EXISTS temp." + name + "; CREATE TEMP TRIGGER " +
                              name + " AFTER " + event + " ON main." + QuoteName(table) + body;
      made = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK || made;
    }
  }
  return made;
}

int CheckBudget(void* data) {
  Database& database = *static_cast<Database*>(data);
  if (--database.checksLeft < 0) {
    database.stopped = "the statement was stopped after " + std::to_string(database.limits->steps) +
                       " steps of the database engine";
    return 1;
  }
  if (std::chrono::steady_clock::now() > database.deadline) {
    database.stopped =
        "the statement was stopped after " + std::to_string(database.limits->time.count()) + " ms";
    return 1;
  }
  return 0;
}

// Only tables: whatever a view of the file (or a common table expression, which SQLite names
// alike) would read is refused, saying which.
int RefuseViews(void* data, int /*action*/, const char*, const char*, const char*,
                const char* view) {
  if (view == nullptr) return SQLITE_OK;
  static_cast<Database*>(data)->stopped = std::string(view) + " is a view, not a table";
  return SQLITE_DENY;
}

// The file system a database someone else wrote is read through.
struct FolderVfs {
  sqlite3_vfs vfs;  // first: SQLite hands this back as the sqlite3_vfs*
  sqlite3_vfs* base;
  std::string folder;  // ends with "/"
  std::string name;
};

FolderVfs& Of(sqlite3_vfs* vfs) {
  return *reinterpret_cast<FolderVfs*>(vfs);
}

bool Inside(sqlite3_vfs* vfs, const char* path) {
  if (path == nullptr) return false;
  const std::string_view p(path);
  return p.starts_with(Of(vfs).folder) && p.find("/..") == std::string_view::npos;
}

}  // namespace

void WatchWrites(Database& database) {
  database.armWrites = true;
  sqlite3_exec(database.db, "PRAGMA recursive_triggers=OFF", nullptr, nullptr, nullptr);
  sqlite3_set_authorizer(database.db, NoteWrites, &database);
}

bool ArmNotedTables(Database& database) {
  std::vector<std::string> tables;
  tables.swap(database.writes);
  bool made = false;
  for (const std::string& table : tables) {
    // Noted as armed first: the triggers' own updates are writes the watch sees.
    database.armed.insert(base::AsciiLower(table));
    made = ArmTable(database.db, table) || made;
  }
  database.writes.clear();
  return made;
}

std::unique_ptr<sqlite3_vfs, void (*)(sqlite3_vfs*)> MakeFolderVfs(const std::string& folder) {
  auto* made = new FolderVfs{};
  made->base = sqlite3_vfs_find(nullptr);
  made->vfs = *made->base;
  made->vfs.pNext = nullptr;
  made->folder = folder.ends_with('/') ? folder : folder + "/";
  made->name = "kirv-folder-" + std::to_string(reinterpret_cast<uintptr_t>(made));
  made->vfs.zName = made->name.c_str();
  made->vfs.xOpen = [](sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags,
                       int* outFlags) {
    // No name: a temporary file of the engine's own.
    if (name != nullptr && !Inside(vfs, name)) return SQLITE_CANTOPEN;
    return Of(vfs).base->xOpen(Of(vfs).base, name, file, flags, outFlags);
  };
  made->vfs.xDelete = [](sqlite3_vfs* vfs, const char* name, int syncDir) {
    if (!Inside(vfs, name)) return SQLITE_IOERR_DELETE;
    return Of(vfs).base->xDelete(Of(vfs).base, name, syncDir);
  };
  made->vfs.xAccess = [](sqlite3_vfs* vfs, const char* name, int flags, int* result) {
    if (!Inside(vfs, name)) {
      *result = 0;
      return SQLITE_OK;
    }
    return Of(vfs).base->xAccess(Of(vfs).base, name, flags, result);
  };
  made->vfs.xFullPathname = [](sqlite3_vfs* vfs, const char* name, int size, char* out) {
    return Of(vfs).base->xFullPathname(Of(vfs).base, name, size, out);
  };
  sqlite3_vfs_register(&made->vfs, 0);
  return {&made->vfs, [](sqlite3_vfs* vfs) {
            sqlite3_vfs_unregister(vfs);
            delete &Of(vfs);
          }};
}

void ApplyLimits(Database& database, const ReadLimits& limits) {
  sqlite3* db = database.db;
  database.limits = &limits;
  sqlite3_limit(db, SQLITE_LIMIT_LENGTH, limits.longestValue);
  sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
  sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  sqlite3_drop_modules(db, nullptr);
  sqlite3_set_authorizer(db, RefuseViews, &database);
  sqlite3_progress_handler(db, kStepsPerCheck, CheckBudget, &database);
  StartStatement(database);
}

void StartStatement(Database& database) {
  if (database.limits == nullptr) return;
  database.checksLeft = database.limits->steps / kStepsPerCheck;
  database.deadline = std::chrono::steady_clock::now() + database.limits->time;
  database.stopped.clear();
}

}  // namespace ado::detail
