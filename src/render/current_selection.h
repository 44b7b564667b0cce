#pragma once
// What the selected node of the declaration tree stands for, remembered so
// that the item page and the three copy buttons render the same declarations.
//
// Single items are kept as deep copies; groups, classes and methods are kept
// by their 1-based position and looked up again in the model in use, so a
// position that no longer exists renders nothing.

#include <cstdint>
#include <optional>
#include <string>

#include "model/module_model.h"
#include "render/node_kind.h"

namespace ec {

class TypeLinks;

// What a tree node carries: its kind, its item data, the item data of its
// parent (0 for a top-level node) and its depth (1 at the top level).
struct TreeNodeInfo {
  int kind = 0;
  int itemData = 0;
  int parentItemData = 0;
  int depth = 1;
};

struct CurrentSelection {
  int kind = kKindModule;
  bool wholeCategory = false;
  int groupIndex = 0;
  int classIndex = 0;
  Subroutine subroutine{};
  Subroutine method{};
  DllCommand dllCommand{};
  Constant constant{};
  GlobalVar globalVar{};
  DataType dataType{};
  // The load the selection was made in; a selection from an earlier load
  // renders nothing.
  uint64_t loadNumber = 0;
};

enum class Rendering { ItemPage, PlainCode, HtmlCode, Tables };

// Updates `selection` for a newly selected node. Answers false for unknown
// kinds and positions that do not exist in `model`, which leave the page as
// it is; true otherwise (render the page with RenderSelection; the module
// node's page is the summary page, which the window keeps).
bool SelectNode(CurrentSelection& selection, const ModuleModel& model, const TreeNodeInfo& node,
                uint64_t loadNumber);

// The declarations of the selection in one rendering, or nothing when the
// selection belongs to another load, names a group, class or method that
// `model` does not hold, or is the module node's page. The module node
// renders the whole module, the subroutine category every group (its page
// lists the groups). `links` serve the item page only.
std::optional<std::string> RenderSelection(const CurrentSelection& selection, const ModuleModel& model,
                                           Rendering rendering, uint64_t loadNumber,
                                           const TypeLinks* links = nullptr);

// The subroutine with the 1-based running number `ordinal` counted over all
// groups, or nullptr.
const Subroutine* SubroutineByOrdinal(const ModuleModel& model, int64_t ordinal);

}  // namespace ec
