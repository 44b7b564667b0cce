#pragma once
// How the control-state store writes typed values as text.
//
// Texts are UTF-8 inside the program and GBK in the file. A value lives on one
// line, so a text's line breaks are stored as "┊*┊" and come back as CR LF (a
// text that itself holds "┊*┊" therefore reads back with a line break there).
//
// A text GBK cannot hold (a path with "ö") is stored as kStoredUtf8Marker and
// the text with each character GBK lacks, and each "%", written as %XX
// escapes of its UTF-8 bytes: "┊UTF-8┊/home/j%C3%B6rg/x.ec". No older file
// holds the marker, and a text that itself starts with it is stored the same
// way, so every text reads back exactly.

#include <optional>
#include <string>
#include <string_view>

namespace ec {

inline constexpr std::string_view kStoredLineBreak = "┊*┊";
inline constexpr std::string_view kStoredTrue = "真";
inline constexpr std::string_view kStoredFalse = "假";
inline constexpr std::string_view kStoredUtf8Marker = "┊UTF-8┊";

// The GBK form of a UTF-8 text, or nothing when GBK cannot hold it exactly
// (storing a stand-in would make distinct texts collide).
std::optional<std::string> ExactGbk(std::string_view utf8);

// UTF-8 text to the GBK bytes of a stored value, line breaks replaced.
std::string EncodeStoredText(std::string_view utf8);
// GBK bytes of a stored value back to UTF-8 text with its line breaks.
std::string DecodeStoredText(std::string_view gbk);

// Shortest decimal text that reads back as the same double; whole numbers
// carry no fractional part and no exponent. Never depends on the C locale.
std::string FormatStoredNumber(double value);
// Reads the number at the start of the text (after blanks); 0 when there is none.
double ParseStoredNumber(std::string_view text);

}  // namespace ec
