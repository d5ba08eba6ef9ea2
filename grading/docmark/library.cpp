// The entry points of docmark.ocx: registration and the class object of the one class it serves.
#include "grading/docmark/control.h"
#include "platform/com/library_macros.h"

KIRV_COM_LIBRARY(docmark::docmark)
