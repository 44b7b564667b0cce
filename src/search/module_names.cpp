#include "search/module_names.h"

#include "model/module_analysis.h"

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
  return names;
}

bool ReadModuleNames(const std::string& path, bool readOnly, ModuleNames& names) {
  names = {};
  ModuleSegments segments;
  const ReaderOptions options{.skipSubroutineBlocks = true, .skipResourceData = true, .readOnly = readOnly};
  if (!ReadModuleFile(path, options, segments)) return false;
  ModelParts parts = ModelParts::All();
  parts.info = parts.support = false;
  ModuleModel model;
  BuildModel(std::move(segments), parts, model);
  names = NamesOf(model);
  return true;
}

}  // namespace ec
