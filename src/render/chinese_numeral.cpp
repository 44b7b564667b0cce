#include "render/chinese_numeral.h"

#include <array>
#include <string_view>

namespace ec {
namespace {

constexpr std::array<std::string_view, 10> kDigits = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// 1 to 9999; a run of zeros inside the number is read as one 零.
std::string SectionText(uint32_t value) {
  constexpr std::array<uint32_t, 4> kPlaces = {1000, 100, 10, 1};
  constexpr std::array<std::string_view, 4> kUnits = {"千", "百", "十", ""};
  std::string text;
  bool pendingZero = false;
  for (size_t i = 0; i < kPlaces.size(); ++i) {
    const uint32_t digit = value / kPlaces[i] % 10;
    if (digit == 0) {
      pendingZero = !text.empty();
      continue;
    }
    if (pendingZero) text += kDigits[0];
    pendingZero = false;
    text.append(kDigits[digit]).append(kUnits[i]);
  }
  return text;
}

}  // namespace

std::string ChineseNumeral(uint32_t n) {
  if (n == 0) return std::string(kDigits[0]);
  if (n >= 100000000) return std::to_string(n);
  const uint32_t high = n / 10000;
  const uint32_t low = n % 10000;
  std::string text;
  if (high != 0) text = SectionText(high) + "万";
  if (low != 0) {
    if (high != 0 && low < 1000) text += kDigits[0];
    text += SectionText(low);
  }
  // A leading ten to nineteen is read 十, 十一 … (十二万), not 一十, 一十一.
  if (text.starts_with("一十")) text.erase(0, kDigits[1].size());
  return text;
}

}  // namespace ec
