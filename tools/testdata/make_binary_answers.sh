#!/usr/bin/env bash
# Writes the demo's answer workbooks in the binary format (excel1.xls, word1.xls, ppt1.xls,
# web1.xls, win1.xls) beside this script: each answer workbook the demo writes as a package,
# opened and saved again by LibreOffice Calc (libreoffice-calc-nogui) as "MS Excel 97". Needed
# only to make them again; the tests read the saved files.
#   tools/testdata/make_binary_answers.sh BUILD_DIR
# BUILD_DIR is a configured tree with the targets demo_workbooks and text_book built.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/tools/demo_workbooks" answer "$work/excel1.xlsx"
"$build/tools/demo_workbooks" word-answer "$work/word1.xlsx"
"$build/tools/demo_workbooks" ppt-answer "$work/ppt1.xlsx"
"$build/tools/demo_workbooks" web-answer "$work/web1.xlsx"
"$build/tools/text_book" "$here/../../demo/answer/win1.tsv" "$work/win1.xlsx"

for f in "$work"/*.xlsx; do
  soffice --headless --norestore "-env:UserInstallation=file://$work/profile" \
    --convert-to "xls:MS Excel 97" --outdir "$here" "$f" >/dev/null 2>&1
done
ls "$here"/*.xls
