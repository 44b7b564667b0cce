#pragma once
// The module model as JSON, for `ecview-cli dump --json`. Keys are the model's
// field names; lists keep the model's order.

#include <nlohmann/json.hpp>

#include "model/module_model.h"

namespace ec::cli {

nlohmann::ordered_json ModelToJson(const ModuleModel& model);

}  // namespace ec::cli
