// The entry points of webmark.ocx: registration and the class object of the one class it serves.
#include "grading/webmark/control.h"
#include "platform/com/library_macros.h"

KIRV_COM_LIBRARY(webmark::webmark)
