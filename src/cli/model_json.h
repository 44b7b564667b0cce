#pragma once
// The module model as JSON, for `ecview-cli dump --json`. Keys are the model's
// field names; lists keep the model's order.

#include <ostream>
#include <string>

#include "model/module_model.h"

namespace ec::cli {

// Writes one JSON object and a line break: "ok", "lastReadError", "complete"
// and "problems" (texts) first, then the eight parts. The output is streamed, so a module of a hundred
// thousand subroutines is never held a second time as a document. Invalid
// UTF-8 in a text becomes U+FFFD.
void WriteModelJson(std::ostream& out, const ModuleModel& model, bool ok, const std::string& lastReadError);

}  // namespace ec::cli
