#pragma once
// Everyday Chinese numerals (一, 二 … 十一 … 一百零一), as the viewer numbers the
// subroutine groups of a module: 第一集, 第二集 …

#include <cstdint>
#include <string>

namespace ec {

// Numbers from 100,000,000 on are written in decimal digits.
std::string ChineseNumeral(uint32_t n);

}  // namespace ec
