#pragma once
// The module model as JSON, for `ecview-cli dump --json`. Keys are the model's
// field names; lists keep the model's order.

#include <ostream>
#include <string>

#include "model/module_model.h"

namespace ec::cli {

// Writes one JSON object: "ok" and "lastReadError" first, then the eight parts.
// Records are built and written one at a time, so a module of a hundred
// thousand subroutines never exists twice in memory. Invalid UTF-8 in a text
// becomes U+FFFD instead of failing.
void WriteModelJson(std::ostream& out, const ModuleModel& model, bool ok, const std::string& lastReadError);

}  // namespace ec::cli
