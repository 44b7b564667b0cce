#pragma once
// A module's documentation as one standalone HTML document: the summary page,
// then the item page of every subroutine group, category and class in the
// order of the viewer's tree, each under a heading, with a table of contents.
// The document holds no script and loads nothing.

#include <ostream>
#include <string_view>

#include "model/module_model.h"

namespace ec {

// Writes the document to `out` section by section, so a large module never
// needs the whole document in memory. `fallbackTitle` names the document when
// the module has no name (the file name, say).
void WriteHtmlExport(const ModuleModel& model, std::ostream& out, std::string_view fallbackTitle);

}  // namespace ec
