// The entry points of dirmark.ocx.
#include "grading/dirmark/dirmark.h"
#include "platform/com/library_macros.h"

KIRV_COM_LIBRARY(dirmark::Dirmark)
