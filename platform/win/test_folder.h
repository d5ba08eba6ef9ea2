// Moved to platform/win/testing/test_folder.h; this forward stays only until the tests being
// changed in other branches include the new path.
#pragma once

#include "platform/win/testing/test_folder.h"
