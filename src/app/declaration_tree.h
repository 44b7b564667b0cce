#pragma once
// The declaration tree of a module: the categories, groups and classes under
// the root, each item with its kind as picture and its 1-based position as
// item data.

#include "model/module_model.h"

namespace ec {

class TreeViewHelper;

// Fills the tree under its root node (index 0), in this order: subroutines
// by group, DLL commands, constants, global variables, data types, classes.
// Empty categories are left out. Pending events are handled while the item
// lists are built.
void FillDeclarationTree(TreeViewHelper& tree, const ModuleModel& model);

}  // namespace ec
