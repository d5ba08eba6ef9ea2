// libFuzzer target: the web mail's commands from hostile addresses. Each input line is one
// address (after "email://") run on a database with mails in every folder. Whatever the address
// (odd ids and lists, markup, quotes, broken escapes, bytes that are no UTF-8), no mail is ever
// removed, no page carries a script of its own, and content.js is one ASCII statement or empty.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "browsim/mail/mail_handler.h"
#include "netdb/network_database.h"
#include "platform/ado/connection.h"
#include "platform/base/text.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"

namespace {

namespace fs = std::filesystem;

// A template database made once; each input starts from a copy.
const fs::path& Template() {
  static const fs::path file = [] {
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path folder = base / ("mail_fuzz_" + std::to_string(getpid()));
    fs::create_directories(folder);
    static const fs::path removed = folder;
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(removed, ec);
    });
    const fs::path t = folder / "template.net";
    fs::remove(t);
    if (!netdb::CreateNetworkDatabase(t)) std::abort();
    ado::Connection db;
    if (!db.Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + win::ToWindowsPath(t)))
      std::abort();
    if (!db.Execute(
            "INSERT INTO Account (用户Email地址, DefaultAccount) VALUES ('me@kirv.cn', -1)"))
      std::abort();
    if (!db.Execute(
            "INSERT INTO Mail (邮件位置, 发件人, 收件人, 主题, 内容, Time, 附件, Type) VALUES"
            " (0, 'a@kirv.cn', 'me@kirv.cn', '<b>x</b>', 'l1\\r\\nl2', '2026-12-01', 'p.doc', 1),"
            " (1, 'me@kirv.cn', 'b@kirv.cn', 's', 'c', '2026-12-02', '', 1),"
            " (2, 'me@kirv.cn', 'c@kirv.cn', 'q\"''', '</textarea>', '2026-12-03', '', 2),"
            " (3, 'd@kirv.cn', 'me@kirv.cn', '', '', '', '', 3)"))
      std::abort();
    return t;
  }();
  return file;
}

long MailCount(netdb::CAdoConnection& db) {
  netdb::RecordsetPtr rs;
  if (!db.OpenRecordset(rs, "Select ID From Mail")) std::abort();
  long n = 0;
  for (; !rs->IsEOF(); rs->MoveNext()) ++n;
  return n;
}

void CheckScript(const std::string& script) {
  if (script.empty()) return;
  if (script.rfind("document.write(\"", 0) != 0 || !script.ends_with("\");")) std::abort();
  for (char c : script) {
    if (static_cast<unsigned char>(c) >= 0x80 || c == '\n' || c == '\r' || c == '<') std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static win::MessageCapture boxes;
  boxes.Clear();
  const fs::path file = Template().parent_path() / "net.net";
  fs::copy_file(Template(), file, fs::copy_options::overwrite_existing);
  netdb::CAdoConnection db;
  if (!db.Open(win::ToWindowsPath(file))) std::abort();
  browsim::mail::MailStore store(db);
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  long mails = MailCount(db);
  size_t start = 0;
  while (start < input.size()) {
    size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    const browsim::mail::MailCommand command("email://" +
                                             std::string(input.substr(start, end - start)));
    start = end + 1;
    const browsim::mail::MailReply reply =
        browsim::mail::RunMailCommand(command, store, "emailattach", 0);
    if (base::AsciiLower(reply.page).find("<script") != std::string::npos) std::abort();
    CheckScript(browsim::mail::ContentScript(reply.page));
    const long now = MailCount(db);
    if (now < mails) std::abort();
    mails = now;
  }
  return 0;
}
