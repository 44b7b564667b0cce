#include "support/json_writer.h"

#include <charconv>
#include <cmath>

#include "support/gbk_codec.h"

namespace ec {
namespace {
constexpr size_t kFlushSize = 1 << 16;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
}  // namespace

void JsonWriter::Flush() {
  out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  buffer_.clear();
}

void JsonWriter::Raw(std::string_view text) {
  buffer_ += text;
  if (buffer_.size() >= kFlushSize) Flush();
}

void JsonWriter::Separate() {
  if (needComma_) buffer_ += ',';
  needComma_ = true;
}

JsonWriter& JsonWriter::Open(char bracket) {
  Separate();
  buffer_ += bracket;
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
  buffer_ += bracket;
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
  String(key);
  buffer_ += ':';
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
  Separate();
  buffer_ += '"';
  for (size_t pos = 0; pos < text.size();) {
    // A long text goes out in blocks too: escaped, it may be six times its size.
    if (buffer_.size() >= kFlushSize) Flush();
    const auto c = static_cast<unsigned char>(text[pos]);
    if (c >= 0x80) {
      const size_t start = pos;
      const char32_t cp = NextUtf8(text, pos);
      const std::string_view bytes = text.substr(start, pos - start);
      buffer_ += (cp == 0xFFFD && bytes != kReplacement) ? kReplacement : bytes;
      continue;
    }
    ++pos;
    switch (c) {
      case '"': buffer_ += "\\\""; break;
      case '\\': buffer_ += "\\\\"; break;
      case '\b': buffer_ += "\\b"; break;
      case '\f': buffer_ += "\\f"; break;
      case '\n': buffer_ += "\\n"; break;
      case '\r': buffer_ += "\\r"; break;
      case '\t': buffer_ += "\\t"; break;
      default:
        if (c < 0x20) {
          static constexpr char kHex[] = "0123456789abcdef";
          const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
          buffer_.append(escape, sizeof escape);
        } else {
          buffer_ += static_cast<char>(c);
        }
    }
  }
  Raw("\"");
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  Separate();
  Raw(value ? "true" : "false");
  return *this;
}

JsonWriter& JsonWriter::Int(int64_t value) {
  Separate();
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  Raw(std::string_view(digits, static_cast<size_t>(end - digits)));
  return *this;
}

JsonWriter& JsonWriter::Double(double value) {
  Separate();
  if (!std::isfinite(value)) return Raw("null"), *this;
  char digits[40];
  const auto end = std::to_chars(digits, digits + sizeof digits - 2, value).ptr;
  std::string_view text(digits, static_cast<size_t>(end - digits));
  Raw(text);
  // Keep a double recognisable as one: 4 is written 4.0.
  if (text.find_first_of(".e") == std::string_view::npos) Raw(".0");
  return *this;
}

}  // namespace ec
