// The package reader over libzip (archive in memory) and pugixml.
#include "platform/office/opc/package.h"

#include <sys/stat.h>
#include <zip.h>

#include <cstdio>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace opc {
namespace {

// A part larger than this is treated as unreadable rather than filling memory.
constexpr uint64_t kMaxPartSize = 64ull << 20;

std::string Key(std::string_view name) {
  if (!name.empty() && name.front() == '/') name.remove_prefix(1);
  std::string key(name);
  for (char& c : key) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return key;
}

std::string RelsPartOf(std::string_view source) {
  std::string key(source);
  if (!key.empty() && key.front() == '/') key.erase(0, 1);
  const size_t slash = key.rfind('/');
  if (slash == std::string::npos) return "_rels/" + key + ".rels";
  return key.substr(0, slash + 1) + "_rels/" + key.substr(slash + 1) + ".rels";
}

bool EndsWith(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

void SetError(std::string* error, std::string text) {
  if (error != nullptr) *error = std::move(text);
}

}  // namespace

bool XmlMemoryPoolInstalled();

struct Package::Impl {
  std::string bytes;  // the whole archive; libzip reads from it
  zip_t* archive = nullptr;
  ~Impl() {
    if (archive != nullptr) zip_discard(archive);
  }
};

Package::Package() : impl_(std::make_unique<Impl>()) {
  static_cast<void>(XmlMemoryPoolInstalled());
}
Package::~Package() = default;

std::unique_ptr<Package> Package::Open(const std::filesystem::path& file, std::string* error) {
  std::FILE* in = std::fopen(file.c_str(), "rb");
  if (in == nullptr) {
    SetError(error, "cannot open \"" + file.string() + "\"");
    return nullptr;
  }
  std::string bytes;
  struct stat st;
  bool ok = fstat(fileno(in), &st) == 0 && S_ISREG(st.st_mode);
  if (ok) {
    bytes.resize(static_cast<size_t>(st.st_size));
    ok = std::fread(bytes.data(), 1, bytes.size(), in) == bytes.size();
  }
  std::fclose(in);
  if (!ok) {
    SetError(error, "cannot read \"" + file.string() + "\": not a readable file");
    return nullptr;
  }
  return OpenMemory(std::move(bytes), error);
}

std::unique_ptr<Package> Package::OpenMemory(std::string bytes, std::string* error) {
  if (bytes.size() < 4 || bytes.compare(0, 2, "PK") != 0 ||
      (bytes.compare(2, 2, "\x03\x04") != 0 && bytes.compare(2, 2, "\x05\x06") != 0)) {
    SetError(error, "not an OOXML package: no zip signature");
    return nullptr;
  }
  std::unique_ptr<Package> package(new Package());
  Impl& impl = *package->impl_;
  impl.bytes = std::move(bytes);
  zip_error_t zerr;
  zip_error_init(&zerr);
  zip_source_t* source = zip_source_buffer_create(impl.bytes.data(), impl.bytes.size(), 0, &zerr);
  if (source != nullptr) {
    impl.archive = zip_open_from_source(source, ZIP_RDONLY, &zerr);
    if (impl.archive == nullptr) zip_source_free(source);
  }
  if (impl.archive == nullptr) {
    SetError(error, std::string("not an OOXML package: ") + zip_error_strerror(&zerr));
    zip_error_fini(&zerr);
    return nullptr;
  }
  zip_error_fini(&zerr);

  const zip_int64_t count = zip_get_num_entries(impl.archive, 0);
  package->parts_.reserve(static_cast<size_t>(std::max<zip_int64_t>(count, 0)));
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(impl.archive, static_cast<zip_uint64_t>(i), 0);
    if (name == nullptr || EndsWith(name, "/")) continue;
    Part part;
    part.name = name;
    part.index = i;
    package->parts_.try_emplace(Key(name), std::move(part));
  }
  if (!package->HasPart("[Content_Types].xml")) {
    SetError(error, "not an OOXML package: no [Content_Types].xml");
    return nullptr;
  }
  return package;
}

Package::Part* Package::Find(std::string_view name) {
  auto it = parts_.find(Key(name));
  return it == parts_.end() ? nullptr : &it->second;
}

const Package::Part* Package::Find(std::string_view name) const {
  auto it = parts_.find(Key(name));
  return it == parts_.end() ? nullptr : &it->second;
}

bool Package::HasPart(std::string_view name) const {
  return Find(name) != nullptr;
}

std::vector<std::string> Package::PartNames() const {
  std::vector<std::string> names;
  names.reserve(parts_.size());
  for (const auto& [key, part] : parts_) names.push_back(part.name);
  std::sort(names.begin(), names.end());
  return names;
}

const std::string* Package::PartBytes(std::string_view name) {
  Part* part = Find(name);
  if (part == nullptr) return nullptr;
  if (!part->loaded) {
    part->loaded = true;
    zip_stat_t st;
    zip_stat_init(&st);
    const auto index = static_cast<zip_uint64_t>(part->index);
    if (zip_stat_index(impl_->archive, index, 0, &st) != 0) return nullptr;
    if ((st.valid & ZIP_STAT_SIZE) != 0 && st.size > kMaxPartSize) return nullptr;
    zip_file_t* file = zip_fopen_index(impl_->archive, index, 0);
    if (file == nullptr) return nullptr;
    std::string bytes;
    if ((st.valid & ZIP_STAT_SIZE) != 0) bytes.reserve(static_cast<size_t>(st.size));
    char buffer[16384];
    bool ok = true;
    for (;;) {
      const zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
      if (n < 0) {
        ok = false;
        break;
      }
      if (n == 0) break;
      if (bytes.size() + static_cast<size_t>(n) > kMaxPartSize) {
        ok = false;
        break;
      }
      bytes.append(buffer, static_cast<size_t>(n));
    }
    zip_fclose(file);
    if (!ok) return nullptr;
    part->bytes = std::move(bytes);
    part->readable = true;
  }
  return part->readable ? &part->bytes : nullptr;
}

pugi::xml_document* Package::PartXml(std::string_view name) {
  Part* part = Find(name);
  if (part == nullptr) return nullptr;
  if (!part->parsed) {
    part->parsed = true;
    // Whitespace-only text such as <t xml:space="preserve"> </t> is content, so keep it.
    constexpr unsigned kOptions = pugi::parse_default | pugi::parse_ws_pcdata_single;
    auto doc = std::make_unique<pugi::xml_document>();
    bool ok = false;
    if (part->loaded) {
      ok = part->readable && doc->load_buffer(part->bytes.data(), part->bytes.size(), kOptions);
    } else if (void* buffer = nullptr; size_t size = ReadForXml(*part, buffer)) {
      // The document takes the decompressed bytes over and parses them in place: no copy.
      ok = doc->load_buffer_inplace_own(buffer, size, kOptions);
    }
    if (ok) part->xml = std::move(doc);
  }
  return part->xml.get();
}

size_t Package::ReadForXml(const Part& part, void*& buffer) {
  zip_stat_t st;
  zip_stat_init(&st);
  const auto index = static_cast<zip_uint64_t>(part.index);
  if (zip_stat_index(impl_->archive, index, 0, &st) != 0 || (st.valid & ZIP_STAT_SIZE) == 0 ||
      st.size == 0 || st.size > kMaxPartSize) {
    return 0;
  }
  const auto size = static_cast<size_t>(st.size);
  buffer = pugi::get_memory_allocation_function()(size);
  if (buffer == nullptr) return 0;
  zip_file_t* file = zip_fopen_index(impl_->archive, index, 0);
  bool ok = file != nullptr;
  if (ok) {
    char extra;
    ok = zip_fread(file, buffer, size) == static_cast<zip_int64_t>(size) &&
         zip_fread(file, &extra, 1) == 0;
    zip_fclose(file);
  }
  if (!ok) {
    pugi::get_memory_deallocation_function()(buffer);
    buffer = nullptr;
    return 0;
  }
  return size;
}

std::string Package::ResolveTarget(std::string_view sourcePart, std::string_view target) {
  std::string path;
  if (!target.empty() && target.front() == '/') {
    path = std::string(target.substr(1));
  } else {
    std::string_view base = sourcePart;
    if (!base.empty() && base.front() == '/') base.remove_prefix(1);
    const size_t slash = base.rfind('/');
    path =
        (slash == std::string_view::npos ? std::string() : std::string(base.substr(0, slash + 1))) +
        std::string(target);
  }
  std::vector<std::string> segments;
  std::stringstream in(path);
  std::string segment;
  while (std::getline(in, segment, '/')) {
    if (segment.empty() || segment == ".") continue;
    if (segment == "..") {
      if (!segments.empty()) segments.pop_back();
      continue;
    }
    segments.push_back(segment);
  }
  std::string out;
  for (const std::string& s : segments) {
    if (!out.empty()) out += '/';
    out += s;
  }
  return out;
}

const std::vector<Relationship>& Package::Relationships(std::string_view sourcePart) {
  const std::string key = Key(sourcePart);
  auto it = relationships_.find(key);
  if (it != relationships_.end()) return it->second;
  std::vector<Relationship>& list = relationships_[key];
  if (pugi::xml_document* doc = PartXml(RelsPartOf(key))) {
    for (pugi::xml_node rel : doc->document_element().children()) {
      if (std::string_view(rel.name()).ends_with("Relationship") == false) continue;
      Relationship r;
      r.id = rel.attribute("Id").value();
      r.type = rel.attribute("Type").value();
      r.external = std::string_view(rel.attribute("TargetMode").value()) == "External";
      r.target = r.external ? rel.attribute("Target").value()
                            : ResolveTarget(key, rel.attribute("Target").value());
      list.push_back(std::move(r));
    }
  }
  return list;
}

const Relationship* Package::FindRelationship(std::string_view source,
                                              std::string_view typeSuffix) {
  for (const Relationship& r : Relationships(source)) {
    if (EndsWith(r.type, typeSuffix)) return &r;
  }
  return nullptr;
}

void Package::LoadContentTypes() {
  contentTypesLoaded_ = true;
  pugi::xml_document* doc = PartXml("[Content_Types].xml");
  if (doc == nullptr) return;
  for (pugi::xml_node node : doc->document_element().children()) {
    const std::string_view kind = node.name();
    if (kind.ends_with("Default")) {
      defaults_[Key(node.attribute("Extension").value())] = node.attribute("ContentType").value();
    } else if (kind.ends_with("Override")) {
      overrides_[Key(node.attribute("PartName").value())] = node.attribute("ContentType").value();
    }
  }
}

std::string Package::ContentType(std::string_view name) {
  if (!contentTypesLoaded_) LoadContentTypes();
  const std::string key = Key(name);
  if (auto it = overrides_.find(key); it != overrides_.end()) return it->second;
  const size_t dot = key.rfind('.');
  if (dot != std::string::npos) {
    if (auto it = defaults_.find(key.substr(dot + 1)); it != defaults_.end()) return it->second;
  }
  return {};
}

void Package::MarkChanged(std::string_view name) {
  Part* part = Find(name);
  if (part == nullptr || part->xml == nullptr) return;
  part->changed = true;
  changed_ = true;
}

bool Package::SaveAs(const std::filesystem::path& file, std::string* error) {
  if (!changed_) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(impl_->bytes.data(), static_cast<std::streamsize>(impl_->bytes.size()));
    out.close();
    if (!out) {
      SetError(error, "cannot write \"" + file.string() + "\"");
      return false;
    }
    return true;
  }
  std::vector<std::pair<int64_t, Part*>> ordered;
  for (auto& [key, part] : parts_) ordered.emplace_back(part.index, &part);
  std::sort(ordered.begin(), ordered.end());
  std::vector<std::pair<std::string, std::string>> entries;
  for (auto& [index, part] : ordered) {
    if (part->changed && part->xml != nullptr) {
      std::ostringstream text;
      part->xml->save(text, "", pugi::format_raw, pugi::encoding_utf8);
      entries.emplace_back(part->name, text.str());
    } else if (const std::string* bytes = PartBytes(part->name)) {
      entries.emplace_back(part->name, *bytes);
    } else {
      SetError(error, "part \"" + part->name + "\" cannot be read");
      return false;
    }
  }
  return WriteZip(file, entries, error);
}

bool WriteZip(const std::filesystem::path& file,
              const std::vector<std::pair<std::string, std::string>>& entries, std::string* error) {
  int code = 0;
  zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (archive == nullptr) {
    zip_error_t zerr;
    zip_error_init_with_code(&zerr, code);
    SetError(error, "cannot create \"" + file.string() + "\": " + zip_error_strerror(&zerr));
    zip_error_fini(&zerr);
    return false;
  }
  for (const auto& [name, bytes] : entries) {
    zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
    if (source == nullptr ||
        zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
      if (source != nullptr) zip_source_free(source);
      SetError(error, "cannot add \"" + name + "\": " + zip_strerror(archive));
      zip_discard(archive);
      return false;
    }
  }
  if (zip_close(archive) != 0) {
    SetError(error, "cannot write \"" + file.string() + "\": " + zip_strerror(archive));
    zip_discard(archive);
    return false;
  }
  return true;
}

}  // namespace opc
