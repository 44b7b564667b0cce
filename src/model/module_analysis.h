#pragma once
// Module analysis: reads a module file and turns its raw records into a
// ModuleModel, deciding which subroutines belong to which program set or class
// and dropping what a user of the module cannot call.

#include <string>

#include "model/module_model.h"
#include "reader/module_file_reader.h"
#include "reader/reader_options.h"

namespace ec {

struct AnalyseOptions {
  ModelParts parts = ModelParts::All();  // the parts to fill; the others are left alone
  bool readOnly = false;                 // never write to the file (no check-value repair)
  bool repairOnlyWhole = false;          // repair only a module read without any other damage
  uint64_t budgetLimit = 0;              // the read's memory budget; 0: proportional to the file
};

// The reader options that decode just what the requested parts need.
ReaderOptions ReaderOptionsFor(const ModelParts& parts, bool readOnly);

// Fills the requested parts of `model` from decoded segments, replacing what
// they held. Slots the file did not fill count as empty records. The first
// form consumes the segments, releasing raw records as they are converted.
// Problems met reading the records left in place go to `found`, when given.
void BuildModel(ModuleSegments&& segments, const ModelParts& parts, ModuleModel& model, ReadReport* found = nullptr);
void BuildModel(const ModuleSegments& segments, const ModelParts& parts, ModuleModel& model);

// Reads the module at `path` (UTF-8) into the requested parts of `model`.
// The requested parts are emptied first, so a rejected file leaves them empty.
// False when the reader rejects the file; damaged segments do not make it
// fail. model.outcome always says how the reading went, the reader's
// message included, so nothing of the read is left in shared state.
bool analyseModule(const std::string& path, ModuleModel& model, const AnalyseOptions& options = {});

}  // namespace ec
