#include "render/colour_span.h"

namespace ec {

void AppendColourSpan(std::string& out, std::string_view text, std::string_view colour, CodeMode mode) {
  if (mode == CodeMode::PlainText) {
    out.append(text);
    return;
  }
  out.append("<span style=\"color:").append(colour).append("\">");
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'' && i + 1 < text.size() && text[i + 1] == '\'') {
      out.push_back('"');
      ++i;
    } else if (c == '&') {
      out.append("&amp;");
    } else if (c == '<') {
      out.append("&lt;");
    } else if (c == '>') {
      out.append("&gt;");
    } else {
      out.push_back(c);
    }
  }
  out.append("</span>");
}

std::string ColourSpan(std::string_view text, std::string_view colour, CodeMode mode) {
  std::string out;
  out.reserve(text.size() + 40);
  AppendColourSpan(out, text, colour, mode);
  return out;
}

}  // namespace ec
