#pragma once
// GBK (Windows code page 936) <-> UTF-8.
//
// Module files and settings files store GBK; everything inside the program
// works in UTF-8. Both directions are total: invalid or truncated input turns
// into U+FFFD (decoding) or '?' (encoding) and nothing is read outside the input.

#include <string>
#include <string_view>

namespace ec {

// GBK bytes to UTF-8. Invalid or truncated sequences become U+FFFD.
std::string GbkToUtf8(std::string_view gbk);

// UTF-8 to GBK bytes. Characters GBK cannot hold, and invalid UTF-8, become '?'.
std::string Utf8ToGbk(std::string_view utf8);

// The code point of one GBK double-byte code, 0 when the code is unmapped.
char32_t GbkDoubleByteToUnicode(unsigned char lead, unsigned char trail);

// Appends the UTF-8 form of one code point (U+FFFD for surrogates and values
// beyond U+10FFFF).
void AppendUtf8(std::string& out, char32_t cp);

// Decodes one UTF-8 sequence starting at text[pos]; advances pos past it.
// Invalid or truncated sequences yield U+FFFD and advance by one byte.
char32_t NextUtf8(std::string_view text, size_t& pos);

}  // namespace ec
