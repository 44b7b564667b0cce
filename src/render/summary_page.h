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

// What the user must know about how the module was read, as HTML: a marked
// warning block listing the problems of a module read in part or not at all,
// and a line saying how many segments had their check values repaired. ""
// for a module read whole without repairs.
std::string ReadOutcomeBlock(const ReadOutcome& outcome);

// The same problems as plain lines, for the tooltip of the tree's root: ""
// for a module read whole.
std::string ReadOutcomeToolTip(const ReadOutcome& outcome);

// The summary page HTML, after the read-outcome block. Module texts are
// HTML-escaped; each "、" and each CR LF, in the page's own wording and in the
// module's texts, becomes <br>. A module that could not be read has only the
// block, which says why.
std::string BuildSummaryPage(const ModuleModel& model);

}  // namespace ec
