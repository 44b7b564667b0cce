#pragma once
// A comparison as a changelog an E programmer reads at a glance: the two
// modules, what changed in the module information and support libraries, then
// kind by kind the added (+), removed (-) and changed (~) declarations with
// their declaration lines. UTF-8, LF line ends.

#include <string>

#include "compare/comparison_report.h"

namespace ec {

std::string ComparisonText(const ComparedModules& modules);

}  // namespace ec
