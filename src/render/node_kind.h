#pragma once
// Node kinds of the module's declaration tree. The viewer shows a node's kind
// as its picture (the kind is the picture's index), the search window groups
// its hits by them, and the current selection decides by them what a node
// stands for.

namespace ec {

enum NodeKind : int {
  kKindModule = 0,
  kKindGlobals = 3,
  kKindDataTypes = 4,
  kKindClass = 5,
  kKindSubroutine = 6,
  kKindSubroutineCategory = 7,
  kKindConstants = 8,
  kKindDllCommands = 9,
  kKindGroup = 10,
  kKindMethod = 11,
};

}  // namespace ec
