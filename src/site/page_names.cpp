#include "site/page_names.h"

#include <array>

#include "support/gbk_codec.h"

namespace ec::site {
namespace {

// Room for the "-NN" of a duplicate and ".html" within the 255 bytes that
// most file systems allow for a name, with some to spare.
constexpr size_t kMaxNameBytes = 120;

std::string LowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

bool IsDeviceName(const std::string& name) {
  static constexpr std::array<std::string_view, 4> kPlain = {"con", "prn", "aux", "nul"};
  const std::string lower = LowerAscii(name);
  for (std::string_view d : kPlain)
    if (lower == d) return true;
  return lower.size() == 4 && (lower.starts_with("com") || lower.starts_with("lpt")) && lower[3] >= '0' &&
         lower[3] <= '9';
}

bool KeptAscii(char32_t c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

// Characters beyond ASCII are kept, save those that look like blanks or
// separators, invalid bytes (U+FFFD) and the private and special planes.
bool KeptWide(char32_t c) {
  if (c < 0xA0 || c == 0xFFFD || c == 0xFEFF) return false;
  if (c >= 0x2000 && c <= 0x206F) return false;  // spaces, quotes, marks of direction
  if (c == 0x3000 || (c >= 0xE000 && c <= 0xF8FF) || c >= 0xF0000) return false;
  return true;
}

}  // namespace

std::string SafePageName(std::string_view relativePath) {
  // Without the extension: "a/b.ec" → "a/b".
  const size_t slash = relativePath.find_last_of("/\\");
  const size_t dot = relativePath.rfind('.');
  if (dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash) && dot > 0)
    relativePath = relativePath.substr(0, dot);
  std::string name;
  bool lastWasFill = true;  // no fill at the start
  for (size_t pos = 0; pos < relativePath.size();) {
    const size_t start = pos;
    const char32_t c = NextUtf8(relativePath, pos);
    const bool kept = KeptAscii(c) || (c >= 0x80 && KeptWide(c));
    if (kept && name.size() + (pos - start) > kMaxNameBytes) break;
    if (kept) {
      name.append(relativePath.substr(start, pos - start));
      lastWasFill = false;
    } else if (!lastWasFill) {
      if (name.size() + 1 > kMaxNameBytes) break;
      name += '_';
      lastWasFill = true;
    }
  }
  while (!name.empty() && name.back() == '_') name.pop_back();
  if (name.empty()) name = "module";
  if (IsDeviceName(name)) name += '_';
  return name;
}

bool PageNamer::Reserve(const std::string& name) { return taken_.insert(LowerAscii(name)).second; }

std::string PageNamer::Assign(std::string_view relativePath) {
  const std::string base = SafePageName(relativePath);
  std::string name = base;
  for (int n = 2; !Reserve(name); ++n) name = base + "-" + std::to_string(n);
  return name;
}

}  // namespace ec::site
