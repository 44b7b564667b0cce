#include "render/type_links.h"

#include "render/html_escape.h"

namespace ec {

std::string Linked(std::string_view href, std::string html) {
  if (href.empty()) return html;
  std::string out = "<a href=\"";
  AppendHtmlEscaped(out, href);
  out.append("\">").append(html).append("</a>");
  return out;
}

}  // namespace ec
