// The user's and the system's well-known folders in Windows form, and the primary screen size.
// Desktop and documents come from the XDG user folders ($XDG_DESKTOP_DIR / $XDG_DOCUMENTS_DIR,
// then ~/.config/user-dirs.dirs, then ~/Desktop and ~/Documents); the temporary folder is
// $TMPDIR or /tmp; the Windows and system folders are "windows" and "windows\system32" on C:.
#pragma once

#include <string>

namespace win {

// Without a trailing "\".
std::string DesktopFolder();
std::string DocumentsFolder();

// With a trailing "\".
std::string TempFolder();
std::string WindowsFolder();
std::string SystemFolder();

// The primary screen's size in pixels: 1024 x 768 until the user-interface layer sets it.
struct ScreenSize {
  int width = 1024;
  int height = 768;
};
ScreenSize GetScreenSize();
void SetScreenSize(int width, int height);

}  // namespace win
