#pragma once
// The reader's report turned into what the user is told: whether the module
// was read whole, and each problem as one sentence in Chinese.

#include <string>

#include "model/module_model.h"
#include "reader/read_report.h"

namespace ec {

// Why a module could not be read at all, in words ("" for None).
std::string RejectionText(RejectReason reason);

// One sentence per problem of the report, in its order, and one for the
// problems it only counted.
std::vector<std::string> ProblemTexts(const ReadReport& report);

ReadOutcome OutcomeOf(const ReadReport& report);

}  // namespace ec
