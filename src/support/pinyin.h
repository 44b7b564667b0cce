#pragma once
// Pinyin initials of Chinese characters, for finding names by the first
// letters of their readings (qwb finds 取文本).
//
// Only the GB2312 hanzi (the 6,763 characters of the GBK codes with lead byte
// 0xB0..0xF7 and trail byte 0xA1..0xFE) have an initial; it is the first
// letter, in lower case, of the character's first Mandarin reading.
// Every other character, ASCII letters and digits included, has none.

#include <string>
#include <string_view>

namespace ec {

// The initial of one code point ('a'..'z'), or 0 when it has none.
char PinyinInitial(char32_t cp);

// The initial of the first UTF-8 character of `character` as a one-letter
// text, or "" when it has none (or `character` is empty).
std::string PinyinInitial(std::string_view character);

// `name` with every character that has a pinyin initial replaced by that
// initial, all other characters (and invalid bytes) kept as they are.
std::string NameInitials(std::string_view name);

}  // namespace ec
