// The package reader: the archive is read whole into memory, parts are inflated from it on
// demand and parsed with pugixml; written back through the zip writer.
#include "platform/office/opc/package.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/base/text.h"
#include "platform/office/opc/zip_writer.h"
#include "platform/win/confined_file.h"

namespace opc {
namespace {

// A part larger than this is treated as unreadable rather than filling memory.
constexpr uint64_t kMaxPartSize = 64ull << 20;
// All parts of one package take at most this much memory, their inflated bytes and the trees
// parsed from them: a small archive of parts that each inflate to nearly the part limit would
// otherwise take gigabytes and many seconds.
constexpr uint64_t kMaxPackageMemory = 256ull << 20;
// A package file up to this size is read whole (and its parts kept for the next open of the
// same bytes); a larger one is read piece by piece.
constexpr uint64_t kWholeArchive = 8ull << 20;

// What a tree parsed from these bytes costs beyond them: pugixml's record of each node (64
// bytes, about one a "<") and of each attribute (40 bytes, one a "=").
uint64_t Occurrences(std::string_view bytes, char c) {
  uint64_t n = 0;
  const char* end = bytes.data() + bytes.size();
  for (const char* p = bytes.data();
       (p = static_cast<const char*>(std::memchr(p, c, static_cast<size_t>(end - p)))) != nullptr;
       ++p)
    ++n;
  return n;
}

uint64_t TreeCost(std::string_view bytes) {
  return Occurrences(bytes, '<') * 64 + Occurrences(bytes, '=') * 40;
}

std::string Key(std::string_view name) {
  if (!name.empty() && name.front() == '/') name.remove_prefix(1);
  return base::AsciiLower(name);
}

std::string RelsPartOf(std::string_view source) {
  std::string key(source);
  if (!key.empty() && key.front() == '/') key.erase(0, 1);
  const size_t slash = key.rfind('/');
  if (slash == std::string::npos) return "_rels/" + key + ".rels";
  return key.substr(0, slash + 1) + "_rels/" + key.substr(slash + 1) + ".rels";
}

}  // namespace

bool XmlMemoryPoolInstalled();

base::Result<std::unique_ptr<Package>> Package::Open(const std::filesystem::path& file) {
  base::Result<win::OpenedFile> opened = win::OpenRegularFile(file, win::kPackageFileCap);
  if (!opened) return opened.error();
  return OpenFile(*std::move(opened));
}

base::Result<std::unique_ptr<Package>> Package::OpenFile(win::OpenedFile file) {
  if (file.size() <= kWholeArchive) {
    Bytes bytes(static_cast<size_t>(file.size()));
    if (!bytes.ok()) return base::Error::Of("no memory for a package of ", file.size(), " bytes");
    if (base::Status read = file.ReadAll(bytes.data()); !read) return read.error();
    return FromArchive(std::move(bytes));
  }
  std::unique_ptr<Package> package(new Package());
  package->file_ = std::make_unique<win::OpenedFile>(std::move(file));
  return Opened(std::move(package));
}

base::Result<std::unique_ptr<Package>> Package::OpenMemory(std::string_view bytes) {
  Bytes copy(bytes.size());
  if (!copy.ok()) return base::Error::Of("no memory for a package of ", bytes.size(), " bytes");
  std::copy(bytes.begin(), bytes.end(), copy.data());
  return FromArchive(std::move(copy));
}

base::Result<std::unique_ptr<Package>> Package::FromArchive(Bytes archive) {
  std::unique_ptr<Package> package(new Package());
  package->archive_ = std::move(archive);
  package->inflated_ = InflatedParts::For(package->archive_.view());
  return Opened(std::move(package));
}

base::Result<std::unique_ptr<Package>> Package::Opened(std::unique_ptr<Package> package) {
  static_cast<void>(XmlMemoryPoolInstalled());
  const ArchiveSource source = package->Source();
  std::string scratch;
  base::Result<std::string_view> signature = source.View(0, 4, scratch);
  if (!signature || signature->compare(0, 2, "PK") != 0 ||
      (signature->compare(2, 2, "\x03\x04") != 0 && signature->compare(2, 2, "\x05\x06") != 0)) {
    return base::Error::Of("not an OOXML package: no zip signature");
  }
  base::Result<std::vector<ZipEntry>> entries = ReadZipDirectory(source);
  if (!entries) return entries.error().In("not an OOXML package");
  package->parts_.reserve(entries->size());
  size_t order = 0;
  for (ZipEntry& entry : *entries) {
    if (entry.name.empty() || entry.name.ends_with('/')) continue;
    std::string key = Key(entry.name);
    Part part;
    part.entry = std::move(entry);
    part.order = order++;
    package->parts_.try_emplace(std::move(key), std::move(part));
  }
  if (!package->HasPart("[Content_Types].xml"))
    return base::Error::Of("not an OOXML package: no [Content_Types].xml");
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
  for (const auto& [key, part] : parts_) names.push_back(part.entry.name);
  std::sort(names.begin(), names.end());
  return names;
}

base::Status Package::Charge(const Part& part, uint64_t bytes) {
  return ChargeFor(part.entry.name, bytes);
}

base::Status Package::ChargeFor(std::string_view name, uint64_t bytes) {
  if (bytes > kMaxPackageMemory - memoryTaken_)
    return base::Error::Of("\"", name, "\" would take the package beyond ", kMaxPackageMemory >> 20,
                           " MiB");
  memoryTaken_ += bytes;
  return base::Ok();
}

base::Status Package::TakeFromBudget(Part& part) {
  if (part.budgeted) return base::Ok();  // parsed in place before, its bytes wanted now
  if (part.entry.size > kMaxPartSize) {
    part.error = "\"" + part.entry.name + "\" is too large";
    return base::Error::Of(part.error);
  }
  if (base::Status charged = Charge(part, part.entry.size); !charged) {
    part.error = charged.error().message;
    return charged;
  }
  part.budgeted = true;
  return base::Ok();
}

base::Status Package::Load(Part& part) {
  if (!part.loaded) {
    part.loaded = true;
    if (!TakeFromBudget(part)) {
      // part.error says why
    } else {
      part.bytes = Bytes(static_cast<size_t>(part.entry.size));
      if (!part.bytes.ok()) {
        part.error = "no memory for \"" + part.entry.name + "\"";
      } else if (inflated_ &&
                 inflated_->CopyTo(part.entry.name, part.bytes.data(), part.bytes.size())) {
        // The same archive inflated this part before.
      } else if (base::Status read = ReadZipEntry(Source(), part.entry, part.bytes.data()); !read) {
        part.error = read.error().message;
        part.bytes = Bytes();
      } else if (inflated_) {
        inflated_->Keep(part.entry.name, part.bytes.view());
      }
    }
  }
  if (!part.error.empty()) return base::Error::Of(part.error);
  return base::Ok();
}

base::Result<std::string_view> Package::PartBytes(std::string_view name) {
  Part* part = Find(name);
  if (part == nullptr) return base::Error::Of("no part \"", name, "\"");
  if (part->bytesStale && part->xml != nullptr) {
    // An edited part's bytes are its tree as it stands now.
    std::ostringstream text;
    part->xml->save(text, "", pugi::format_raw, pugi::encoding_utf8);
    const std::string saved = text.str();
    part->bytes = Bytes(saved.size());
    if (!part->bytes.ok()) return base::Error::Of("no memory for \"", name, "\"");
    std::copy(saved.begin(), saved.end(), part->bytes.data());
    part->bytesStale = false;
    part->loaded = true;
    part->error.clear();
  }
  if (base::Status loaded = Load(*part); !loaded) return loaded.error();
  return part->bytes.view();
}

std::shared_ptr<const void> Package::MadeFromStored(std::string_view kind, std::string_view name) {
  const Part* part = Find(name);
  if (part == nullptr || inflated_ == nullptr || part->changed || part->bytesStale) return nullptr;
  return inflated_->Made(kind, part->entry.name);
}

void Package::KeepMadeFromStored(std::string_view kind, std::string_view name,
                                 std::shared_ptr<const void> made) {
  const Part* part = Find(name);
  if (part == nullptr || inflated_ == nullptr || part->changed || part->bytesStale) return;
  inflated_->KeepMade(kind, part->entry.name, std::move(made));
}

base::Result<pugi::xml_document*> Package::PartXml(std::string_view name) {
  Part* part = Find(name);
  if (part == nullptr) return base::Error::Of("no part \"", name, "\"");
  if (!part->parsed) {
    part->parsed = true;
    // Whitespace-only text such as <t xml:space="preserve"> </t> is content, so keep it.
    constexpr unsigned kOptions = pugi::parse_default | pugi::parse_ws_pcdata_single;
    auto doc = std::make_unique<pugi::xml_document>();
    pugi::xml_parse_result parsed;
    if (part->loaded || part->entry.size == 0) {
      if (base::Status loaded = Load(*part); !loaded) return loaded.error();
      // The tree gets a copy of the bytes, kept beside them.
      if (base::Status charged = Charge(*part, part->bytes.size() + TreeCost(part->bytes.view()));
          !charged) {
        part->xmlError = charged.error().message;
        return charged.error();
      }
      parsed = doc->load_buffer(part->bytes.data(), part->bytes.size(), kOptions);
    } else {
      // Inflated straight into a buffer the document takes over and parses in place: no copy.
      if (base::Status taken = TakeFromBudget(*part); !taken) return taken.error();
      const auto size = static_cast<size_t>(part->entry.size);
      void* buffer = pugi::get_memory_allocation_function()(size);
      if (buffer == nullptr) {
        part->error = "no memory for \"" + part->entry.name + "\"";
        return base::Error::Of(part->error);
      }
      char* out = static_cast<char*>(buffer);
      if (!inflated_ || !inflated_->CopyTo(part->entry.name, out, size)) {
        if (base::Status read = ReadZipEntry(Source(), part->entry, out); !read) {
          pugi::get_memory_deallocation_function()(buffer);
          part->error = read.error().message;
          return read.error();
        }
        if (inflated_) inflated_->Keep(part->entry.name, std::string_view(out, size));
      }
      if (base::Status charged = Charge(*part, TreeCost(std::string_view(out, size))); !charged) {
        pugi::get_memory_deallocation_function()(buffer);
        part->xmlError = charged.error().message;
        return charged.error();
      }
      parsed = doc->load_buffer_inplace_own(buffer, size, kOptions);
    }
    if (parsed) {
      part->xml = std::move(doc);
      byTree_[part->xml.get()] = part;
    } else {
      part->xmlError = "\"" + part->entry.name +
                       "\" is not well-formed XML: " + parsed.description() + " at offset " +
                       std::to_string(parsed.offset);
    }
  }
  if (part->xml == nullptr) {
    return base::Error::Of(!part->xmlError.empty() ? part->xmlError : part->error);
  }
  return part->xml.get();
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
  // Drop "." and empty segments, let ".." remove the one before it.
  std::string out;
  out.reserve(path.size());
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string_view segment = std::string_view(path).substr(start, end - start);
    if (segment == "..") {
      const size_t slash = out.rfind('/');
      out.erase(slash == std::string::npos ? 0 : slash);
    } else if (!segment.empty() && segment != ".") {
      if (!out.empty()) out += '/';
      out += segment;
    }
    start = end + 1;
  }
  return out;
}

const std::vector<Relationship>& Package::Relationships(std::string_view sourcePart) {
  const std::string key = Key(sourcePart);
  auto it = relationships_.find(key);
  if (it != relationships_.end()) return it->second;
  std::vector<Relationship>& list = relationships_[key];
  if (base::Result<pugi::xml_document*> doc = PartXml(RelsPartOf(key))) {
    for (pugi::xml_node rel : (*doc)->document_element().children()) {
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
    if (std::string_view(r.type).ends_with(typeSuffix)) return &r;
  }
  return nullptr;
}

void Package::LoadContentTypes() {
  contentTypesLoaded_ = true;
  base::Result<pugi::xml_document*> doc = PartXml("[Content_Types].xml");
  if (!doc) return;
  for (pugi::xml_node node : (*doc)->document_element().children()) {
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
  if (part != nullptr) MarkChanged(part->xml.get());
}

void Package::MarkChanged(const pugi::xml_document* tree) {
  auto it = byTree_.find(tree);
  if (tree == nullptr || it == byTree_.end()) return;
  it->second->changed = true;
  it->second->bytesStale = true;
  changed_ = true;
}

namespace {

// Writes every byte of `source` to a new temporary file beside `file`, a piece at a time, and
// renames it over `file`.
base::Status WriteReplacing(const std::filesystem::path& file, const ArchiveSource& source) {
  constexpr uint64_t kPiece = 1u << 20;
  std::string temp = (file.parent_path() / ("." + file.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0)
    return base::Error::Of("cannot write \"", file.string(), "\": ", std::strerror(errno));
  std::string scratch;
  bool ok = true;
  int error = 0;
  for (uint64_t at = 0; ok && at < source.size(); at += kPiece) {
    base::Result<std::string_view> piece =
        source.View(at, std::min(kPiece, source.size() - at), scratch);
    if (!piece) {
      ::close(fd);
      ::unlink(temp.c_str());
      return piece.error().In("cannot write \"" + file.string() + "\"");
    }
    for (size_t done = 0; ok && done < piece->size();) {
      const ssize_t n = ::write(fd, piece->data() + done, piece->size() - done);
      if (n < 0 && errno == EINTR) continue;
      ok = n > 0;
      if (ok) done += static_cast<size_t>(n);
    }
    if (!ok) error = errno;
  }
  ::fchmod(fd, 0644);  // as a file made by open() would be, not mkstemp's 0600
  ok = ::close(fd) == 0 && ok;
  if (ok && std::rename(temp.c_str(), file.c_str()) == 0) return base::Ok();
  const std::string reason = std::strerror(error != 0 ? error : errno);
  ::unlink(temp.c_str());
  return base::Error::Of("cannot write \"", file.string(), "\": ", reason);
}

base::Status WriteArchive(const std::filesystem::path& file, ZipWriter& zip) {
  base::Result<std::string> archive = zip.Finish();
  if (!archive)
    return base::Error::Of("cannot write \"", file.string(), "\": ", archive.error().message);
  return WriteReplacing(file, ArchiveSource(*archive));
}

}  // namespace

base::Status Package::SaveAs(const std::filesystem::path& file) {
  if (!changed_) return WriteReplacing(file, Source());
  std::vector<std::pair<size_t, Part*>> ordered;
  for (auto& [key, part] : parts_) ordered.emplace_back(part.order, &part);
  std::sort(ordered.begin(), ordered.end());
  ZipWriter zip;
  for (auto& [order, part] : ordered) {
    // A part not edited keeps its stored bytes; one whose stored bytes cannot be had is read,
    // so the save fails with the reason.
    if (!part->changed && zip.CopyStored(Source(), part->entry)) continue;
    base::Result<std::string_view> bytes = PartBytes(part->entry.name);
    if (!bytes) return bytes.error().In("cannot save");
    if (base::Status added = zip.Add(part->entry.name, *bytes); !added)
      return added.error().In("cannot save");
  }
  return WriteArchive(file, zip);
}

base::Status WriteZip(const std::filesystem::path& file,
                      const std::vector<std::pair<std::string, std::string>>& entries) {
  ZipWriter zip;
  for (const auto& [name, bytes] : entries) {
    if (base::Status added = zip.Add(name, bytes); !added) return added;
  }
  return WriteArchive(file, zip);
}

}  // namespace opc
