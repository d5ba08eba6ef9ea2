// The date-window and size-window checks over candidate folders built by the tests.
#include <gtest/gtest.h>

#include "grading/deskmark/testing/check_cases.h"
#include "platform/win/attributes.h"

namespace deskmark {
namespace {

using testing::DeskFixture;
using Cases = std::vector<testing::CheckCase>;

win::LocalSeconds June1(int hour, int minute = 0, int second = 0) {
  return win::LocalSecondsOfCivil(2024, 6, 1, hour, minute, second);
}

// The window of every date case: (2024/6/1 8:00, 2024/6/1 18:00).
const std::string d1 = "2024/6/1 8:00";
const std::string d2 = "2024/6/1 18:00";

TEST(DateWindow, EndsAreOutside) {
  DeskFixture f;
  f.File("ends/at1.txt").Modified("ends/at1.txt", June1(8));
  f.File("ends/at2.txt").Modified("ends/at2.txt", June1(18));
  f.Folder("ends/Sub").Modified("ends/Sub", June1(12));
  f.Folder("empty");
  testing::ExpectChecks(
      f, Cases{
             {"files at both ends are outside", "ISDALAMOFILEDEL", {"ends", d1, d2}, true},
             {"a second earlier takes the first in",
              "ISDALAMOFILEDEL",
              {"ends", "2024/6/1 7:59:59", d2},
              false},
             {"a second later takes the last in",
              "ISDALAMOFILEDEL",
              {"ends", d1, "2024/6/1 18:00:01"},
              false},
             {"a subfolder inside", "ISDALAMOFLDRDEL", {"ends", d1, d2}, false},
             {"files and folders together", "ISDALAMOFILEFLDRDEL", {"ends", d1, d2}, false},
             {"an empty folder has nothing inside", "ISDALAMOFILEFLDRDEL", {"empty", d1, d2}, true},
             {"a missing folder has no entries", "ISDALAMOFILEDEL", {"none", d1, d2}, false},
             {"an empty d1 opens the window below", "ISDALAMOFILEDEL", {"ends", "", d2}, false},
             {"an empty d2 closes it", "ISDALAMOFILEDEL", {"ends", d1, ""}, true},
         });
}

TEST(DateWindow, CopiesAndMoves) {
  DeskFixture f;
  f.File("src/new.txt").Modified("src/new.txt", June1(12));
  f.File("src/old.txt").Modified("src/old.txt", June1(7));
  f.File("dst/new.txt");
  f.File("src2/new.txt").Modified("src2/new.txt", June1(12)).Folder("dst2");
  // moves: picked in the destination, gone from the source
  f.File("mvsrc/old.txt").Modified("mvsrc/old.txt", June1(7));
  f.File("mvdst/moved.txt").Modified("mvdst/moved.txt", June1(12));
  f.File("mvsrc2/still.txt").Modified("mvsrc2/still.txt", June1(12));
  f.File("mvdst2/moved.txt").Modified("mvdst2/moved.txt", June1(12));
  f.File("mvsrc3/moved.txt").Modified("mvsrc3/moved.txt", June1(7));
  f.File("mvdst3/moved.txt").Modified("mvdst3/moved.txt", June1(12));
  f.Folder("fmsrc").Folder("fmdst/D").Modified("fmdst/D", June1(12));
  f.Folder("mixsrc").File("mixdst/f.txt").Modified("mixdst/f.txt", June1(12));
  f.Folder("mixdst/D").Modified("mixdst/D", June1(12));
  // folder copies: picked in the destination, present in the source
  f.Folder("fcsrc/D").Folder("fcdst/D").Modified("fcdst/D", June1(12));
  f.Folder("fcsrc2/D").Folder("fcdst2/D").Folder("fcdst2/E");
  f.Modified("fcdst2/D", June1(12)).Modified("fcdst2/E", June1(13));
  testing::ExpectChecks(
      f,
      Cases{
          {"a new file copied", "ISDALAMOFILECOPY", {"src", "dst", d1, d2}, true},
          {"the new file not copied", "ISDALAMOFILECOPY", {"src2", "dst2", d1, d2}, false},
          {"no source file inside, copies or not",
           "ISDALAMOFILECOPY",
           {"src", "dst", d1, "2024/6/1 9:00"},
           false},
          {"moved and the source holds none inside",
           "DATELASTMODIFIEDFILEMOVE",
           {"mvsrc", "mvdst", d1, d2},
           true},
          {"a source file still inside",
           "DATELASTMODIFIEDFILEMOVE",
           {"mvsrc2", "mvdst2", d1, d2},
           false},
          {"the moved name still opens in the source",
           "DATELASTMODIFIEDFILEMOVE",
           {"mvsrc3", "mvdst3", d1, d2},
           false},
          {"a moved folder", "DATELASTMODIFIEDFLDRMOVE", {"fmsrc", "fmdst", d1, d2}, true},
          {"the source is the destination",
           "DATELASTMODIFIEDFLDRMOVE",
           {"fmdst", "fmdst", d1, d2},
           false},
          {"files and folders: no file moved",
           "ISDALAMOFILEFLDRMOVE",
           {"fmsrc", "fmdst", d1, d2},
           false},
          {"files and folders moved", "ISDALAMOFILEFLDRMOVE", {"mixsrc", "mixdst", d1, d2}, true},
          {"a folder copied", "ISDALAMOFLDRCOPY", {"fcsrc", "fcdst", d1, d2}, true},
          {"a new destination folder unknown to the source",
           "ISDALAMOFLDRCOPY",
           {"fcsrc2", "fcdst2", d1, d2},
           false},
      });
}

TEST(DateWindow, Attributes) {
  DeskFixture f;
  f.File("at/a.txt").Attributes("at/a.txt", win::FILE_ATTRIBUTE_HIDDEN);
  f.Modified("at/a.txt", June1(12));
  f.File("at/b.txt").Modified("at/b.txt", June1(7));
  f.File("at2/b.txt").Modified("at2/b.txt", June1(7));
  testing::ExpectChecks(
      f, Cases{
             {"the file inside is hidden", "DATAMODIFYFILEADDRIBE", {"at", d1, d2, "2"}, true},
             {"the file inside is not system", "DATAMODIFYFILEADDRIBE", {"at", d1, d2, "6"}, false},
             {"no file inside an existing folder",
              "DATAMODIFYFILEADDRIBE",
              {"at2", d1, d2, "2"},
              false},
             {"a missing folder passes", "DATAMODIFYFILEADDRIBE", {"none", d1, d2, "2"}, true},
         });
}

TEST(SizeWindow, KilobytesRoundUp) {
  DeskFixture f;
  f.File("sz/zero.bin", 0).File("sz/one.bin", 1).File("sz/k.bin", 1024).File("sz/k1.bin", 1025);
  f.File("szd/one.bin").File("szd/k.bin").File("szd2/one.bin");
  f.File("nz/one.bin", 1);
  f.File("lmsrc/other.bin", 5).File("lmdst/big.bin", 3000);
  f.File("lmsrc2/big.bin", 3000).File("lmdst2/big.bin", 3000);
  f.File("la/h.bin", 10).Attributes("la/h.bin", win::FILE_ATTRIBUTE_HIDDEN);
  testing::ExpectChecks(
      f, Cases{
             {"1 and 1024 bytes are 1 KB, 0 and 1025 not",
              "ISFILELENCOPY",
              {"sz", "szd", "1", "1"},
              true},
             {"1024 bytes are inside 1..1", "ISFILELENCOPY", {"sz", "szd2", "1", "1"}, false},
             {"0 bytes are inside 0..1", "ISFILELENCOPY", {"sz", "szd", "0", "1"}, false},
             {"1025 bytes are 2 KB", "ISFILELENCOPY", {"sz", "szd", "1", "2"}, false},
             {"nothing of 3 to 5 KB", "ISFILELENDEL", {"sz", "3", "5"}, true},
             {"an empty hi admits only empty files", "ISFILELENDEL", {"sz", "", ""}, false},
             {"and there is none here", "ISFILELENDEL", {"nz", "", ""}, true},
             {"a missing folder", "ISFILELENDEL", {"none", "0", "9"}, false},
             {"moved: gone from the source", "ISFILELENMOVE", {"lmsrc", "lmdst", "3", "3"}, true},
             {"still opens in the source", "ISFILELENMOVE", {"lmsrc2", "lmdst2", "3", "3"}, false},
             {"nothing inside the window", "ISFILELENMOVE", {"lmsrc", "lmdst", "1", "2"}, false},
             {"the file inside is hidden", "ISFILELENADDRIBE", {"la", "1", "1", "2"}, true},
             {"files inside are not hidden", "ISFILELENADDRIBE", {"sz", "1", "1", "2"}, false},
             {"no file inside passes", "ISFILELENADDRIBE", {"sz", "50", "60", "2"}, true},
         });
}

}  // namespace
}  // namespace deskmark
