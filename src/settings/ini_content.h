#pragma once
// Finding sections and entries in the GBK bytes of an INI-style settings file.
//
// Lines end in CR LF. A section header "[name]" must begin a line; an entry
// "key=value" is found as CR LF + key + "=", so the first line never is one.
// CR and LF never occur inside a GBK double-byte character, so every CR LF is
// a real line break and every match that starts at one is character-aligned.

#include <cstddef>
#include <optional>
#include <string_view>

namespace ec {

inline constexpr std::string_view kIniLineBreak = "\r\n";

// The byte range [begin, end) of an entry's value.
struct IniValueSpan {
  size_t begin = 0;
  size_t end = 0;
};

// Position of the "]" of the first header of `section` that begins a line.
// Headers that do not begin a line (inside a value, say) are skipped.
std::optional<size_t> FindIniSection(std::string_view content, std::string_view section);

// The value of `key` in the section whose header closes at `header_close`.
// Only the first occurrence counts, and only when no header line
// (CR LF "[" ... "]" CR LF) lies between the section's header and it.
std::optional<IniValueSpan> FindIniEntry(std::string_view content, size_t header_close, std::string_view key);

// Position of the line break that ends the line holding `pos`, or the end of the content.
size_t IniLineEnd(std::string_view content, size_t pos);

}  // namespace ec
