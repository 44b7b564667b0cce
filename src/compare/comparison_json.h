#pragma once
// A comparison as one JSON object, for scripts:
//   {"old": M, "new": M, "info": [...], "libraries": [...],
//    "added": [D...], "removed": [D...], "changed": [D + {"fields": [...]}...]}
// where M is {"file", "name", "version"} and D is {"kind", "container", "name"}.

#include <ostream>

#include "compare/comparison_report.h"

namespace ec {

// Writes the object and a line break.
void WriteComparisonJson(std::ostream& out, const ComparedModules& modules);

}  // namespace ec
