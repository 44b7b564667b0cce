#pragma once
// The node of the declaration tree that a declaration of the comparison
// report stands for, so the viewer can select it when its name is clicked.

#include <optional>

#include "compare/comparison_html.h"
#include "render/current_selection.h"

namespace ec {

// The tree node of the declaration at `link` in `model`: its kind, its item
// data (the 1-based position; for a subroutine its running number over all
// groups), its parent's item data (the class's for a method, else 0) and its
// depth. Nothing when `model` holds no declaration there.
std::optional<TreeNodeInfo> TreeNodeOf(const ModuleModel& model, const DeclarationLink& link);

}  // namespace ec
