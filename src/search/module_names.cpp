#include "search/module_names.h"

#include "model/module_analysis.h"
#include "model/read_outcome.h"

namespace ec {
namespace {

template <typename Record>
std::vector<std::string> Names(const std::vector<Record>& records) {
  std::vector<std::string> names;
  names.reserve(records.size());
  for (const Record& r : records) names.push_back(r.name);
  return names;
}

size_t Bytes(const std::vector<std::string>& texts) {
  size_t total = texts.capacity() * sizeof(std::string);
  for (const std::string& t : texts) total += t.capacity();
  return total;
}

}  // namespace

bool ModuleNames::operator==(const ModuleNames& other) const {
  return subroutines == other.subroutines && classes == other.classes && dataTypes == other.dataTypes &&
         dllCommands == other.dllCommands && constants == other.constants && globals == other.globals;
}

size_t ModuleNames::ByteSize() const {
  size_t total = sizeof(*this) + Bytes(subroutines) + Bytes(dataTypes) + Bytes(dllCommands) + Bytes(constants) +
                 Bytes(globals) + classes.capacity() * sizeof(ClassNames);
  for (const ClassNames& c : classes) total += c.name.capacity() + Bytes(c.methods);
  return total;
}

ModuleNames NamesOf(const ModuleModel& model) {
  ModuleNames names;
  for (const SubroutineGroup& group : model.subroutineGroups)
    for (const Subroutine& sub : group.subroutines) names.subroutines.push_back(sub.name);
  for (const ClassInfo& c : model.classes) names.classes.push_back({c.name, Names(c.methods)});
  names.dataTypes = Names(model.dataTypes);
  names.dllCommands = Names(model.dllCommands);
  names.constants = Names(model.constants);
  names.globals = Names(model.globals);
  names.outcome = model.outcome;
  return names;
}

bool ReadModuleNames(const std::string& path, bool readOnly, ModuleNames& names, bool repairOnlyWhole) {
  names = {};
  ModuleSegments segments;
  ModelParts parts = ModelParts::All();
  parts.info = parts.support = false;
  ReaderOptions options = ReaderOptionsFor(parts, readOnly);
  options.skipResourceData = true;  // constants are wanted for their names only
  options.namesOnly = true;
  options.repairOnlyWhole = repairOnlyWhole;
  ReadReport report;
  const bool ok = ReadModuleFile(path, options, segments, &report);
  if (ok) {
    ModuleModel model;
    BuildModel(std::move(segments), parts, model);
    names = NamesOf(model);
  }
  names.outcome = OutcomeOf(report);
  return ok;
}

}  // namespace ec
