#pragma once
// A constant's value as the declaration text and the tables write it.
//
// A number, a logical and a date-time are written as numbers (3.5, -1,
// 36526.5). A text is written with its content, between double quotes in the
// declaration text and between Chinese quotation marks in the tables; every
// value stays on one line, so a carriage return, a line feed and a double
// quote inside it are written \r, \n and \" (a backslash stays as it is, so
// paths read as they are). A picture or sound of the module's resources is
// written as what it is and how big, <图片 12,345 字节>, which no reader can
// take for a number.

#include <string>
#include <string_view>

#include "model/module_model.h"

namespace ec {

struct ConstantValueText {
  std::string text;
  std::string_view colour;  // text values teal, every other value dark red
};

ConstantValueText ConstantValueInCode(const Constant& constant);
ConstantValueText ConstantValueInTable(const Constant& constant);

// A text's content on one line: CR, LF and double quotes escaped.
std::string OneLineText(std::string_view content);

}  // namespace ec
