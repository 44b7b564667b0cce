#pragma once
// Which parameters (of a data type: members) of a changed declaration were
// added, removed or given other remarks, so that a report can point at them
// instead of leaving the reader to compare both sides line by line.

#include <string>
#include <utility>
#include <vector>

#include "compare/comparison_report.h"

namespace ec {

struct ParameterChanges {
  std::vector<std::string> added;     // in the new version's order
  std::vector<std::string> removed;   // in the old version's order
  std::vector<std::string> remarked;  // in both, with other remarks
  // The old and new remarks of each of `remarked`, in the same order.
  std::vector<std::pair<std::string, std::string>> remarks;
  bool Empty() const { return added.empty() && removed.empty() && remarked.empty(); }
};

// Parameters pair by name, the n-th of a name with the n-th; nothing for
// kinds without parameters or members.
ParameterChanges ParameterChangesOf(const ComparedModules& modules, const DeclarationDifference& d);

}  // namespace ec
