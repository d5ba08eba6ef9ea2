// Every part-B check of the word-processor control, for its keyword rows: plain functions over
// the part's word::Application (the active document is the file row's) and the rule's converted
// argument cells, each answering what its keyword's verdict judges (a truth value, a count or a
// code; verdict.h has the mask test).
#pragma once

#include "grading/docmark/macro/font_checks.h"
#include "grading/docmark/macro/page_checks.h"
#include "grading/docmark/macro/paragraph_checks.h"
#include "grading/docmark/macro/search_checks.h"
#include "grading/docmark/macro/verdict.h"
