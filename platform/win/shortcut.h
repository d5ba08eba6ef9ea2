// Shortcuts as freedesktop desktop entries. A caller names its shortcut "X.lnk" the platform's
// way; the file written is "X.desktop" beside it (Type=Application, Exec=the target's host path,
// Path=the working folder, Name=X), executable so desktops launch it.
#pragma once

#include <string>
#include <string_view>

namespace win {

// Host-side file name a ".lnk" path is written as ("C:\d\X.lnk" -> "C:\d\X.desktop"); other
// names get ".desktop" appended.
std::string ShortcutFileName(std::string_view linkWindowsPath);

// Writes the shortcut, replacing an existing one; true when it was saved.
bool CreateShortcut(std::string_view linkWindowsPath, std::string_view targetWindowsPath,
                    std::string_view workingFolderWindowsPath, std::string_view arguments = {});

}  // namespace win
