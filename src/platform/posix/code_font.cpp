#include "platform/code_font.h"

namespace ec {

// Both CJK monospaced faces come with Debian's CJK font packages; DejaVu Sans
// Mono at least keeps the Latin columns when neither is installed.
std::vector<std::string> CodeFontFamilies() {
  return {"WenQuanYi Zen Hei Mono", "Noto Sans Mono CJK SC", "Noto Sans Mono CJK TC", "DejaVu Sans Mono"};
}

}  // namespace ec
