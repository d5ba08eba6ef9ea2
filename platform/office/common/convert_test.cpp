#include "platform/office/common/convert.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/office/common/testing/converter.h"
#include "platform/office/opc/package.h"
#include "platform/win/confined_file.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace office {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const fs::path& file, std::string_view text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

// True while the process exists and has not ended (a zombie whose parent is gone has ended).
bool StillRuns(int pid) {
  const std::string stat = Read("/proc/" + std::to_string(pid) + "/stat");
  const size_t close = stat.rfind(')');
  return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z' &&
         stat[close + 2] != 'X';
}

// A stand-in "soffice" first on PATH: it writes its arguments, one a line, to args.txt beside
// itself, finds its output folder and input file the way the real one reads them, and then runs
// `body`.
class StandIn {
 public:
  explicit StandIn(std::string_view body)
      : folder_("convert_"), path_("PATH", (folder_.Path() / "bin").string() + ":" + OldPath()) {
    const fs::path script = folder_.Path() / "bin" / "soffice";
    Write(script,
          "#!/bin/sh\n"
          "here=$(dirname \"$0\")\n"
          "printf '%s\\n' \"$@\" > \"$here/args.txt\"\n"
          "prev=; for a in \"$@\"; do [ \"$prev\" = --outdir ] && outdir=$a; prev=$a; last=$a; "
          "done\n"
          "name=$(basename \"$last\")\n" +
              std::string(body) + "\n");
    fs::permissions(script, fs::perms::owner_all);
  }

  fs::path Folder() const { return folder_.Path(); }
  std::vector<std::string> Args() const {
    std::vector<std::string> args;
    std::istringstream in(Read(folder_.Path() / "bin" / "args.txt"));
    for (std::string line; std::getline(in, line);) args.push_back(line);
    return args;
  }
  // The scratch folder the converter was given: the parent of its output folder.
  fs::path Scratch() const {
    const std::vector<std::string> args = Args();
    for (size_t i = 0; i + 1 < args.size(); ++i)
      if (args[i] == "--outdir") return fs::path(args[i + 1]).parent_path();
    return {};
  }

 private:
  static std::string OldPath() {
    const char* p = std::getenv("PATH");
    return p ? p : "/usr/bin:/bin";
  }

  win::testing::ScopedTempFolder folder_;
  win::testing::ScopedEnv path_;
};

TEST(Convert, TheConverterWorksOnAPrivateCopyWithItsOwnProfile) {
  StandIn soffice(
      "stat -c %a \"$outdir/..\" > \"$here/mode.txt\"\n"
      "{ printf 'converted:'; cat \"$last\"; } > \"$outdir/${name%.*}.docx\"");
  // A name that would read as an option, with blanks and Chinese: the converter never sees it.
  const fs::path source = soffice.Folder() / "his" / "-rf 考生 文档.doc";
  Write(source, "binary document");

  const base::Result<std::string> docx = ConvertToPackage(source, PackageFormat::Docx);

  ASSERT_TRUE(docx) << docx.error().message;
  EXPECT_EQ(*docx, "converted:binary document");
  const fs::path scratch = soffice.Scratch();
  ASSERT_FALSE(scratch.empty());
  const std::vector<std::string> expected = {
      "--headless",
      "--norestore",
      "--nolockcheck",
      "-env:UserInstallation=file://" + (scratch / "profile").string(),
      "--convert-to",
      "docx",
      "--outdir",
      (scratch / "out").string(),
      (scratch / "document.doc").string()};
  EXPECT_EQ(soffice.Args(), expected);
  EXPECT_EQ(Read(soffice.Folder() / "bin" / "mode.txt"), "700\n");
  EXPECT_FALSE(fs::exists(scratch)) << "the scratch folder is removed";
  EXPECT_TRUE(fs::exists(source)) << "his file is left as it was";
}

TEST(Convert, FailuresSayWhichKindTheyAre) {
  struct Row {
    const char* name;
    const char* body;    // the stand-in's behaviour
    const char* source;  // the source's name under the test folder; "fifo" makes a FIFO
    bool confined;       // read only inside the folder "his"
    int code;
    const char* said;  // a piece of the message
  } rows[] = {
      {"converter says it failed", "echo 'Error: source file could not be loaded' >&2; exit 1",
       "his/a.doc", false, kConverterFailed, "source file could not be loaded"},
      {"converter succeeds without a document", "echo 'convert done'; exit 0", "his/a.doc", false,
       kConverterFailed, "made no document"},
      {"converter ended by a signal", "kill -9 $$", "his/a.doc", false, kConverterFailed,
       "exit status 137"},
      {"converter writes a document but fails",
       "echo docx > \"$outdir/${name%.*}.docx\"; echo 'Error: half done'; exit 1", "his/a.doc",
       false, kConverterFailed, "half done"},
      {"source too large", "exit 0", "his/huge.doc", false, EFBIG, "huge.doc"},
      {"source missing", "exit 0", "his/none.doc", false, ENOENT, "none.doc"},
      {"source is a FIFO", "exit 0", "fifo", false, ENOENT, "fifo"},
      {"source leaves his folder", "exit 0", "his/outside.doc", true, ENOENT, "outside.doc"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    StandIn soffice(row.body);
    Write(soffice.Folder() / "his" / "a.doc", "x");
    Write(soffice.Folder() / "elsewhere.doc", "not his");
    fs::create_symlink(soffice.Folder() / "elsewhere.doc", soffice.Folder() / "his/outside.doc");
    ASSERT_EQ(::mkfifo((soffice.Folder() / "fifo").c_str(), 0600), 0);
    Write(soffice.Folder() / "his" / "huge.doc", "");
    fs::resize_file(soffice.Folder() / "his" / "huge.doc", win::kOfficeFileCap + 1);  // sparse
    ConvertOptions options;
    if (row.confined) options.confineTo = soffice.Folder() / "his";

    const base::Result<std::string> docx =
        ConvertToPackage(soffice.Folder() / row.source, PackageFormat::Docx, options);

    ASSERT_FALSE(docx);
    EXPECT_EQ(docx.error().code, row.code) << docx.error().message;
    EXPECT_NE(docx.error().message.find(row.said), std::string::npos) << docx.error().message;
    const fs::path scratch = soffice.Scratch();
    if (!scratch.empty()) {
      EXPECT_FALSE(fs::exists(scratch));
    }
  }
}

TEST(Convert, AMissingConverterIsToldApart) {
  win::testing::ScopedTempFolder folder("convert_");
  Write(folder.Path() / "a.doc", "x");
  ConvertOptions options;
  options.program = "kirv-no-such-converter";
  const base::Result<std::string> docx =
      ConvertToPackage(folder.Path() / "a.doc", PackageFormat::Docx, options);
  ASSERT_FALSE(docx);
  EXPECT_EQ(docx.error().code, kConverterMissing);
  EXPECT_NE(docx.error().message.find("libreoffice-writer-nogui"), std::string::npos);
}

// A converter that hangs is ended, with what it started, once its time is up, and the call
// returns then.
TEST(Convert, AConverterPastItsTimeIsEnded) {
  StandIn soffice("sleep 60 & echo $! > \"$here/sleeper.txt\"; wait");
  Write(soffice.Folder() / "a.doc", "x");
  ConvertOptions options;
  options.timeLimit = 500ms;
  const auto before = std::chrono::steady_clock::now();

  const base::Result<std::string> docx =
      ConvertToPackage(soffice.Folder() / "a.doc", PackageFormat::Docx, options);

  const auto spent = std::chrono::steady_clock::now() - before;
  ASSERT_FALSE(docx);
  EXPECT_EQ(docx.error().code, kConverterTimedOut) << docx.error().message;
  EXPECT_GE(spent, 500ms);
  EXPECT_LT(spent, 5s);
  int sleeper = 0;
  std::ifstream(soffice.Folder() / "bin" / "sleeper.txt") >> sleeper;
  ASSERT_GT(sleeper, 0);
  for (int i = 0; i < 200 && StillRuns(sleeper); ++i) std::this_thread::sleep_for(10ms);
  EXPECT_FALSE(StillRuns(sleeper));
  EXPECT_FALSE(fs::exists(soffice.Scratch()));
}

// The real converter, where it is installed with the module a format needs: a legacy binary
// file saved by an office suite comes back as a package whose main part holds its text.
TEST(Convert, RealConverterTurnsLegacyFilesIntoPackages) {
  struct Row {
    const char* name;
    PackageFormat format;
    fs::path source;
    const char* part;
    std::vector<std::string> texts;
  } rows[] = {
      {"document",
       PackageFormat::Docx,
       fs::path(KIRV_WORD_TESTDATA) / "suite_legacy.doc",
       "word/document.xml",
       {"旧格式的文档标题", "转换以后仍能读出这段文字"}},
      {"workbook",
       PackageFormat::Xlsx,
       fs::path(KIRV_CONVERT_TESTDATA) / "legacy_book.xls",
       "xl/sharedStrings.xml",
       {"旧格式的工作簿"}},
      {"presentation",
       PackageFormat::Pptx,
       "",  // made here: a saved one is too large to keep
       "ppt/slides/slide1.xml",
       {"旧格式的演示文稿"}},
  };
  win::testing::ScopedTempFolder folder("convert_");
  int converted = 0;
  std::string skipped;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string missing = testing::ConverterMissing(row.format);
    if (!missing.empty()) {
      skipped += std::string(row.name) + ": " + missing + "; ";
      continue;
    }
    fs::path source = row.source;
    if (source.empty()) {
      Write(folder.Path() / "slides.fodp", testing::FlatPresentation("旧格式的演示文稿"));
      base::Result<fs::path> saved = testing::SaveWithLibreOffice(
          folder.Path() / "slides.fodp", "ppt:MS PowerPoint 97", folder.Path());
      ASSERT_TRUE(saved) << saved.error().message;
      source = *saved;
    }
    ConvertOptions options;
    options.timeLimit = 180s;
    const base::Result<std::string> package = ConvertToPackage(source, row.format, options);
    ASSERT_TRUE(package) << package.error().message;
    auto opened = opc::Package::OpenMemory(*package);
    ASSERT_TRUE(opened) << opened.error().message;
    const base::Result<std::string_view> part = (*opened)->PartBytes(row.part);
    ASSERT_TRUE(part) << part.error().message;
    for (const std::string& text : row.texts)
      EXPECT_NE(part->find(text), std::string_view::npos) << text;
    ++converted;
  }
  if (converted == 0) GTEST_SKIP() << skipped;
  if (!skipped.empty()) std::cout << "[ SKIPPED  ] " << skipped << "\n";
}

// A LibreOffice without the module for a format is no converter for it: the file is not at fault.
TEST(Convert, AnInstallationWithoutTheFormatsModuleIsAMissingConverter) {
  win::testing::ScopedTempFolder folder("convert_");
  const fs::path program = folder.Path() / "lo" / "program";
  Write(program / "soffice.bin", "");
  Write(program / "libswlo.so", "");
  Write(program / "soffice", "#!/bin/sh\nexit 0\n");
  fs::permissions(program / "soffice", fs::perms::owner_all);
  ConvertOptions options;
  options.program = (program / "soffice").string();

  const base::Result<std::string> xlsx =
      ConvertBytesToPackage("binary", "a.xls", PackageFormat::Xlsx, options);

  ASSERT_FALSE(xlsx);
  EXPECT_EQ(xlsx.error().code, kConverterMissing) << xlsx.error().message;
  EXPECT_NE(xlsx.error().message.find("libreoffice-calc-nogui"), std::string::npos);
}

}  // namespace
}  // namespace office
