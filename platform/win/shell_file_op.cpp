// Shell file operations over std::filesystem.
#include "shell_file_op.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "attributes.h"
#include "files.h"
#include "paths.h"
#include "trash.h"

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

// What an entry is by itself: a link is a link, whatever it leads to.
fs::file_status Own(const fs::path& p) {
  std::error_code ec;
  return fs::symlink_status(p, ec);
}

bool IsRealFolder(const fs::path& p) {
  return fs::is_directory(Own(p));
}

bool RemoveAll(const fs::path& p) {
  std::error_code ec;
  if (IsRealFolder(p)) {
    for (fs::recursive_directory_iterator it(p, ec), end; !ec && it != end; it.increment(ec))
      Unprotect(it->path());
  } else {
    Unprotect(p);
  }
  ForgetStoredAttributes(p);
  fs::remove_all(p, ec);
  return !ec;
}

// A link is copied as a link, and a link at the target is replaced, never written through.
bool CopyOne(const fs::path& src, const fs::path& dst) {
  std::error_code ec;
  const fs::file_status from = Own(src);
  const fs::file_status to = Own(dst);
  const bool link = fs::is_symlink(from);
  const bool folder = fs::is_directory(from);
  if (fs::exists(to) && (link || fs::is_symlink(to) || folder != fs::is_directory(to))) {
    if (!RemoveAll(dst)) return false;
  }
  if (link) {
    fs::copy_symlink(src, dst, ec);
    return !ec;
  }
  if (folder) {
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

// A link is moved as a link: only two real folders merge.
bool MoveOne(const fs::path& src, const fs::path& dst) {
  std::error_code ec;
  if (fs::exists(Own(dst))) {
    if (IsRealFolder(src) && IsRealFolder(dst)) {
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

// The path with the folders on the way resolved and its own name kept: a link is not taken for
// what it leads to.
fs::path EntryPath(const fs::path& p) {
  const fs::path name = p.filename();
  std::error_code ec;
  if (name.empty() || name == "." || name == "..") return fs::weakly_canonical(p, ec);
  const fs::path folder = fs::weakly_canonical(p.parent_path(), ec);
  return ec ? fs::path() : folder / name;
}

// True when `inner` is `outer` itself or lies below it, the folders on the way resolved: moving
// or copying `outer` there would feed on itself (or, for the same path, remove what it moves).
bool SameOrBelow(const fs::path& inner, const fs::path& outer) {
  const fs::path a = EntryPath(inner);
  const fs::path b = EntryPath(outer);
  if (a.empty() || b.empty()) return false;
  auto ai = a.begin();
  for (auto bi = b.begin(); bi != b.end(); ++bi) {
    if (bi->empty()) continue;
    if (ai == a.end() || *ai != *bi) return false;
    ++ai;
  }
  return true;
}

// A new name beside `dst` for a target that exists: "x (2).txt", "x (3).txt", ...
fs::path FreeName(const fs::path& dst) {
  const std::string stem = dst.stem().string();
  const std::string ext = dst.extension().string();
  std::error_code ec;
  for (int n = 2;; ++n) {
    fs::path candidate = dst.parent_path() / (stem + " (" + std::to_string(n) + ")" + ext);
    if (!fs::exists(Own(candidate))) return candidate;
  }
}

base::Error Failed(const char* what, const fs::path& src, const fs::path& dst = {}) {
  std::string text = std::string("cannot ") + what + " " + src.string();
  if (!dst.empty()) text += " to " + dst.string();
  return base::Error::WithCode(EIO, text);
}

struct Source {
  fs::path folder;              // host folder of the matches
  std::vector<FindData> found;  // what the last component matched
  bool wildcard = false;
};

base::Result<Source> Resolve(std::string_view from, bool filesOnly) {
  std::string source(from);
  while (source.size() > 3 && (source.back() == '\\' || source.back() == '/')) source.pop_back();
  Source out;
  out.wildcard =
      source.find_first_of("*?", source.size() - FileNamePart(source).size()) != std::string::npos;
  out.found = FindFiles(source);
  if (filesOnly && out.wildcard)
    std::erase_if(out.found, [](const FindData& f) { return f.isFolder; });
  if (out.found.empty())
    return base::Error::WithCode(ENOENT, "nothing matches " + std::string(from));
  std::error_code ec;
  out.folder = FolderPart(source).empty() ? fs::current_path(ec) : ToHostPath(FolderPart(source));
  return out;
}

base::Status Delete(const Source& source, bool toTrash) {
  for (const FindData& f : source.found) {
    const fs::path item = source.folder / f.name;
    if (toTrash) {
      base::Result<fs::path> trashed = MoveToTrash(item);
      if (!trashed) return std::move(trashed).error();
    } else if (!RemoveAll(item)) {
      return Failed("delete", item);
    }
  }
  return base::Ok();
}

base::Status Rename(const Source& source, std::string_view to, bool renameOnCollision) {
  if (source.found.size() != 1) return base::Error::WithCode(EINVAL, "a rename takes one source");
  const fs::path src = source.folder / source.found[0].name;
  fs::path target = NoTrailingSlash(ToHostPath(to));
  // A new name that resolves to the old one (it differs in case only) leaves the file as it is.
  if (SameOrBelow(src, target) && SameOrBelow(target, src)) return base::Ok();
  if (SameOrBelow(target, src)) return Failed("rename a folder into itself:", src, target);
  std::error_code ec;
  if (renameOnCollision && fs::exists(Own(target))) target = FreeName(target);
  fs::create_directories(target.parent_path(), ec);
  if (!MoveOne(src, target)) return Failed("rename", src, target);
  return base::Ok();
}

base::Status CopyOrMove(ShellOperation operation, const Source& source, std::string_view to,
                        bool severalSources, bool renameOnCollision) {
  const fs::path target = NoTrailingSlash(ToHostPath(to));
  std::error_code ec;
  // A link named as the target is an entry like a file: replaced by one source, never entered.
  const bool intoFolder =
      severalSources || source.wildcard || source.found.size() > 1 || IsRealFolder(target);
  if (intoFolder && fs::exists(Own(target)) && !IsRealFolder(target))
    return base::Error::WithCode(ENOTDIR, "the target " + target.string() + " is no folder");
  fs::create_directories(intoFolder ? target : target.parent_path(), ec);
  for (const FindData& f : source.found) {
    const fs::path src = source.folder / f.name;
    fs::path dst = intoFolder ? target / f.name : target;
    const bool same = src == dst || (SameOrBelow(src, dst) && SameOrBelow(dst, src));
    if (same && !renameOnCollision) continue;
    if (!same && SameOrBelow(dst, src)) return Failed("put a folder into itself:", src, dst);
    if (renameOnCollision && fs::exists(Own(dst))) dst = FreeName(dst);
    const bool ok = operation == ShellOperation::Copy ? CopyOne(src, dst) : MoveOne(src, dst);
    if (!ok) return Failed(operation == ShellOperation::Copy ? "copy" : "move", src, dst);
  }
  return base::Ok();
}

}  // namespace

base::Status RunShellFileOperation(const ShellFileOpRequest& request) {
  const bool multi = (request.flags & FOF_MULTIDESTFILES) != 0;
  const bool renameOnCollision = (request.flags & FOF_RENAMEONCOLLISION) != 0;
  if (request.from.empty()) return base::Error::WithCode(ENOENT, "no source given");
  if (request.operation != ShellOperation::Delete) {
    if (request.to.empty() || (multi && request.to.size() != request.from.size()))
      return base::Error::WithCode(EINVAL, "the targets do not fit the sources");
  }
  for (size_t i = 0; i < request.from.size(); ++i) {
    base::Result<Source> source = Resolve(request.from[i], (request.flags & FOF_FILESONLY) != 0);
    if (!source) return std::move(source).error();
    base::Status done;
    switch (request.operation) {
      case ShellOperation::Delete:
        done = Delete(*source, (request.flags & FOF_ALLOWUNDO) != 0);
        break;
      case ShellOperation::Rename:
        return Rename(*source, request.to[0], renameOnCollision);
      case ShellOperation::Copy:
      case ShellOperation::Move:
        done = CopyOrMove(request.operation, *source, request.to[multi ? i : 0],
                          !multi && request.from.size() > 1, renameOnCollision);
        break;
      default:
        return base::Error::WithCode(EINVAL, "no such file operation");
    }
    if (!done) return done;
  }
  return base::Ok();
}

bool ShellFileOperation(ShellOperation operation, std::string_view from, std::string_view to) {
  ShellFileOpRequest request;
  request.operation = operation;
  request.from.emplace_back(from);
  if (!to.empty()) request.to.emplace_back(to);
  return RunShellFileOperation(request).has_value();
}

std::vector<std::string> SplitPathList(std::string_view list) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < list.size()) {
    const size_t end = std::min(list.find('\0', i), list.size());
    if (end == i) break;  // the empty piece ends the list
    out.emplace_back(list.substr(i, end - i));
    i = end + 1;
  }
  return out;
}

}  // namespace win
