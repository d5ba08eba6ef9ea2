// The top-level window list. Our programs publish the titles of their top-level windows as small
// files in a per-user runtime folder, one file per window named "<pid>-<id>", so that another of
// our programs (the browser simulation looking for the exam) can enumerate them, also headless.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ui {

// The folder: $KIRV_WINDOW_LIST when set, else $XDG_RUNTIME_DIR/kirv-windows, else
// /tmp/kirv-windows-<uid>. Created (mode 0700) on first use.
std::filesystem::path WindowListFolder();

// Publishes or replaces the title of this process's window `id`. False when it cannot be written.
bool PublishWindowTitle(unsigned long id, const std::string& titleUtf8);

// Withdraws one window of this process, or all of them.
void WithdrawWindowTitle(unsigned long id);
void WithdrawAllWindowTitles();

// The titles of every published window of a running process, ordered by process and window id.
// Entries left behind by processes that no longer run are removed on the way.
std::vector<std::string> TopLevelWindowTitles();

}  // namespace ui
