#pragma once
// Modules whose bytes are nearly all one record page of one kind, for
// measuring what reading each kind of page costs. A normal page lays one
// body per record, back to back, each with a name and a short remark; an
// aliased page points every record at one body that fills half the page.

#include <cstddef>
#include <string>
#include <string_view>

namespace ec::writer {

enum class PageKind { Globals, Constants, Subroutines, DllCommands, DataTypes };

// "globals", "constants", ...
std::string_view PageKindName(PageKind kind);

// About `bytes` bytes in all.
std::string OnePageModuleBytes(PageKind kind, bool aliased, size_t bytes);

}  // namespace ec::writer
