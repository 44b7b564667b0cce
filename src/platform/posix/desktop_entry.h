#pragma once
// Desktop entry files (freedesktop .desktop) for ecview: writing the entry
// and finding which program an entry's Exec line runs.

#include <string>
#include <string_view>

namespace ec {

// The Exec value that opens one file with `program`: the program quoted so
// any path survives (blanks, quotes, "$", "%", backslashes), then " %f".
std::string DesktopExecLine(std::string_view program);

// The program an Exec value runs (the inverse of DesktopExecLine for its
// first word).
std::string DesktopExecProgram(std::string_view exec);

// The value of `key` in the [Desktop Entry] group of a desktop file's text;
// empty when absent.
std::string DesktopEntryValue(std::string_view text, std::string_view key);

// The whole entry for ecview as the opener of `mime_type`.
std::string DesktopEntryText(std::string_view program, std::string_view icon,
                             std::string_view mime_type);

}  // namespace ec
