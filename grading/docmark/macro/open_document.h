// How part B opens the document of a file row through the macro interface.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/office/word/application.h"

namespace docmark {

// OpenDocumentB: when a plain directory look-up of folder & name (Windows form, the folder
// ending with "\") finds a normal file, it is opened through the macro interface's FileOpen
// and becomes the active document. True when it opened; false when there is no such file
// (nothing is opened) or it is no document the model reads.
int16_t OpenDocumentB(word::Application& app, std::string_view folder, std::string_view name);

}  // namespace docmark
