#include "support/store_values.h"

#include <charconv>
#include <cmath>

#include "support/gbk_codec.h"

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

}  // namespace

std::optional<std::string> ExactGbk(std::string_view utf8) {
  std::string gbk = Utf8ToGbk(utf8);
  if (GbkToUtf8(gbk) != utf8) return std::nullopt;
  return gbk;
}

std::optional<std::string> EncodeStoredText(std::string_view utf8) {
  return ExactGbk(ReplaceAll(utf8, "\r\n", kStoredLineBreak));
}

std::string DecodeStoredText(std::string_view gbk) {
  return ReplaceAll(GbkToUtf8(gbk), kStoredLineBreak, "\r\n");
}

std::string FormatStoredNumber(double value) {
  if (value == 0) value = 0;  // no "-0"
  // Fixed notation of the largest double has 309 digits.
  char buffer[400];
  const bool whole = std::isfinite(value) && value == std::trunc(value);
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, whole ? std::chars_format::fixed : std::chars_format::general);
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
