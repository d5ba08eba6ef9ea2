// Tests and benchmarks only: a network database made from the schema and filled the way the
// browser simulation fills it, through the connection class and LogAction: an address visited
// (logged, and its URLs rows marked browsed), a favourite added, a mail sent. Expected rows are
// seeded with plain SQL, as a paper's database brings them.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "netdb/ado_connection.h"
#include "platform/base/result.h"

namespace netdb::testing {

// A new network database at the host path with the statements of `seedSql` applied.
base::Status MakeSeededDatabase(const std::filesystem::path& hostFile, std::string_view seedSql);

// "打开网址" with the address, then Browsed := "True" on the first of its URLs rows.
bool VisitAddress(CAdoConnection& db, std::string_view address);

// A favourite row as the browser adds it: a link (ItemScore "0") at `root`, or a folder
// (root -1, empty address, ItemScore from the default). Its ID; 0 on failure.
long AddFavourite(CAdoConnection& db, std::string_view name, std::string_view address, int root);

// A new mail (type 1; 2 reply, 3 forward) in the sent folder (2) with today's date, logged as the
// mail command "sendmail"; its sender is the default account's address, as the browser takes it.
bool SendMail(CAdoConnection& db, std::string_view to, std::string_view subject,
              std::string_view body = "", int type = 1);

}  // namespace netdb::testing
