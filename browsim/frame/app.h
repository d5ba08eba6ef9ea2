// CbrowsimApp's start-up, shared by the program and the tools that start it in-process: the
// paths and net.ini, the title handshake, the main frame with its database, and the initial
// update of the view.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "browsim/core/extensions.h"
#include "browsim/frame/browser_view.h"
#include "browsim/frame/main_frame.h"

// Every folder's Install function.
browsim::BrowserExtensions AllExtensions();

// The start-up up to a shown main frame: nullptr when the program is to end (no exam window, no
// database: the message has been shown). `ownFile` is the program's file (net.ini lies beside
// it). `phase`, when given, is told the name of each step as it ends (the timing tool).
std::unique_ptr<CMainFrame> StartBrowsim(const std::filesystem::path& ownFile,
                                         const std::function<void(const char*)>& phase = {});

// StartBrowsim with the running program's file, then the event loop; the exit code.
int RunBrowsim();
