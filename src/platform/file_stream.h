#pragma once
// C file streams opened by UTF-8 path, with 64-bit positions. Windows takes
// such paths only through its wide API, and names the 64-bit seek and tell
// differently.

#include <cstdint>
#include <cstdio>
#include <string_view>

namespace ec {

// std::fopen's modes ("rb", "r+b", …); nullptr when the file cannot be opened.
std::FILE* OpenFileStream(std::string_view utf8Path, const char* mode);

bool SeekFileStream(std::FILE* file, std::uint64_t position);

// The stream's size (0 when the system cannot tell). The position may be
// left anywhere: seek before reading.
std::uint64_t FileStreamSize(std::FILE* file);

}  // namespace ec
