// The entry points of sheetmark.ocx: registration and the class object of the one class it serves.
#include "grading/sheetmark/control.h"
#include "platform/com/library_macros.h"

KIRV_COM_LIBRARY(sheetmark::sheetmark)
