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

namespace opc {

struct Relationship {
  std::string id;
  std::string type;    // the relationship type URI
  std::string target;  // a part name ("xl/worksheets/sheet1.xml") or, when external, the URI
  bool external = false;
};

class Package {
 public:
  // Opens a package from a host file or from bytes. Returns null and sets `error` to a
  // readable reason when the bytes are no readable package.
  static std::unique_ptr<Package> Open(const std::filesystem::path& file, std::string* error);
  static std::unique_ptr<Package> OpenMemory(std::string bytes, std::string* error);

  ~Package();
  Package(const Package&) = delete;
  Package& operator=(const Package&) = delete;

  // Part names are compared without regard to ASCII case; a leading "/" is optional.
  bool HasPart(std::string_view name) const;
  std::vector<std::string> PartNames() const;

  // The part's bytes, decompressed on first use; null when missing, unreadable or too large.
  const std::string* PartBytes(std::string_view name);
  // The part parsed as XML on first use; null when missing or not well-formed.
  pugi::xml_document* PartXml(std::string_view name);

  // Relationships of a part ("" for the package's own); empty when it has none.
  const std::vector<Relationship>& Relationships(std::string_view sourcePart);
  // The first relationship of `source` whose type ends with `typeSuffix` ("/officeDocument").
  const Relationship* FindRelationship(std::string_view source, std::string_view typeSuffix);

  // The part's content type by override or by extension default; empty when unknown.
  std::string ContentType(std::string_view name);

  // Marks an XML part returned by PartXml as edited, so SaveAs writes the edited tree.
  void MarkChanged(std::string_view name);
  bool Changed() const { return changed_; }

  // Writes the package to a host file; an unchanged package is written byte for byte.
  bool SaveAs(const std::filesystem::path& file, std::string* error);

  // The part name a relative target of `sourcePart` points at ("../media/a.png" from
  // "xl/drawings/d.xml" is "xl/media/a.png").
  static std::string ResolveTarget(std::string_view sourcePart, std::string_view target);

 private:
  struct Part {
    std::string name;  // as stored in the archive
    int64_t index = -1;
    bool loaded = false;
    bool readable = false;
    std::string bytes;
    std::unique_ptr<pugi::xml_document> xml;
    bool parsed = false;
    bool changed = false;
  };
  struct Impl;

  Package();
  Part* Find(std::string_view name);
  const Part* Find(std::string_view name) const;
  void LoadContentTypes();
  // Decompresses a part into a buffer from pugixml's allocator; its size, or 0 on failure.
  size_t ReadForXml(const Part& part, void*& buffer);

  std::unique_ptr<Impl> impl_;
  std::unordered_map<std::string, Part> parts_;  // key: lower-case name without leading "/"
  std::unordered_map<std::string, std::vector<Relationship>> relationships_;
  std::unordered_map<std::string, std::string> defaults_;   // extension -> content type
  std::unordered_map<std::string, std::string> overrides_;  // part key -> content type
  bool contentTypesLoaded_ = false;
  bool changed_ = false;
};

// Writes a zip archive of the given (name, bytes) entries, deflated, to a host file.
bool WriteZip(const std::filesystem::path& file,
              const std::vector<std::pair<std::string, std::string>>& entries, std::string* error);

}  // namespace opc
