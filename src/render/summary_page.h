#pragma once
// The module's summary page: name, version, author, remarks and the support
// libraries it uses. The viewer shows it for the root of the tree; the HTML
// export opens with it.

#include <string>
#include <string_view>

#include "model/module_model.h"

namespace ec {

// `remarks` without the trailing remark section that E writes after a line
// "@备注": everything from the first CR LF directly followed by "@备注" and at
// least one more character.
std::string CutRemarkSection(std::string_view remarks);

// The summary page HTML. Module texts are HTML-escaped; each "、" and each
// CR LF, in the page's own wording and in the module's texts, becomes <br>.
std::string BuildSummaryPage(const ModuleModel& model);

}  // namespace ec
