// Windows-form paths ("C:\exam\a.txt") mapped to host paths, in one place. Drive Z: is the host
// root; every other drive letter is a host folder named by KIRV_DRIVE_<LETTER>, by default
// $XDG_DATA_HOME/kirv/drive_<letter>. Each component that does not exist under its exact name is
// looked up without regard to ASCII case, so "Wordkt" finds "wordkt".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace win {

// Host path of a Windows-form path ("\" or "/" separators, doubled ones collapse, "." and ".."
// applied). A relative path resolves against the current folder. Missing components keep their
// spelling so new files can be created. A trailing separator is kept.
std::filesystem::path ToHostPath(std::string_view windowsPath);

// Windows form of a host path: the letter of the mapped drive folder that holds it, else Z:.
// A trailing "/" becomes a trailing "\".
std::string ToWindowsPath(const std::filesystem::path& hostPath);

// The host folder drive `letter` maps to ("/" for Z:); empty for a character that is no letter.
std::filesystem::path DriveFolder(char letter);

// The last component of a Windows-form path ("C:\a\b.txt" -> "b.txt").
std::string FileNamePart(std::string_view windowsPath);

// Everything before the last component, with its trailing separator ("C:\a\b.txt" -> "C:\a\").
std::string FolderPart(std::string_view windowsPath);

}  // namespace win
