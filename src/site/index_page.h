#pragma once
// index.html of a site: every module in the order given, one table row each
// (made by MakeModuleEntry), under the site's title.

#include <string>
#include <string_view>
#include <vector>

namespace ec::site {

struct IndexCounts {
  size_t modules = 0;
  size_t unread = 0;  // rejected by the reader
};

std::string IndexPage(std::string_view title, const std::vector<std::string>& rows, const IndexCounts& counts);

}  // namespace ec::site
