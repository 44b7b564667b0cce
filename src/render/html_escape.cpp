#include "render/html_escape.h"

namespace ec {

void AppendHtmlEscaped(std::string& out, std::string_view text) {
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char* reference = nullptr;
    switch (text[i]) {
      case '&': reference = "&amp;"; break;
      case '<': reference = "&lt;"; break;
      case '>': reference = "&gt;"; break;
      default: continue;
    }
    out.append(text, start, i - start);
    out.append(reference);
    start = i + 1;
  }
  out.append(text, start, text.size() - start);
}

std::string HtmlEscaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendHtmlEscaped(out, text);
  return out;
}

}  // namespace ec
