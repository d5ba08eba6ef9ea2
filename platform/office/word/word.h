// The word processor's document model in one include: the application, its documents and
// selection, ranges with their fonts and paragraph formats, Find, tables, sections, paragraphs,
// the page background, and what the macro interface answers. Each header says what it holds;
// README.md lists every member and where its value comes from.
#pragma once

#include "platform/office/word/application.h"
#include "platform/office/word/background.h"
#include "platform/office/word/constants.h"
#include "platform/office/word/document.h"
#include "platform/office/word/errors.h"
#include "platform/office/word/find.h"
#include "platform/office/word/font.h"
#include "platform/office/word/macro_values.h"
#include "platform/office/word/paragraph_format.h"
#include "platform/office/word/paragraphs.h"
#include "platform/office/word/range.h"
#include "platform/office/word/section.h"
#include "platform/office/word/selection.h"
#include "platform/office/word/shading_border.h"
#include "platform/office/word/shape_formats.h"
#include "platform/office/word/shape_range.h"
#include "platform/office/word/shapes.h"
#include "platform/office/word/table.h"
#include "platform/office/word/word_basic.h"
