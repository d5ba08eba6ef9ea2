// The package reader on real zip files: recognition, parts, relationships, saving.
#include "platform/office/opc/package.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "platform/office/opc/testing/sparse_part.h"
#include "platform/office/opc/zip_reader.h"
#include "platform/win/testing/test_folder.h"

namespace opc {
namespace {

namespace fs = std::filesystem;

class PackageTest : public ::testing::Test {
 protected:
  std::string Zip(const std::vector<std::pair<std::string, std::string>>& entries) {
    const fs::path file = dir_ / "in.zip";
    const base::Status written = WriteZip(file, entries);
    EXPECT_TRUE(written) << written.error().message;
    return Slurp(file);
  }
  static std::string Slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Tests of this folder run side by side in separate processes: each takes a folder of its own.
  win::testing::ScopedTempFolder tmp_{"opc_"};
  const fs::path dir_ = tmp_.Path();
};

const char kTypes[] =
    R"(<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/xl/workbook.xml" ContentType="wb"/></Types>)";
const char kRels[] =
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://x/officeDocument" Target="xl/workbook.xml"/></Relationships>)";
const char kWorkbookRels[] =
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://x/worksheet" Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://x/image" Target="../media/a.png"/>)"
    R"(<Relationship Id="rId3" Type="http://x/hyperlink" Target="http://e.com/a" TargetMode="External"/>)"
    R"(</Relationships>)";

TEST_F(PackageTest, RejectsWhatIsNoPackageWithAReason) {
  const std::string valid = Zip({{"[Content_Types].xml", kTypes}});
  struct Case {
    std::string bytes;
    const char* reason;
  } cases[] = {
      {"", "no zip signature"},
      {"plain text, named .xls", "no zip signature"},
      {"PK", "no zip signature"},
      {Zip({{"a.xml", "<a/>"}}), "no [Content_Types].xml"},
      {valid.substr(0, valid.size() / 2), "not an OOXML package"},
      {std::string("PK\x03\x04", 4) + std::string(200, '\0'), "not an OOXML package"},
  };
  for (const Case& c : cases) {
    auto package = Package::OpenMemory(c.bytes);
    ASSERT_FALSE(package);
    EXPECT_NE(package.error().message.find(c.reason), std::string::npos) << package.error().message;
  }
}

// A name that is no regular file reads as missing, at once: a FIFO is not waited on, a device
// is not read until memory runs out.
TEST_F(PackageTest, OpensOnlyRegularFiles) {
  ASSERT_EQ(::mkfifo((dir_ / "fifo.xlsx").c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", dir_ / "zero.xlsx");
  struct Case {
    fs::path file;
    const char* reason;
  } cases[] = {
      {dir_ / "missing.xlsx", "no such file"},
      {dir_, "not a regular file"},
      {dir_ / "fifo.xlsx", "not a regular file"},
      {dir_ / "zero.xlsx", "not a regular file"},
  };
  for (const Case& c : cases) {
    auto package = Package::Open(c.file);
    ASSERT_FALSE(package) << c.file;
    EXPECT_NE(package.error().message.find(c.reason), std::string::npos) << package.error().message;
  }
}

// A package far larger than the office file cap (a video stored in it) opens from its file and is
// read piece by piece: its XML parts read as from memory, a stored part within the part limit
// reads whole, one beyond it fails alone, and saving it unchanged copies it byte for byte.
TEST_F(PackageTest, ALargePackageIsReadPieceByPieceFromItsFile) {
  struct Case {
    const char* name;
    uint64_t media;  // bytes of the stored part
    bool mediaReads;
  } cases[] = {
      {"above the size read whole", 12ull << 20, true},
      {"far above the office file cap", 1ull << 30, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = dir_ / "big.pptx";
    ASSERT_TRUE(WriteZip(file, {{"[Content_Types].xml", kTypes},
                                {"_rels/.rels", kRels},
                                {"xl/workbook.xml", "<workbook><sheet name='s'/></workbook>"}}));
    ASSERT_TRUE(testing::AppendSparseStoredPart(file, "ppt/media/media1.mp4", c.media));
    ASSERT_GT(fs::file_size(file), c.media);
    auto package = Package::Open(file);
    ASSERT_TRUE(package) << package.error().message;
    EXPECT_FALSE((*package)->Whole());
    base::Result<pugi::xml_document*> workbook = (*package)->PartXml("xl/workbook.xml");
    ASSERT_TRUE(workbook) << workbook.error().message;
    EXPECT_STREQ((*workbook)->child("workbook").child("sheet").attribute("name").value(), "s");
    EXPECT_EQ((*package)->FindRelationship("", "/officeDocument")->target, "xl/workbook.xml");
    base::Result<std::string_view> media = (*package)->PartBytes("ppt/media/media1.mp4");
    EXPECT_EQ(media.has_value(), c.mediaReads);
    if (media) {
      EXPECT_EQ(media->size(), c.media);
      EXPECT_EQ(media->find_first_not_of('\0'), std::string_view::npos);
      // Unchanged, it is written as it stands, from the file.
      ASSERT_TRUE((*package)->SaveAs(dir_ / "copy.pptx"));
      EXPECT_EQ(Slurp(dir_ / "copy.pptx"), Slurp(file));
      fs::remove(dir_ / "copy.pptx");
    } else {
      EXPECT_NE(media.error().message.find("too large"), std::string::npos)
          << media.error().message;
    }
  }
}

// A part whose compressed size in the directory is far beyond any deflate stream of its size is
// not read into memory from a file.
TEST_F(PackageTest, ALyingCompressedSizeIsNotReadFromAFile) {
  const fs::path file = dir_ / "lying.pptx";
  ASSERT_TRUE(WriteZip(
      file, {{"[Content_Types].xml", kTypes}, {"a.xml", "<a>" + std::string(2000, 'x') + "</a>"}}));
  ASSERT_TRUE(testing::AppendSparseStoredPart(file, "pad.bin", 9u << 20));
  std::string bytes = Slurp(file);
  // a.xml's entry in the central directory: its compressed size made 8 MiB.
  const size_t entry = bytes.rfind("a.xml") - 46;
  ASSERT_EQ(bytes.compare(entry, 4, "PK\x01\x02"), 0);
  bytes[entry + 20 + 2] = static_cast<char>(0x80);
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
  auto package = Package::Open(file);
  ASSERT_TRUE(package) << package.error().message;
  base::Result<std::string_view> part = (*package)->PartBytes("a.xml");
  ASSERT_FALSE(part);
  EXPECT_NE(part.error().message.find("does not inflate"), std::string::npos)
      << part.error().message;
}

// A small archive of parts that each inflate to tens of megabytes: the first parts read, the
// ones beyond the package's budget fail with a reason instead of taking gigabytes.
TEST_F(PackageTest, PartsBeyondTheInflatedBudgetFail) {
  const std::string big = "<a>" + std::string(60u << 20, ' ') + "</a>";
  std::vector<std::pair<std::string, std::string>> entries = {{"[Content_Types].xml", kTypes}};
  for (int i = 1; i <= 5; ++i) entries.emplace_back("p" + std::to_string(i) + ".xml", big);
  const std::string zip = Zip(entries);
  ASSERT_LT(zip.size(), 2u << 20);
  auto package = Package::OpenMemory(zip);
  ASSERT_TRUE(package) << package.error().message;
  for (int i = 1; i <= 4; ++i) {
    const std::string name = "p" + std::to_string(i) + ".xml";
    if (i % 2 == 0) {
      EXPECT_TRUE((*package)->PartXml(name)) << name;  // parsed in place counts the same
    } else {
      EXPECT_TRUE((*package)->PartBytes(name)) << name;
    }
  }
  for (auto read :
       {(*package)->PartBytes("p5.xml").has_value(), (*package)->PartXml("p5.xml").has_value()})
    EXPECT_FALSE(read);
  base::Result<std::string_view> beyond = (*package)->PartBytes("p5.xml");
  ASSERT_FALSE(beyond);
  EXPECT_NE(beyond.error().message.find("beyond"), std::string::npos) << beyond.error().message;
  // What was read stays readable.
  EXPECT_TRUE((*package)->PartBytes("p2.xml"));
}

// Tiny elements cost far more as a tree than as text: a part of five million of them reads as
// bytes, but its tree would go beyond the budget and is refused.
TEST_F(PackageTest, TreesAreChargedToTheBudgetToo) {
  std::string tiny = "<a>";
  for (int i = 0; i < 5'000'000; ++i) tiny += "<b/>";
  tiny += "</a>";
  auto package = Package::OpenMemory(Zip({{"[Content_Types].xml", kTypes}, {"t.xml", tiny}}));
  ASSERT_TRUE(package) << package.error().message;
  base::Result<pugi::xml_document*> tree = (*package)->PartXml("t.xml");
  ASSERT_FALSE(tree);
  EXPECT_NE(tree.error().message.find("beyond"), std::string::npos) << tree.error().message;
  EXPECT_TRUE((*package)->PartBytes("t.xml"));
  EXPECT_TRUE((*package)->PartXml("[Content_Types].xml"));
}

// Damage inside an archive whose directory still reads: the part fails with a reason, the
// others still read.
TEST_F(PackageTest, DamagedPartsFailAloneWithAReason) {
  const std::string body(2000, 'x');
  const std::string zip = Zip({{"[Content_Types].xml", kTypes}, {"a.xml", "<a>" + body + "</a>"}});
  const size_t data = zip.find("a.xml") + 5;  // the local header's name ends where data starts
  struct Case {
    const char* name;
    size_t offset;  // byte to change, counted from the start of a.xml's compressed data
    const char* reason;
  } cases[] = {
      {"flipped data", data + 4, "a.xml"},
      {"broken local header", zip.find("a.xml") - 30, "no local header"},
  };
  for (const Case& c : cases) {
    std::string bytes = zip;
    bytes[c.offset] = static_cast<char>(bytes[c.offset] ^ 0x55);
    auto package = Package::OpenMemory(bytes);
    ASSERT_TRUE(package) << c.name << ": " << package.error().message;
    auto part = (*package)->PartBytes("a.xml");
    ASSERT_FALSE(part) << c.name;
    EXPECT_NE(part.error().message.find(c.reason), std::string::npos)
        << c.name << ": " << part.error().message;
    EXPECT_FALSE((*package)->PartXml("a.xml")) << c.name;
    EXPECT_TRUE((*package)->PartXml("[Content_Types].xml")) << c.name;
  }
}

// Opening the same bytes again copies the parts inflated before: the copies must be the
// archive's parts as stored, whatever the first package did with its own, and other bytes
// (another file, or the same one damaged) must never get them.
TEST_F(PackageTest, ReopenedBytesGiveTheStoredParts) {
  const std::string body(2000, 'x');
  const std::string zip = Zip(
      {{"[Content_Types].xml", kTypes}, {"a.xml", "<a>" + body + "</a>"}, {"b.xml", "<b v='1'/>"}});
  auto first = Package::OpenMemory(zip);
  ASSERT_TRUE(first);
  ASSERT_EQ(*(*first)->PartBytes("a.xml"), "<a>" + body + "</a>");
  pugi::xml_document* b = *(*first)->PartXml("b.xml");
  b->document_element().attribute("v").set_value("2");
  (*first)->MarkChanged("b.xml");
  ASSERT_NE((*first)->PartBytes("b.xml")->find("v=\"2\""), std::string_view::npos);

  for (int round = 0; round < 2; ++round) {
    auto again = Package::OpenMemory(zip);
    ASSERT_TRUE(again);
    EXPECT_EQ(*(*again)->PartBytes("a.xml"), "<a>" + body + "</a>");
    EXPECT_STREQ((*(*again)->PartXml("b.xml"))->document_element().attribute("v").value(), "1");
    EXPECT_EQ(*(*again)->PartBytes("b.xml"), "<b v='1'/>");
  }

  std::string damaged = zip;
  const size_t data = zip.find("a.xml") + 5;
  damaged[data + 4] = static_cast<char>(damaged[data + 4] ^ 0x55);
  auto broken = Package::OpenMemory(damaged);
  ASSERT_TRUE(broken);
  EXPECT_FALSE((*broken)->PartBytes("a.xml"));

  const std::string other = Zip({{"[Content_Types].xml", kTypes}, {"a.xml", "<a>other</a>"}});
  auto next = Package::OpenMemory(other);
  ASSERT_TRUE(next);
  EXPECT_EQ(*(*next)->PartBytes("a.xml"), "<a>other</a>");
}

TEST_F(PackageTest, FindsPartsRelationshipsAndContentTypes) {
  auto opened = Package::OpenMemory(Zip({{"[Content_Types].xml", kTypes},
                                         {"_rels/.rels", kRels},
                                         {"xl/workbook.xml", "<workbook><x>1</x></workbook>"},
                                         {"xl/_rels/workbook.xml.rels", kWorkbookRels},
                                         {"xl/bad.xml", "<open>"},
                                         {"xl/media/a.png", "PNG"}}));
  ASSERT_TRUE(opened) << opened.error().message;
  Package* package = opened->get();

  EXPECT_TRUE(package->HasPart("/XL/Workbook.xml"));
  EXPECT_FALSE(package->HasPart("xl/none.xml"));
  EXPECT_FALSE(package->PartBytes("xl/none.xml"));
  auto doc = package->PartXml("xl/workbook.xml");
  ASSERT_TRUE(doc);
  EXPECT_EQ(*package->PartXml("/xl/WORKBOOK.xml"), *doc);  // parsed once
  EXPECT_STREQ((*doc)->child("workbook").child_value("x"), "1");
  auto bad = package->PartXml("xl/bad.xml");
  ASSERT_FALSE(bad);
  EXPECT_NE(bad.error().message.find("not well-formed"), std::string::npos);
  ASSERT_TRUE(package->PartBytes("xl/bad.xml"));
  EXPECT_EQ(*package->PartBytes("xl/media/a.png"), "PNG");

  const Relationship* main = package->FindRelationship("", "/officeDocument");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->target, "xl/workbook.xml");
  const auto& rels = package->Relationships(main->target);
  ASSERT_EQ(rels.size(), 3u);
  EXPECT_EQ(rels[0].target, "xl/worksheets/sheet1.xml");
  EXPECT_EQ(rels[1].target, "media/a.png");
  EXPECT_TRUE(rels[2].external);
  EXPECT_EQ(rels[2].target, "http://e.com/a");
  EXPECT_TRUE(package->Relationships("xl/media/a.png").empty());

  EXPECT_EQ(package->ContentType("xl/workbook.xml"), "wb");
  EXPECT_EQ(package->ContentType("xl/bad.XML"), "application/xml");
  EXPECT_EQ(package->ContentType("xl/media/a.png"), "");
}

TEST(PackageTarget, ResolvesRelativeTargets) {
  struct Case {
    const char* source;
    const char* target;
    const char* part;
  } cases[] = {
      {"xl/workbook.xml", "worksheets/sheet1.xml", "xl/worksheets/sheet1.xml"},
      {"xl/drawings/d.xml", "../media/a.png", "xl/media/a.png"},
      {"xl/workbook.xml", "/xl/styles.xml", "xl/styles.xml"},
      {"", "xl/workbook.xml", "xl/workbook.xml"},
      {"a.xml", "../../x.xml", "x.xml"},
      {"xl/workbook.xml", "./theme//t.xml", "xl/theme/t.xml"},
  };
  for (const Case& c : cases) EXPECT_EQ(Package::ResolveTarget(c.source, c.target), c.part);
}

TEST_F(PackageTest, SavesUnchangedBytesOrTheEditedTree) {
  const std::string original = Zip({{"[Content_Types].xml", kTypes}, {"a.xml", "<a v=\"1\"/>"}});
  auto opened = Package::OpenMemory(original);
  ASSERT_TRUE(opened);
  Package& package = **opened;
  ASSERT_TRUE(package.SaveAs(dir_ / "same.zip"));
  EXPECT_EQ(Slurp(dir_ / "same.zip"), original);

  (*package.PartXml("a.xml"))->child("a").attribute("v").set_value("2");
  package.MarkChanged("a.xml");
  EXPECT_NE(package.PartBytes("a.xml")->find("<a v=\"2\"/>"),
            std::string::npos);  // the edited tree
  ASSERT_TRUE(package.SaveAs(dir_ / "edited.zip"));
  auto again = Package::Open(dir_ / "edited.zip");
  ASSERT_TRUE(again) << again.error().message;
  EXPECT_STREQ((*(*again)->PartXml("a.xml"))->child("a").attribute("v").value(), "2");
  EXPECT_TRUE((*again)->HasPart("[Content_Types].xml"));

  // A failed save says so and leaves no temporary file behind.
  const base::Status failed = package.SaveAs(dir_ / "no" / "such" / "folder.zip");
  ASSERT_FALSE(failed);
  EXPECT_FALSE(failed.error().message.empty());
  fs::create_directory(dir_ / "ro");
  fs::permissions(dir_ / "ro", fs::perms::owner_read | fs::perms::owner_exec);
  if (::access((dir_ / "ro").c_str(), W_OK) != 0) {  // root writes anywhere
    EXPECT_FALSE(package.SaveAs(dir_ / "ro" / "x.zip"));
    EXPECT_TRUE(fs::is_empty(dir_ / "ro"));
  }
  fs::permissions(dir_ / "ro", fs::perms::owner_all);
}

// An archive of entries kept as they are (method 0), as an archiver told not to compress writes
// them: a writer that deflated every part again would give them method 8.
std::string StoredZip(const std::vector<std::pair<std::string, std::string>>& entries) {
  auto put = [](std::string& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  auto crc32 = [](std::string_view bytes) {
    uint32_t crc = 0xFFFFFFFF;
    for (unsigned char c : bytes) {
      crc ^= c;
      for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
  };
  std::string out, directory;
  for (const auto& [name, bytes] : entries) {
    const uint32_t crc = crc32(bytes);
    const auto size = static_cast<uint32_t>(bytes.size());
    const auto offset = static_cast<uint32_t>(out.size());
    put(out, 0x04034b50, 4), put(out, 20, 2), put(out, 0, 2), put(out, 0, 2), put(out, 0, 4);
    put(out, crc, 4), put(out, size, 4), put(out, size, 4);
    put(out, static_cast<uint32_t>(name.size()), 2), put(out, 0, 2);
    out += name + bytes;
    put(directory, 0x02014b50, 4), put(directory, 20, 2), put(directory, 20, 2);
    put(directory, 0, 2), put(directory, 0, 2), put(directory, 0, 4), put(directory, crc, 4);
    put(directory, size, 4), put(directory, size, 4);
    put(directory, static_cast<uint32_t>(name.size()), 2), put(directory, 0, 4);
    put(directory, 0, 4), put(directory, 0, 4), put(directory, offset, 4);
    directory += name;
  }
  const auto at = static_cast<uint32_t>(out.size());
  out += directory;
  put(out, 0x06054b50, 4), put(out, 0, 4);
  put(out, static_cast<uint32_t>(entries.size()), 2),
      put(out, static_cast<uint32_t>(entries.size()), 2);
  put(out, static_cast<uint32_t>(directory.size()), 4), put(out, at, 4), put(out, 0, 2);
  return out;
}

// Saving after an edit writes the edited part anew and copies every other part as it was
// stored, without inflating it: the saved package opens with the same parts.
TEST_F(PackageTest, SavesEditedPartsAnewAndCopiesTheOthersAsStored) {
  const std::string kept = "<keep>" + std::string(3000, 'k') + "</keep>";
  const std::string edited = "<a v=\"1\">" + std::string(3000, 'a') + "</a>";
  const std::string original =
      StoredZip({{"[Content_Types].xml", kTypes}, {"a.xml", edited}, {"keep.xml", kept}});
  auto opened = Package::OpenMemory(original);
  ASSERT_TRUE(opened) << opened.error().message;
  ASSERT_EQ(*(*opened)->PartBytes("keep.xml"), kept);  // read before: still copied as stored
  (*(*opened)->PartXml("a.xml"))->child("a").attribute("v").set_value("2");
  (*opened)->MarkChanged("a.xml");
  ASSERT_TRUE((*opened)->SaveAs(dir_ / "saved.zip"));

  const std::string saved = Slurp(dir_ / "saved.zip");
  base::Result<std::vector<ZipEntry>> entries = ReadZipDirectory(saved);
  ASSERT_TRUE(entries) << entries.error().message;
  std::vector<std::string> names;
  for (const ZipEntry& e : *entries) {
    names.push_back(e.name);
    EXPECT_EQ(e.method, e.name == "a.xml" ? 8 : 0) << e.name;
  }
  EXPECT_EQ(names, (std::vector<std::string>{"[Content_Types].xml", "a.xml", "keep.xml"}));

  auto again = Package::OpenMemory(saved);
  ASSERT_TRUE(again) << again.error().message;
  EXPECT_EQ(*(*again)->PartBytes("keep.xml"), kept);
  EXPECT_EQ(*(*again)->PartBytes("[Content_Types].xml"), kTypes);
  EXPECT_STREQ((*(*again)->PartXml("a.xml"))->child("a").attribute("v").value(), "2");
}

// What WriteZip and a save write reads back byte for byte, whatever the part: empty, not
// compressible (kept stored), highly compressible, under a name that is not ASCII.
TEST_F(PackageTest, WrittenPartsReadBackAsGiven) {
  std::string noise(5000, '\0');
  uint32_t state = 12345;
  for (char& c : noise) c = static_cast<char>((state = state * 1103515245 + 12345) >> 24);
  const std::vector<std::pair<std::string, std::string>> parts = {
      {"[Content_Types].xml", kTypes},
      {"empty.xml", ""},
      {"media/noise.bin", noise},
      {"long.xml", "<l>" + std::string(100000, 'a') + "</l>"},
      {"docs/\xE6\x96\x87\xE6\xA1\xA3.xml", "<d/>"},
  };
  auto opened = Package::OpenMemory(Zip(parts));
  ASSERT_TRUE(opened) << opened.error().message;
  for (const auto& [name, bytes] : parts) {
    base::Result<std::string_view> read = (*opened)->PartBytes(name);
    ASSERT_TRUE(read) << name << ": " << read.error().message;
    EXPECT_EQ(*read, bytes) << name;
  }
}

}  // namespace
}  // namespace opc
