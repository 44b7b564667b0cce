#pragma once
// The page of one module in a published site: the summary, then every
// declaration in the IDE-style tables of the viewer, each with its anchor
// (see site_links.h), type names linked to the module's own data types and
// classes, and the "使用处" list under each data type and class. The page
// links only to the site's style sheet, its index and its search page, one
// folder up.

#include <ostream>
#include <string_view>

#include "model/module_model.h"

namespace ec::site {

// `title` heads the page when the module has no name; `fileName` is the
// module's path below the published folder, shown under the heading.
void WriteModulePage(const ModuleModel& model, std::string_view title, std::string_view fileName, std::ostream& out);

}  // namespace ec::site
