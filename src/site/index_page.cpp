#include "site/index_page.h"

#include "render/html_escape.h"

namespace ec::site {

std::string IndexPage(std::string_view title, const std::vector<std::string>& rows, const IndexCounts& counts) {
  const std::string heading = HtmlEscaped(title);
  size_t bytes = 4096;
  for (const std::string& row : rows) bytes += row.size();
  std::string page;
  page.reserve(bytes);
  page += "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
          heading + "</title>\n<link rel=\"stylesheet\" href=\"site.css\">\n</head>\n<body class=\"index\">\n" +
          "<header class=\"site-nav\">全部模块 · <a href=\"search.html\">搜索</a></header>\n<h1>" + heading +
          "</h1>\n<p>共 " + std::to_string(counts.modules) + " 个模块";
  if (counts.unread > 0) page += "，其中 " + std::to_string(counts.unread) + " 个未能读取";
  page += "。</p>\n<table class=\"modules\">\n<thead><tr><th>模块</th><th>版本</th><th>作者</th><th>备注</th>"
          "<th>声明</th><th>支持库</th></tr></thead>\n<tbody>\n";
  for (const std::string& row : rows) page += row;
  page += "</tbody>\n</table>\n</body>\n</html>\n";
  return page;
}

}  // namespace ec::site
