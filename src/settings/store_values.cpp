#include "settings/store_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "support/gbk_codec.h"
#include "support/plain_text.h"

namespace ec {
namespace {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0;;) {
    const size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos) return out.append(text.substr(pos));
    out.append(text.substr(pos, hit - pos)).append(to);
    pos = hit + from.size();
  }
}

// The length of the UTF-8 sequence starting with `lead`; 1 for a byte that
// starts none, so it is escaped on its own.
size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC0) return 2;
  return 1;
}

void AppendEscaped(std::string& out, std::string_view bytes) {
  constexpr char kHex[] = "0123456789ABCDEF";
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    out += '%';
    out += kHex[b >> 4];
    out += kHex[b & 15];
  }
}

std::string EscapeForGbk(std::string_view utf8) {
  std::string out;
  for (size_t at = 0; at < utf8.size();) {
    const size_t length = std::min(SequenceLength(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
    const std::string_view character = utf8.substr(at, length);
    if (character != "%" && ExactGbk(character)) out.append(character);
    else AppendEscaped(out, character);
    at += length;
  }
  return out;
}

// %XX back to its byte; a "%" not followed by two hex digits stays as it is.
std::string Unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size(); ++at) {
    const int high = at + 2 < text.size() && text[at] == '%' ? HexDigitValue(text[at + 1]) : -1;
    const int low = high >= 0 ? HexDigitValue(text[at + 2]) : -1;
    if (low < 0) {
      out += text[at];
      continue;
    }
    out += static_cast<char>(high * 16 + low);
    at += 2;
  }
  return out;
}

}  // namespace

std::optional<std::string> ExactGbk(std::string_view utf8) {
  std::string gbk = Utf8ToGbk(utf8);
  if (GbkToUtf8(gbk) != utf8) return std::nullopt;
  return gbk;
}

std::string EncodeStoredText(std::string_view utf8) {
  const std::string oneLine = ReplaceAll(utf8, "\r\n", kStoredLineBreak);
  if (!oneLine.starts_with(kStoredUtf8Marker)) {
    if (auto gbk = ExactGbk(oneLine)) return std::move(*gbk);
  }
  return Utf8ToGbk(std::string(kStoredUtf8Marker) + EscapeForGbk(oneLine));
}

std::string DecodeStoredText(std::string_view gbk) {
  std::string text = GbkToUtf8(gbk);
  if (text.starts_with(kStoredUtf8Marker)) text = Unescape(std::string_view(text).substr(kStoredUtf8Marker.size()));
  return ReplaceAll(text, kStoredLineBreak, "\r\n");
}

std::string FormatStoredNumber(double value) {
  if (value == 0) value = 0;  // no "-0"
  // Fixed notation of the largest double has 309 digits.
  char buffer[400];
  const bool whole = std::isfinite(value) && value == std::trunc(value);
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    whole ? std::chars_format::fixed : std::chars_format::general);
  return std::string(buffer, result.ptr);
}

double ParseStoredNumber(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc{} ? value : 0;
}

}  // namespace ec
