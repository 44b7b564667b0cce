#include "navigate/where_used_page.h"

#include <algorithm>

#include "navigate/use_groups.h"
#include "render/html_escape.h"

namespace ec {
namespace {

std::string Link(const DeclarationLink& link, std::string_view text) {
  return "<a href=\"" + DeclarationHref(link) + "\">" + HtmlEscaped(text) + "</a>";
}

std::string PlacesHtml(const TypeUse& use, size_t maxPlaces) {
  std::string out;
  const size_t shown = std::min(use.places.size(), maxPlaces);
  for (size_t i = 0; i < shown; ++i) {
    const std::string text = PlaceText(use.places[i]);
    if (text.empty()) continue;
    out += out.empty() ? "：" : "、";
    AppendHtmlEscaped(out, text);
  }
  if (shown < use.places.size()) out += "，共 " + std::to_string(use.places.size()) + " 处";
  return out;
}

}  // namespace

std::string WhereUsedPage(const ModuleModel& model, const TypeUseIndex& index, const DeclarationLink& target,
                          const WhereUsedPageOptions& options) {
  const std::string_view name = TargetName(model, target);
  std::string out = "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>使用处：";
  AppendHtmlEscaped(out, name);
  out += "</title>\n</head>\n<body style=\"font-family:SimSun,'Noto Serif CJK SC',serif;\">\n<h2>使用处：";
  out += name.empty() ? "" : Link(target, name);
  out += "</h2>\n";
  const std::span<const TypeUse> uses = index.UsesOf(target);
  if (name.empty()) {
    out += "<p>模块里没有这个数据类型或类。</p>\n";
  } else if (uses.empty()) {
    out += "<p>没有使用它的声明。</p>\n";
  } else {
    out += "<p>共 " + std::to_string(uses.size()) + " 个声明使用它。</p>\n";
  }
  size_t room = options.maxLinks;
  for (const UseGroup& group : kUseGroups) {
    const auto inGroup = [&](const TypeUse& u) { return u.user.kind == group.kind; };
    const auto count = static_cast<size_t>(std::count_if(uses.begin(), uses.end(), inGroup));
    if (count == 0 || room == 0) continue;
    out += "<h3>" + std::string(group.heading) + "（" + std::to_string(count) + "）</h3>\n<ul>\n";
    for (const TypeUse& use : uses) {
      if (!inGroup(use)) continue;
      if (room == 0) break;
      --room;
      out += "<li>" + Link(use.user, UserText(use)) + PlacesHtml(use, options.maxPlaces) + "</li>\n";
    }
    out += "</ul>\n";
  }
  if (uses.size() > options.maxLinks)
    out += "<p>另有 " + std::to_string(uses.size() - options.maxLinks) + " 个声明未列出；ecview-cli uses 列出全部。</p>\n";
  return out + "</body>\n</html>\n";
}

}  // namespace ec
