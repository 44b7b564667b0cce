#include "render/constant_text.h"

#include "render/colour_span.h"
#include "render/number_text.h"

namespace ec {
namespace {

// 12345 as 12,345; no locale is asked.
std::string GroupedDigits(size_t value) {
  std::string digits = std::to_string(value);
  for (size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
  return digits;
}

std::string_view ResourceWord(ResourceKind kind) {
  switch (kind) {
    case ResourceKind::Picture: return "图片";
    case ResourceKind::Sound: return "声音";
    case ResourceKind::None: break;
  }
  return "字节集";
}

// Every value but a text: numbers, and byte data described.
std::string OtherValueText(const Constant& constant) {
  if (constant.value.kind == ConstantValue::Kind::Bytes)
    return "<" + std::string(ResourceWord(constant.resource)) + " " + GroupedDigits(constant.value.bytes.size()) +
           " 字节>";
  return FormatNumber13(ConstantNumber(constant.value));
}

ConstantValueText ValueText(const Constant& constant, std::string_view open, std::string_view close) {
  if (constant.value.kind != ConstantValue::Kind::Text) return {OtherValueText(constant), colour::kKeyword};
  return {std::string(open) + OneLineText(constant.value.bytes) + std::string(close), colour::kTextValue};
}

}  // namespace

std::string OneLineText(std::string_view content) {
  std::string out;
  out.reserve(content.size());
  for (const char c : content) {
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '"': out += "\\\""; break;
      default: out += c;
    }
  }
  return out;
}

ConstantValueText ConstantValueInCode(const Constant& constant) { return ValueText(constant, "\"", "\""); }

ConstantValueText ConstantValueInTable(const Constant& constant) { return ValueText(constant, "“", "”"); }

}  // namespace ec
