#pragma once
// What the site's index and search index hold about one module, made when
// its page is made and kept between runs, so a run that re-renders a few
// modules rebuilds the index from the rows of the others.

#include <string>
#include <string_view>

#include "model/module_model.h"

namespace ec::site {

struct ModuleEntry {
  std::string row;     // the module's row of the index table
  std::string search;  // its statement of search-index.js
};

// `fileName` is the module's path below the folder, `page` its page name
// (without ".html"). A rejected module gets a row with the reason and no
// names; `hasPage` is then false and nothing links to a page.
ModuleEntry MakeModuleEntry(const ModuleModel& model, std::string_view fileName, std::string_view page,
                            bool hasPage);

// "modules/PAGE.html" with the bytes beyond ASCII percent-encoded, so it
// works as a link in every browser, from file:// and from a web server.
std::string PageHref(std::string_view page);

}  // namespace ec::site
