#include "site/table_anchors.h"

namespace ec::site {
namespace {

size_t Count(std::string_view html, std::string_view what) {
  size_t n = 0;
  for (size_t at = html.find(what); at != std::string_view::npos; at = html.find(what, at + what.size())) ++n;
  return n;
}

}  // namespace

bool AddIds(std::string& html, std::string_view tag, size_t skip, std::span<const std::string> ids) {
  const std::string open = "<" + std::string(tag);
  std::string out;
  out.reserve(html.size() + ids.size() * 24);
  size_t copied = 0, seen = 0, given = 0;
  for (size_t at = html.find(open); at != std::string::npos && given < ids.size(); at = html.find(open, at + 1)) {
    const size_t end = at + open.size();
    // "<tr" must not take "<tbody" or "<track": the tag name ends here.
    if (end < html.size() && html[end] != ' ' && html[end] != '>') continue;
    if (seen++ < skip) continue;
    out.append(html, copied, end - copied).append(" id=\"").append(ids[given++]).append("\"");
    copied = end;
  }
  out.append(html, copied, std::string::npos);
  html = std::move(out);
  return given == ids.size();
}

void CloseOpenDivs(std::string& html) {
  const size_t opened = Count(html, "<div"), closed = Count(html, "</div>");
  for (size_t i = closed; i < opened; ++i) html += "</div>";
}

}  // namespace ec::site
