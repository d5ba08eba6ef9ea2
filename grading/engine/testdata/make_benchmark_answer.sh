#!/usr/bin/env bash
# Writes benchmark_answer.xls beside this script: the engine benchmark's 100-row answer workbook
# (engine_benchmark --write), saved again by LibreOffice Calc (libreoffice-calc-nogui) in the
# binary format, so the benchmark loads the same cells from both formats. Needed only to make it
# again.
#   grading/engine/testdata/make_benchmark_answer.sh BUILD_DIR
# BUILD_DIR is a tree configured with benchmarks, the target engine_benchmark built.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/grading/engine/engine_benchmark" --write "$work/benchmark_answer.xlsx"
soffice --headless --norestore "-env:UserInstallation=file://$work/profile" \
  --convert-to "xls:MS Excel 97" --outdir "$here" "$work/benchmark_answer.xlsx" >/dev/null 2>&1
ls -l "$here/benchmark_answer.xls"
