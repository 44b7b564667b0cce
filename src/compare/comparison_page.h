#pragma once
// The viewer's comparison page: the module shown, taken as the new version,
// against another module file, taken as the old one. Reads the file without
// ever writing to it; safe to run on a worker while the window goes on.

#include <string>
#include <string_view>

#include "model/module_model.h"

namespace ec {

// The HTML report with the declaration names linked into `shown` (the first
// few hundred declarations with their code), or, when the other file cannot
// be read, a page that says so and why.
std::string ComparisonPage(const std::string& otherPath, const ModuleModel& shown, std::string_view shownPath);

}  // namespace ec
