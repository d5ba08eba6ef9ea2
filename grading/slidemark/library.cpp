// The entry points of slidemark.ocx: registration and the class object of the one class it serves.
#include "grading/slidemark/control.h"
#include "platform/com/library_macros.h"

KIRV_COM_LIBRARY(slidemark::slidemark)
