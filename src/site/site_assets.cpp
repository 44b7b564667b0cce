#include "site/site_assets.h"

#include <array>

#include "render/html_escape.h"
#include "site/search_script.h"
#include "support/gbk_codec.h"
#include "support/pinyin.h"

namespace ec::site {
namespace {

// Plain pages that print well: no fixed widths, the tables' own absolute
// wrappers made to flow, navigation left out on paper.
constexpr std::string_view kStyle = R"css(body { font-family: SimSun, "Noto Serif CJK SC", "Noto Sans CJK SC", "WenQuanYi Zen Hei", serif;
  margin: 1em 2em; line-height: 1.4; color: #111; background: #fff; }
a { color: #1746a2; }
.site-nav { font-size: 0.95em; margin-bottom: 0.5em; }
h1 { margin: 0.3em 0; }
h2 { border-bottom: 2px solid #337FE5; padding-bottom: 0.2em; margin-top: 1.6em; }
.file { color: #555; margin-top: 0; word-break: break-all; }
nav.contents ul { list-style: none; padding-left: 1.2em; margin: 0.2em 0; }
div[style*="position:absolute"] { position: static !important; width: auto !important; height: auto !important; }
table { border-collapse: separate; }
:target { outline: 3px solid #f0b400; }
.uses { margin: 0.3em 0 1.2em 1em; font-size: 0.95em; }
.uses h4, .uses h5 { margin: 0.4em 0 0.2em; }
.uses ul { margin: 0.2em 0; }
table.modules { border-collapse: collapse; width: 100%; }
table.modules th, table.modules td { border: 1px solid #b8c8e8; padding: 0.3em 0.5em; text-align: left; vertical-align: top; }
table.modules th { background: #E6EDE4; white-space: nowrap; }
tr.rejected td, .problem { color: #a00000; }
#search-form { margin: 1em 0; }
#search-text { font-size: 1.1em; width: min(30em, 90%); padding: 0.3em; }
#kinds { border: none; padding: 0.4em 0; }
#kinds label { margin-right: 0.8em; white-space: nowrap; }
.hit-module h2 { font-size: 1.1em; margin-top: 1em; }
.hit .kind { display: inline-block; min-width: 5.5em; color: #555; }
@media print {
  .site-nav, #search-form { display: none; }
  nav.contents { break-after: page; }
  a { color: inherit; text-decoration: none; }
}
)css";

constexpr std::string_view kKindBoxes =
    "<label><input type=\"checkbox\" value=\"all\" checked> 全部</label>\n"
    "<label><input type=\"checkbox\" data-kinds=\"0\" checked> 程序集</label>\n"
    "<label><input type=\"checkbox\" data-kinds=\"1,2\"> 类</label>\n"
    "<label><input type=\"checkbox\" data-kinds=\"3\"> 类型</label>\n"
    "<label><input type=\"checkbox\" data-kinds=\"4\"> DLL接口</label>\n"
    "<label><input type=\"checkbox\" data-kinds=\"5\"> 常量</label>\n"
    "<label><input type=\"checkbox\" data-kinds=\"6\"> 全局变量</label>\n";

}  // namespace

std::string_view SiteStyleSheet() { return kStyle; }

std::string_view SearchScript() { return kSearchScriptSource; }

std::string SearchPage(std::string_view title) {
  const std::string heading = HtmlEscaped(title);
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>搜索 · " +
      heading +
      "</title>\n<link rel=\"stylesheet\" href=\"site.css\">\n</head>\n<body class=\"search\">\n"
      "<header class=\"site-nav\"><a href=\"index.html\">全部模块</a> · 搜索</header>\n<h1>" +
      heading +
      "：搜索</h1>\n<form id=\"search-form\" role=\"search\">\n"
      "<input id=\"search-text\" type=\"search\" placeholder=\"输入要搜索的字词\" autocomplete=\"off\" autofocus>\n"
      "<fieldset id=\"kinds\">\n";
  page += kKindBoxes;
  page +=
      "</fieldset>\n</form>\n<p id=\"search-status\">搜索需要浏览器运行脚本。</p>\n<div id=\"search-results\"></div>\n"
      "<script src=\"pinyin.js\"></script>\n<script src=\"search-index.js\"></script>\n"
      "<script src=\"search.js\"></script>\n</body>\n</html>\n";
  return page;
}

std::string PinyinScript() {
  std::array<std::string, 26> byLetter;
  // Every character with an initial lies in the CJK blocks of the BMP.
  for (char32_t cp = 0x2E80; cp <= 0xFAFF; ++cp) {
    const char letter = PinyinInitial(cp);
    if (letter < 'a' || letter > 'z') continue;
    AppendUtf8(byLetter[static_cast<size_t>(letter - 'a')], cp);
  }
  std::string script = "// The pinyin initial of every Chinese character that has one, for search.js.\nwindow.EC_SITE_PINYIN = {";
  for (size_t i = 0; i < byLetter.size(); ++i) {
    if (byLetter[i].empty()) continue;
    script += "\n  ";
    script += static_cast<char>('a' + i);
    script += ": \"" + byLetter[i] + "\",";
  }
  return script + "\n};\n";
}

}  // namespace ec::site
