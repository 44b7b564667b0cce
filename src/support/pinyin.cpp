#include "support/pinyin.h"

#include "support/gbk_codec.h"

namespace ec {
namespace {

constexpr char32_t kFirst = 0x4E00, kLast = 0x9FA0;

// One letter per code point of kFirst..kLast, '_' where there is none.
constexpr char kInitials[] =
#include "support/pinyin_table.inc"
    ;
static_assert(sizeof kInitials - 1 == kLast - kFirst + 1);

}  // namespace

char PinyinInitial(char32_t cp) {
  if (cp < kFirst || cp > kLast) return 0;
  const char letter = kInitials[cp - kFirst];
  return letter == '_' ? 0 : letter;
}

std::string PinyinInitial(std::string_view character) {
  if (character.empty()) return {};
  size_t pos = 0;
  const char letter = PinyinInitial(NextUtf8(character, pos));
  return letter ? std::string(1, letter) : std::string();
}

std::string NameInitials(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (size_t pos = 0; pos < name.size();) {
    const size_t start = pos;
    const char letter = PinyinInitial(NextUtf8(name, pos));
    if (letter)
      out += letter;
    else
      out.append(name.substr(start, pos - start));
  }
  return out;
}

}  // namespace ec
