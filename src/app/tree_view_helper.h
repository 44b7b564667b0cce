#pragma once
// The tree-view helper belongs to the directory-tree library, which every
// tree of the viewer links; this name keeps the window code's includes short.
#include "dirtree/treeview/tree_view_helper.h"
