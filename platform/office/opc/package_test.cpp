// The package reader on real zip files: recognition, parts, relationships, saving.
#include "platform/office/opc/package.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/win/testing/test_folder.h"

namespace opc {
namespace {

namespace fs = std::filesystem;

class PackageTest : public ::testing::Test {
 protected:
  std::string Zip(const std::vector<std::pair<std::string, std::string>>& entries) {
    const fs::path file = dir_ / "in.zip";
    std::string error;
    EXPECT_TRUE(WriteZip(file, entries, &error)) << error;
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
    std::string error;
    EXPECT_EQ(Package::OpenMemory(c.bytes, &error), nullptr);
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
  }
  std::string error;
  EXPECT_EQ(Package::Open(dir_ / "missing.xlsx", &error), nullptr);
  EXPECT_NE(error.find("cannot open"), std::string::npos);
}

TEST_F(PackageTest, FindsPartsRelationshipsAndContentTypes) {
  std::string error;
  auto package = Package::OpenMemory(Zip({{"[Content_Types].xml", kTypes},
                                          {"_rels/.rels", kRels},
                                          {"xl/workbook.xml", "<workbook><x>1</x></workbook>"},
                                          {"xl/_rels/workbook.xml.rels", kWorkbookRels},
                                          {"xl/bad.xml", "<open>"},
                                          {"xl/media/a.png", "PNG"}}),
                                     &error);
  ASSERT_NE(package, nullptr) << error;

  EXPECT_TRUE(package->HasPart("/XL/Workbook.xml"));
  EXPECT_FALSE(package->HasPart("xl/none.xml"));
  EXPECT_EQ(package->PartBytes("xl/none.xml"), nullptr);
  pugi::xml_document* doc = package->PartXml("xl/workbook.xml");
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(package->PartXml("/xl/WORKBOOK.xml"), doc);  // parsed once
  EXPECT_STREQ(doc->child("workbook").child_value("x"), "1");
  EXPECT_EQ(package->PartXml("xl/bad.xml"), nullptr);
  ASSERT_NE(package->PartBytes("xl/bad.xml"), nullptr);

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
  std::string error;
  auto package = Package::OpenMemory(original, &error);
  ASSERT_NE(package, nullptr);
  ASSERT_TRUE(package->SaveAs(dir_ / "same.zip", &error)) << error;
  EXPECT_EQ(Slurp(dir_ / "same.zip"), original);

  package->PartXml("a.xml")->child("a").attribute("v").set_value("2");
  package->MarkChanged("a.xml");
  ASSERT_TRUE(package->SaveAs(dir_ / "edited.zip", &error)) << error;
  auto again = Package::Open(dir_ / "edited.zip", &error);
  ASSERT_NE(again, nullptr) << error;
  EXPECT_STREQ(again->PartXml("a.xml")->child("a").attribute("v").value(), "2");
  EXPECT_TRUE(again->HasPart("[Content_Types].xml"));

  EXPECT_FALSE(package->SaveAs(dir_ / "no" / "such" / "folder.zip", &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace opc
