#include "render/page_face.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace ec {
namespace {

constexpr std::array kZoomSteps = {50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

constexpr std::string_view kFamily = "font-family:";
constexpr std::string_view kLineHeight = "line-height:";
constexpr std::string_view kSize = "font-size:";

// A property starts a declaration: after the attribute's quote, a ';' or a blank.
bool StartsDeclaration(std::string_view tag, size_t at) {
  if (at == 0) return false;
  const char before = tag[at - 1];
  return before == '"' || before == '\'' || before == ';' || before == ' ';
}

// Where the value starting at `from` ends: at its ';' or the attribute's quote.
size_t ValueEnd(std::string_view tag, size_t from) {
  const size_t end = tag.find_first_of(";\"", from);
  return end == std::string_view::npos ? tag.size() : end;
}

void AppendSize(std::string& out, std::string_view value, int zoomPercent) {
  int pixels = 0;
  const auto [rest, error] = std::from_chars(value.data(), value.data() + value.size(), pixels);
  if (error != std::errc() || std::string_view(rest, value.data() + value.size() - rest) != "px") {
    out.append(value);
    return;
  }
  out.append(std::to_string(ZoomedPixels(pixels, zoomPercent))).append("px");
}

// One tag, from its '<' to its '>'.
void DressTag(std::string& out, std::string_view tag, const PageFace& face) {
  size_t copied = 0;
  for (size_t at = tag.find(':'); at != std::string_view::npos; at = tag.find(':', at + 1)) {
    const auto declares = [&](std::string_view property) {
      const size_t start = at + 1 - property.size();
      return at + 1 >= property.size() && tag.substr(start, property.size()) == property &&
             StartsDeclaration(tag, start);
    };
    std::string_view property;
    for (std::string_view p : {kFamily, kLineHeight, kSize})
      if (declares(p)) property = p;
    if (property.empty() || (property == kFamily && face.family.empty())) continue;
    const size_t start = at + 1 - property.size(), valueEnd = ValueEnd(tag, at + 1);
    out.append(tag.substr(copied, start - copied));
    if (property == kFamily) {
      out.append(kFamily).append("'").append(face.family).append("'");
    } else if (property == kSize) {
      out.append(kSize);
      AppendSize(out, tag.substr(at + 1, valueEnd - at - 1), face.zoomPercent);
    }
    // A dropped line height takes its ';' with it.
    copied = property == kLineHeight && valueEnd < tag.size() && tag[valueEnd] == ';' ? valueEnd + 1 : valueEnd;
    at = valueEnd - 1;
  }
  out.append(tag.substr(copied));
}

}  // namespace

int ZoomedPixels(int pixels, int zoomPercent) {
  return std::max(1, static_cast<int>(std::lround(pixels * static_cast<double>(zoomPercent) / 100.0)));
}

std::string DressPage(std::string_view html, const PageFace& face) {
  std::string out;
  out.reserve(html.size() + html.size() / 16);
  size_t at = 0;
  while (at < html.size()) {
    const size_t open = html.find('<', at);
    if (open == std::string_view::npos) break;
    const size_t close = html.find('>', open);
    if (close == std::string_view::npos) break;
    out.append(html.substr(at, open - at));
    DressTag(out, html.substr(open, close + 1 - open), face);
    at = close + 1;
  }
  out.append(html.substr(at));
  return out;
}

int ClampZoomPercent(int percent) { return std::clamp(percent, kMinimumZoomPercent, kMaximumZoomPercent); }

int NextZoomPercent(int percent, int direction) {
  if (direction > 0) {
    const auto* step = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return step == kZoomSteps.end() ? kZoomSteps.back() : *step;
  }
  const auto* step = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
  return step == kZoomSteps.begin() ? kZoomSteps.front() : *(step - 1);
}

}  // namespace ec
