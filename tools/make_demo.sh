#!/usr/bin/env bash
# Builds the demo installation: a complete program folder laid out the way the exam client
# expects it (KIRV.ini, db\kirv.mdb, Readme.rtf, Data\Paper, Data\Answer, Data\Attach with real
# password-protected 7z archives, Skins, Script, Ocx, the programs) plus a writable folder that
# stands for drive D:, where the candidate folders live.
#
#   tools/make_demo.sh BUILD_DIR [INSTALL_DIR]
#
# BUILD_DIR is a configured and built tree (it must hold tools/demo_assets, tools/text_book,
# tools/demo_workbooks and the grading controls deskmark.ocx, dirmark.ocx, docmark.ocx,
# sheetmark.ocx, slidemark.ocx, webmark.ocx and hopmark.ocx, which go into Ocx with any other control it has built); INSTALL_DIR defaults to
# BUILD_DIR/demo-install and is replaced. The drive folder is INSTALL_DIR/drive_d; run the
# client with KIRV_DRIVE_D pointing there (scripts/run-demo.sh does).
set -euo pipefail

src=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: make_demo.sh BUILD_DIR [INSTALL_DIR]}" && pwd)
out=${2:-$build/demo-install}
assets=$build/tools/demo_assets
books=$build/tools/text_book
workbooks=$build/tools/demo_workbooks
schema=$src/client/store/db/schema.sql
net_schema=$src/netdb/schema.sql
demo=$src/demo

[ -x "$assets" ] || { echo "make_demo: $assets is missing; build the target demo_assets" >&2; exit 1; }
[ -x "$books" ] || { echo "make_demo: $books is missing; build the target text_book" >&2; exit 1; }
[ -x "$workbooks" ] || { echo "make_demo: $workbooks is missing; build the target demo_workbooks" >&2; exit 1; }
[ -f "$schema" ] || { echo "make_demo: $schema is missing" >&2; exit 1; }
[ -f "$net_schema" ] || { echo "make_demo: $net_schema is missing" >&2; exit 1; }
# The grading controls: the exam grades nothing without them.
for control in deskmark dirmark docmark sheetmark slidemark webmark hopmark; do
  [ -f "$build/grading/$control/$control.ocx" ] || {
    echo "make_demo: $build/grading/$control/$control.ocx is missing; build the target demo_installation" >&2
    exit 1
  }
done
command -v 7za >/dev/null || { echo "make_demo: 7za (p7zip-full) is missing" >&2; exit 1; }
command -v sqlite3 >/dev/null || { echo "make_demo: sqlite3 is missing" >&2; exit 1; }

# Archive and file names inside the archives are UTF-8.
export LC_ALL=C.UTF-8

# Only an earlier demo installation (or an empty folder) is replaced.
if [ -d "$out" ] && [ -n "$(ls -A "$out")" ] && [ ! -f "$out/KIRV.ini" ]; then
  echo "make_demo: $out is not empty and holds no KIRV.ini; not replacing it" >&2
  exit 1
fi
rm -rf "$out"
mkdir -p "$out"
out=$(cd "$out" && pwd)
mkdir -p "$out"/{db,Data/Paper/Sel,Data/Answer,Data/Attach,Skins,Script,Ocx} "$out/drive_d/KirvExam"

# Settings, in the system's code page, with the stored form of the demo system password.
stored=$("$assets" password kirv2026)
stored_sed=$(printf '%s' "$stored" | sed 's/[\\&|]/\\&/g')
sed "s|@SYSPASSWORD@|$stored_sed|" "$demo/KIRV.ini" | iconv -f UTF-8 -t GBK > "$out/KIRV.ini"

# Exam database: the schema, then the demo's rows.
sqlite3 -bail "$out/db/kirv.mdb" < "$schema"
sqlite3 -bail "$out/db/kirv.mdb" < "$demo/db/rows.sql"

# Rules, question files, single-choice questions and their key.
"$assets" rtf "$demo/Readme.txt" "$out/Readme.rtf"
for f in "$demo"/paper/*.txt; do
  "$assets" rtf "$f" "$out/Data/Paper/$(basename "${f%.txt}").rtf"
done
for f in "$demo"/sel/*.txt; do
  "$assets" rtf "$f" "$out/Data/Paper/Sel/$(basename "${f%.txt}").rtf"
done
cp "$demo/sel/Sel.ans" "$out/Data/Answer/Sel.ans"
# The spreadsheet, word and presentation tasks' answer workbooks.
"$workbooks" answer "$out/Data/Answer/excel1.xlsx"
"$workbooks" word-answer "$out/Data/Answer/word1.xlsx"
"$workbooks" ppt-answer "$out/Data/Answer/ppt1.xlsx"
"$workbooks" web-answer "$out/Data/Answer/web1.xlsx"

# Answer workbooks: each demo/answer/NAME.tsv becomes Data/Answer/NAME.xlsx.
for f in "$demo"/answer/*.tsv; do
  "$books" "$f" "$out/Data/Answer/$(basename "${f%.tsv}").xlsx"
done

# Paper archives: each folder under demo/attach becomes NAME.7z with the paper-archive password.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp -r "$demo/attach/." "$stage/"
# Git keeps no empty folders: the picture's folder is made here.
mkdir -p "$stage/win1/Winkt/photo"
"$assets" bmp "$stage/win1/Winkt/photo/sea.bmp"
# The spreadsheet task's starting workbook.
mkdir -p "$stage/excel1/Excelkt"
"$workbooks" start "$stage/excel1/Excelkt/score.xlsx"
# The word task's starting document, in the folder the client hands the word control.
mkdir -p "$stage/word1/wordkt"
"$workbooks" word-start "$stage/word1/wordkt/computer.docx"
# The presentation task's starting presentation, in the folder the client hands its control.
mkdir -p "$stage/ppt1/pptkt"
"$workbooks" ppt-start "$stage/ppt1/pptkt/history.pptx"
# The web-page task's starting site, in the folder the client hands the web-page control.
"$workbooks" web-start "$stage/web1/Fropkt"
# The network task's database: the schema and the paper's expected rows, in the folder the
# browser records into.
for f in "$demo"/netdb/*.sql; do
  name=$(basename "${f%.sql}")
  mkdir -p "$stage/$name/Netkt"
  sqlite3 -bail "$stage/$name/Netkt/net.net" < "$net_schema"
  sqlite3 -bail "$stage/$name/Netkt/net.net" < "$f"
done
for d in "$stage"/*/; do
  name=$(basename "$d")
  (cd "$d" && 7za a -t7z -bd -y -pRW5827 -mhe=on "$out/Data/Attach/$name.7z" . >/dev/null)
done

"$assets" skins "$out/Skins"

# The browser simulation's settings and the local copies of the web sites it shows.
iconv -f UTF-8 -t GBK "$demo/net.ini" > "$out/net.ini"
cp -r "$demo/site" "$out/Site"
cp "$demo/site/emailjs/start.js" "$out/Site/emailjs/content.js"

# Built programs and control libraries, when they exist in this build. The registration tool
# sits beside the client, which finds it there when it registers the Ocx folder at start-up.
for prog in client/gui/kirv browsim/browsim platform/com/regsvr32; do
  [ -x "$build/$prog" ] && cp "$build/$prog" "$out/"
done
# Every control library the build made; a copy that fails stops the script rather than leaving an
# Ocx folder that only looks complete.
while IFS= read -r -d '' lib; do
  cp "$lib" "$out/Ocx/" || { echo "make_demo: cannot copy $lib into $out/Ocx" >&2; exit 1; }
done < <(find "$build/grading" -name '*.ocx' -print0)

echo "make_demo: demo installation in $out (candidate drive D: is $out/drive_d)"
