#include "render/number_text.h"

#include <charconv>

namespace ec {

std::string FormatNumber13(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
  return std::string(buffer, result.ptr);
}

double ConstantNumber(const ConstantValue& value) {
  switch (value.kind) {
    case ConstantValue::Kind::Number:
    case ConstantValue::Kind::DateTime: return value.number;
    case ConstantValue::Kind::Logical: return value.logical ? -1.0 : 0.0;
    default: return 0.0;  // empty, and byte data, which has no numeric reading
  }
}

}  // namespace ec
