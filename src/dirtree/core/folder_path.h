#pragma once
// Folder paths as the directory tree composes and compares them: UTF-8 text
// with the platform's separator ("C:\a\b" on Windows, "/media/usb/a" on
// Linux). A drive path ("C:", "/") names the drive's root.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/path_text.h"

namespace ec {

// `base` and `name` with one separator between them, none doubled.
std::string JoinPath(std::string_view base, std::string_view name);
// Removes up to `most` trailing separators, but never the one that is a whole
// root ("/").
std::string StripTrailingSeparators(std::string path, int most = 10);
// The last element; a root is its own last element.
std::string LastComponent(std::string_view path);
// Path comparison: letters ignore case on Windows, nothing does on Linux.
bool SamePath(std::string_view a, std::string_view b);
// When `path` is `folder` or lies inside it, the elements below `folder`
// (empty for the folder itself), "." dropped and ".." taken back; nullopt
// otherwise. An empty folder contains nothing, "/d" does not contain "/data",
// and "/d/../e" is not inside "/d".
std::optional<std::vector<std::string>> ElementsBelow(std::string_view path, std::string_view folder);
// A folder path whose first three letters are "FTP" (any case) is a web
// address: its separators become "/".
std::string FtpForm(std::string path);
// Whether the path names a program: its last four characters, lower-cased,
// are ".exe".
bool EndsWithExe(std::string_view path);
// A name a folder can be created or renamed to: not empty, no separator of
// either kind, not "." or "..".
bool IsPlainFolderName(std::string_view name);

}  // namespace ec
