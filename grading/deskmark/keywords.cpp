// The keyword table. Keywords compare exactly; EvalRule upper-cases the rule's keyword first.
#include "grading/deskmark/keywords.h"

namespace deskmark {
namespace {

constexpr Keyword kKeywords[] = {
    // existence, attributes, copy, move, rename and delete
    {"ISFLDREXIST", IsFldrExist},
    {"ISFILEEXIST", IsFileExist},
    {"FILESX", FileSx},
    {"FLDRSX", FldrSx},
    {"ISFILECOPY", IsFileCopy},
    {"ISFILEMOVE", IsFileMove},
    {"ISFILEMRENAME", IsFileMRename},
    {"ISFILECRENAME", IsFileCRename},
    {"ISFILEDEL", IsFileDel},
    {"ISFLDRDEL", IsFldrDel},
    {"ISFLDRMOVE", IsFldrMove},
    {"ISFLDRMRENAME", IsFldrMove},
    {"ISFLDRCOPY", IsFldrCopy},
    {"ISFLDRCRENAME", IsFldrCopy},
    {"ISKJFSEXIST", IsKjfsExist},
    // date windows
    {"DATELASTMODIFIEDFILEMOVE", DateLastModifiedFileMove},
    {"DATELASTMODIFIEDFLDRMOVE", DateLastModifiedFldrMove},
    {"ISDALAMOFILEFLDRMOVE", IsDaLaMoFileFldrMove},
    {"ISDALAMOFILECOPY", IsDaLaMoFileCopy},
    {"ISDALAMOFLDRCOPY", IsDaLaMoFldrCopy},
    {"DATAMODIFYFILEADDRIBE", DataModifyFileAddribe},
    {"ISDALAMOFILEDEL", IsDaLaMoFileDel},
    {"ISDALAMOFLDRDEL", IsDaLaMoFldrDel},
    {"ISDALAMOFILEFLDRDEL", IsDaLaMoFileFldrDel},
    // size windows
    {"ISFILELENCOPY", IsFileLenCopy},
    {"ISFILELENMOVE", IsFileLenMove},
    {"ISFILELENDEL", IsFileLenDel},
    {"ISFILELENADDRIBE", IsFileLenAddribe},
};

}  // namespace

std::span<const Keyword> Keywords() {
  return kKeywords;
}

Check FindCheck(std::string_view keyword) {
  for (const Keyword& k : kKeywords)
    if (k.name == keyword) return k.check;
  return nullptr;
}

}  // namespace deskmark
