// Shell file operations over std::filesystem.
#include "shell_file_op.h"

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "attributes.h"
#include "files.h"
#include "paths.h"

namespace win {
namespace fs = std::filesystem;
namespace {

fs::path NoTrailingSlash(const fs::path& p) {
  std::string s = p.string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

// Makes a file writable again so it can be replaced or removed.
void Unprotect(const fs::path& p) {
  struct stat st;
  if (::lstat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR))
    ::chmod(p.c_str(), (st.st_mode & 07777) | S_IWUSR);
}

bool RemoveAll(const fs::path& p) {
  std::error_code ec;
  if (fs::is_directory(fs::symlink_status(p, ec))) {
    for (fs::recursive_directory_iterator it(p, ec), end; !ec && it != end; it.increment(ec))
      Unprotect(it->path());
  } else {
    Unprotect(p);
  }
  ForgetStoredAttributes(p);
  fs::remove_all(p, ec);
  return !ec;
}

bool CopyOne(const fs::path& src, const fs::path& dst) {
  std::error_code ec;
  if (fs::exists(dst, ec) && fs::is_directory(src, ec) != fs::is_directory(dst, ec)) {
    if (!RemoveAll(dst)) return false;
  }
  if (fs::is_directory(src, ec)) {
    fs::create_directories(dst, ec);
    if (ec) return false;
    for (fs::directory_iterator it(src, ec), end; !ec && it != end; it.increment(ec))
      if (!CopyOne(it->path(), dst / it->path().filename())) return false;
    return !ec;
  }
  Unprotect(dst);
  fs::copy_file(src, dst, fs::copy_options::overwrite_existing, ec);
  if (ec) return false;
  const uint32_t attributes = GetHostFileAttributes(src);
  SetHostFileAttributes(dst, attributes);
  return true;
}

bool MoveOne(const fs::path& src, const fs::path& dst) {
  std::error_code ec;
  if (fs::exists(dst, ec)) {
    if (fs::is_directory(src, ec) && fs::is_directory(dst, ec)) {
      // Merge into the existing folder, as the shell does.
      for (fs::directory_iterator it(src, ec), end; !ec && it != end; it.increment(ec))
        if (!MoveOne(it->path(), dst / it->path().filename())) return false;
      return RemoveAll(src);
    }
    if (!RemoveAll(dst)) return false;
  }
  fs::rename(src, dst, ec);
  if (!ec) return true;
  return CopyOne(src, dst) && RemoveAll(src);
}

// True when `inner` is `outer` itself or lies below it, links resolved: moving or copying
// `outer` there would feed on itself (or, for the same path, remove what it moves).
bool SameOrBelow(const fs::path& inner, const fs::path& outer) {
  std::error_code ec;
  const fs::path a = fs::weakly_canonical(inner, ec);
  if (ec) return false;
  const fs::path b = fs::weakly_canonical(outer, ec);
  if (ec) return false;
  auto ai = a.begin();
  for (auto bi = b.begin(); bi != b.end(); ++bi) {
    if (bi->empty()) continue;
    if (ai == a.end() || *ai != *bi) return false;
    ++ai;
  }
  return true;
}

}  // namespace

bool ShellFileOperation(ShellOperation operation, std::string_view from, std::string_view to) {
  std::string source(from);
  while (source.size() > 3 && (source.back() == '\\' || source.back() == '/')) source.pop_back();
  const std::vector<FindData> found = FindFiles(source);
  if (found.empty()) return false;
  std::error_code ec;
  const fs::path folder =
      FolderPart(source).empty() ? fs::current_path(ec) : ToHostPath(FolderPart(source));
  const bool wildcard =
      source.find_first_of("*?", source.size() - FileNamePart(source).size()) != std::string::npos;

  if (operation == ShellOperation::Delete) {
    bool ok = true;
    for (const FindData& f : found) ok = RemoveAll(folder / f.name) && ok;
    return ok;
  }
  if (to.empty()) return false;
  const fs::path target = NoTrailingSlash(ToHostPath(to));
  if (operation == ShellOperation::Rename) {
    if (found.size() != 1) return false;
    const fs::path src = folder / found[0].name;
    // A new name that resolves to the old one (it differs in case only) leaves the file as it is.
    if (SameOrBelow(src, target) && SameOrBelow(target, src)) return true;
    if (SameOrBelow(target, src)) return false;
    fs::create_directories(target.parent_path(), ec);
    return MoveOne(src, target);
  }
  const bool intoFolder = wildcard || found.size() > 1 || fs::is_directory(target, ec);
  fs::create_directories(intoFolder ? target : target.parent_path(), ec);
  bool ok = true;
  for (const FindData& f : found) {
    const fs::path src = folder / f.name;
    const fs::path dst = intoFolder ? target / f.name : target;
    if (src == dst || (SameOrBelow(src, dst) && SameOrBelow(dst, src))) continue;
    if (SameOrBelow(dst, src)) {  // a folder into itself
      ok = false;
      continue;
    }
    ok = (operation == ShellOperation::Copy ? CopyOne(src, dst) : MoveOne(src, dst)) && ok;
  }
  return ok;
}

}  // namespace win
