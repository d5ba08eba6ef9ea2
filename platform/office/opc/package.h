// Reading (and writing back) an OOXML package: a zip archive whose parts are found by name
// through a hash map, decompressed and parsed lazily and at most once, with the package's
// relationships and content types. A file is recognised by its content (zip signature and a
// "[Content_Types].xml" part), never by its extension.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/opc/inflated_parts.h"
#include "platform/office/opc/pool_allocator.h"
#include "platform/office/opc/zip_reader.h"

namespace opc {

struct Relationship {
  std::string id;
  std::string type;    // the relationship type URI
  std::string target;  // a part name ("xl/worksheets/sheet1.xml") or, when external, the URI
  bool external = false;
};

class Package {
 public:
  // Opens a package from a host file or from bytes; an error says why they are no package.
  static base::Result<std::unique_ptr<Package>> Open(const std::filesystem::path& file);
  static base::Result<std::unique_ptr<Package>> OpenMemory(std::string_view bytes);
  // Opens a package from a file already open (one of the candidate's, opened confined): a small
  // one is read whole, a larger one piece by piece as its parts are asked for, so its size
  // never decides what it takes in memory.
  static base::Result<std::unique_ptr<Package>> OpenFile(win::OpenedFile file);

  Package(const Package&) = delete;
  Package& operator=(const Package&) = delete;

  // Part names are compared without regard to ASCII case; a leading "/" is optional.
  bool HasPart(std::string_view name) const;
  std::vector<std::string> PartNames() const;

  // The part's bytes, decompressed on first use (and kept); an error when the part is missing,
  // unreadable or too large.
  base::Result<std::string_view> PartBytes(std::string_view name);
  // What a reader made of the part's stored bytes, for `kind` (which says its type), kept by an
  // earlier package of the same archive bytes; null when none was, or when this package's part
  // is no longer its stored bytes (edited). KeepMadeFromStored keeps one (ignored after edits).
  std::shared_ptr<const void> MadeFromStored(std::string_view kind, std::string_view name);
  void KeepMadeFromStored(std::string_view kind, std::string_view name,
                          std::shared_ptr<const void> made);
  // The part parsed as XML on first use; an error when missing, unreadable or not well-formed.
  base::Result<pugi::xml_document*> PartXml(std::string_view name);

  // Counts `bytes` a reader keeps for what it made of the part against the package's budget
  // (the same that bounds the inflated parts and their trees); an error when they would go
  // beyond it.
  base::Status ChargeFor(std::string_view name, uint64_t bytes);

  // Relationships of a part ("" for the package's own); empty when it has none.
  const std::vector<Relationship>& Relationships(std::string_view sourcePart);
  // The first relationship of `source` whose type ends with `typeSuffix` ("/officeDocument").
  const Relationship* FindRelationship(std::string_view source, std::string_view typeSuffix);

  // The part's content type by override or by extension default; empty when unknown.
  std::string ContentType(std::string_view name);

  // Marks an XML part returned by PartXml as edited, so SaveAs writes the edited tree; by name,
  // or by the tree itself (without a name look-up, for edits made cell by cell).
  void MarkChanged(std::string_view name);
  void MarkChanged(const pugi::xml_document* part);
  bool Changed() const { return changed_; }
  // The archive's bytes as opened: what SaveAs writes while the package is not Changed; empty
  // for a package read from its file piece by piece (not Whole).
  std::string_view ArchiveBytes() const { return archive_.view(); }
  bool Whole() const { return file_ == nullptr; }

  // Writes the package to a host file (through a temporary file in the same folder, renamed
  // over it); an unchanged package is written byte for byte, and in a changed one the parts not
  // edited keep their stored (compressed) bytes: only edited parts are deflated anew (the
  // writer builds a changed archive in memory).
  base::Status SaveAs(const std::filesystem::path& file);

  // The part name a relative target of `sourcePart` points at ("../media/a.png" from
  // "xl/drawings/d.xml" is "xl/media/a.png").
  static std::string ResolveTarget(std::string_view sourcePart, std::string_view target);

 private:
  struct Part {
    ZipEntry entry;
    size_t order = 0;  // position in the archive, kept when saving
    bool loaded = false;
    bool parsed = false;
    bool changed = false;     // edited through its tree: saved from the tree
    bool bytesStale = false;  // `bytes` no longer show the edited tree
    bool budgeted = false;    // its inflated size counted against the package's budget
    Bytes bytes;
    std::unique_ptr<pugi::xml_document> xml;
    std::string error;     // why the bytes could not be had
    std::string xmlError;  // why they are no XML
  };

  Package() = default;
  static base::Result<std::unique_ptr<Package>> FromArchive(Bytes archive);
  static base::Result<std::unique_ptr<Package>> Opened(std::unique_ptr<Package> package);
  ArchiveSource Source() const {
    return file_ ? ArchiveSource(*file_) : ArchiveSource(archive_.view());
  }

 public:
  ~Package() = default;

 private:
  Part* Find(std::string_view name);
  const Part* Find(std::string_view name) const;
  void LoadContentTypes();
  base::Status Load(Part& part);
  // Counts `bytes` of memory taken for the part against the package's budget; an error when
  // they would go beyond it.
  base::Status Charge(const Part& part, uint64_t bytes);
  // Charges the part's inflated size once; an error also when the part alone is too large.
  base::Status TakeFromBudget(Part& part);

  Bytes archive_;  // the whole file, parts inflated from it on demand; or empty, and
  std::unique_ptr<win::OpenedFile> file_;        // the file they are read from piece by piece
  std::shared_ptr<InflatedParts> inflated_;      // what opening these bytes before inflated
  std::unordered_map<std::string, Part> parts_;  // key: lower-case name without leading "/"
  std::unordered_map<const pugi::xml_document*, Part*> byTree_;  // parsed parts by their tree
  std::unordered_map<std::string, std::vector<Relationship>> relationships_;
  std::unordered_map<std::string, std::string> defaults_;   // extension -> content type
  std::unordered_map<std::string, std::string> overrides_;  // part key -> content type
  bool contentTypesLoaded_ = false;
  bool changed_ = false;
  uint64_t memoryTaken_ = 0;  // inflated bytes and parsed trees so far, against the budget
};

// Writes a zip archive of the given (name, bytes) entries, deflated, to a host file, through a
// temporary file in the same folder renamed over it.
base::Status WriteZip(const std::filesystem::path& file,
                      const std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace opc
