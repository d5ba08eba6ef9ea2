// The registry store over one text file.
#include "registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>

#include "paths.h"
#include "platform/base/text.h"

namespace win {
namespace fs = std::filesystem;
namespace {

std::mutex fileMutex;
fs::path chosenFile;

struct Value {
  std::string name;
  bool isDword = false;
  uint32_t dword = 0;
  std::string text;
};

struct Key {
  std::string path;
  std::vector<Value> values;
};

// Canonical spelling of a key path: one "\" between parts, long root names.
std::string NormalKey(std::string_view key) {
  std::vector<std::string> parts;
  std::string part;
  for (size_t i = 0; i <= key.size(); ++i) {
    if (i == key.size() || key[i] == '\\' || key[i] == '/') {
      if (!part.empty()) parts.push_back(std::move(part));
      part.clear();
    } else {
      part += key[i];
    }
  }
  if (parts.empty()) return {};
  const std::string root = base::AsciiLower(parts[0]);
  if (root == "hkcu")
    parts[0] = "HKEY_CURRENT_USER";
  else if (root == "hklm")
    parts[0] = "HKEY_LOCAL_MACHINE";
  else if (root == "hkcr")
    parts[0] = "HKEY_CLASSES_ROOT";
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : "\\") + p;
  return out;
}

std::string Escape(std::string_view s) {
  std::string out;
  for (char c : s) {
    if (c == '\\' || c == '"')
      out += '\\', out += c;
    else if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else
      out += c;
  }
  return out;
}

// Reads a quoted text at s[i] (the opening quote); leaves i after the closing quote.
std::string Unescape(const std::string& s, size_t* i) {
  std::string out;
  size_t k = *i + 1;
  for (; k < s.size() && s[k] != '"'; ++k) {
    if (s[k] == '\\' && k + 1 < s.size()) {
      const char n = s[++k];
      out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
    } else {
      out += s[k];
    }
  }
  *i = k + 1;
  return out;
}

std::vector<Key> Load(const fs::path& file) {
  std::vector<Key> keys;
  std::ifstream in(file, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() >= 2 && line[0] == '[' && line.back() == ']') {
      keys.push_back({NormalKey(line.substr(1, line.size() - 2)), {}});
      continue;
    }
    if (keys.empty() || line.empty() || line[0] != '"') continue;
    size_t i = 0;
    Value v;
    v.name = Unescape(line, &i);
    if (i >= line.size() || line[i] != '=') continue;
    ++i;
    if (line.compare(i, 6, "dword:") == 0) {
      v.isDword = true;
      v.dword = static_cast<uint32_t>(std::strtoul(line.c_str() + i + 6, nullptr, 16));
    } else if (i < line.size() && line[i] == '"') {
      v.text = Unescape(line, &i);
    } else {
      continue;
    }
    keys.back().values.push_back(std::move(v));
  }
  return keys;
}

bool Save(const fs::path& file, const std::vector<Key>& keys) {
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  const fs::path temp = file.string() + ".new";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    for (const Key& k : keys) {
      out << '[' << k.path << "]\n";
      for (const Value& v : k.values) {
        out << '"' << Escape(v.name) << "\"=";
        if (v.isDword) {
          char hex[16];
          std::snprintf(hex, sizeof hex, "%08x", v.dword);
          out << "dword:" << hex << '\n';
        } else {
          out << '"' << Escape(v.text) << "\"\n";
        }
      }
      out << '\n';
    }
    if (!out.flush()) return false;
  }
  fs::rename(temp, file, ec);
  return !ec;
}

// Holds the store's lock (in-process and between processes) while it lives.
class StoreLock {
 public:
  StoreLock() : guard_(fileMutex), file_(RegistryFile()) {
    std::error_code ec;
    fs::create_directories(file_.parent_path(), ec);
    fd_ = ::open((file_.string() + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0) ::flock(fd_, LOCK_EX);
  }
  ~StoreLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;
  const fs::path& File() const { return file_; }

 private:
  std::lock_guard<std::mutex> guard_;
  fs::path file_;
  int fd_ = -1;
};

Key* FindKey(std::vector<Key>& keys, const std::string& path) {
  for (Key& k : keys)
    if (base::EqualsNoCase(k.path, path)) return &k;
  return nullptr;
}

Value* FindValue(Key& key, std::string_view name) {
  for (Value& v : key.values)
    if (base::EqualsNoCase(v.name, name)) return &v;
  return nullptr;
}

std::optional<Value> Query(std::string_view key, std::string_view name) {
  StoreLock lock;
  std::vector<Key> keys = Load(lock.File());
  Key* k = FindKey(keys, NormalKey(key));
  if (!k) return std::nullopt;
  Value* v = FindValue(*k, name);
  if (!v) return std::nullopt;
  return *v;
}

bool Set(std::string_view key, Value value) {
  const std::string path = NormalKey(key);
  if (path.empty()) return false;
  StoreLock lock;
  std::vector<Key> keys = Load(lock.File());
  Key* k = FindKey(keys, path);
  if (!k) {
    keys.push_back({path, {}});
    k = &keys.back();
  }
  if (Value* v = FindValue(*k, value.name)) {
    value.name = v->name;
    *v = std::move(value);
  } else {
    k->values.push_back(std::move(value));
  }
  return Save(lock.File(), keys);
}

}  // namespace

void SetRegistryFile(const fs::path& file) {
  std::lock_guard<std::mutex> guard(fileMutex);
  chosenFile = file;
}

fs::path RegistryFile() {
  if (!chosenFile.empty()) return chosenFile;
  if (const char* v = std::getenv("KIRV_REGISTRY"); v && *v) return fs::path(v);
  if (const char* v = std::getenv("XDG_CONFIG_HOME"); v && *v)
    return fs::path(v) / "kirv" / "registry.ini";
  if (const char* home = std::getenv("HOME"); home && *home)
    return fs::path(home) / ".config" / "kirv" / "registry.ini";
  return fs::path("/tmp") / ("kirv-" + std::to_string(::getuid())) / "registry.ini";
}

std::optional<uint32_t> RegQueryDword(std::string_view key, std::string_view name) {
  const auto v = Query(key, name);
  if (!v || !v->isDword) return std::nullopt;
  return v->dword;
}

std::optional<std::string> RegQueryString(std::string_view key, std::string_view name) {
  const auto v = Query(key, name);
  if (!v || v->isDword) return std::nullopt;
  return v->text;
}

bool RegSetDword(std::string_view key, std::string_view name, uint32_t value) {
  return Set(key, {std::string(name), true, value, {}});
}

bool RegSetString(std::string_view key, std::string_view name, std::string_view value) {
  return Set(key, {std::string(name), false, 0, std::string(value)});
}

bool RegDeleteValue(std::string_view key, std::string_view name) {
  StoreLock lock;
  std::vector<Key> keys = Load(lock.File());
  Key* k = FindKey(keys, NormalKey(key));
  if (!k) return false;
  const size_t before = k->values.size();
  std::erase_if(k->values, [&](const Value& v) { return base::EqualsNoCase(v.name, name); });
  if (k->values.size() == before) return false;
  return Save(lock.File(), keys);
}

bool RegDeleteKey(std::string_view key) {
  const std::string path = NormalKey(key);
  if (path.empty()) return false;
  StoreLock lock;
  std::vector<Key> keys = Load(lock.File());
  const size_t before = keys.size();
  std::erase_if(keys, [&](const Key& k) {
    return base::EqualsNoCase(k.path, path) || base::StartsWithNoCase(k.path, path + "\\");
  });
  if (keys.size() == before) return false;
  return Save(lock.File(), keys);
}

std::vector<std::string> RegEnumKeys(std::string_view key) {
  const std::string parent = NormalKey(key) + "\\";
  StoreLock lock;
  std::vector<std::string> out;
  for (const Key& k : Load(lock.File())) {
    if (k.path.size() <= parent.size() || !base::StartsWithNoCase(k.path, parent)) continue;
    std::string child = k.path.substr(parent.size());
    child = child.substr(0, child.find('\\'));
    if (std::none_of(out.begin(), out.end(),
                     [&](const std::string& o) { return base::EqualsNoCase(o, child); }))
      out.push_back(child);
  }
  std::sort(out.begin(), out.end(), [](const std::string& a, const std::string& b) {
    return base::CompareNoCase(a, b) < 0;
  });
  return out;
}

}  // namespace win
