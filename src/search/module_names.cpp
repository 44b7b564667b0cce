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

DeclarationTexts TextsOf(const std::string& remarks, const std::vector<Parameter>& params = {}) {
  DeclarationTexts texts{remarks, {}};
  texts.params.reserve(params.size());
  for (const Parameter& p : params) texts.params.emplace_back(p.name, p.remarks);
  return texts;
}

template <typename Record>
std::vector<DeclarationTexts> Texts(const std::vector<Record>& records) {
  std::vector<DeclarationTexts> texts;
  texts.reserve(records.size());
  for (const Record& r : records) {
    if constexpr (requires { r.params; }) {
      texts.push_back(TextsOf(r.remarks, r.params));
    } else if constexpr (requires { r.members; }) {
      texts.push_back(TextsOf(r.remarks, r.members));
    } else {
      texts.push_back(TextsOf(r.remarks));
    }
  }
  return texts;
}

size_t Bytes(const std::vector<std::string>& texts) {
  size_t total = texts.capacity() * sizeof(std::string);
  for (const std::string& t : texts) total += t.capacity();
  return total;
}

size_t Bytes(const DeclarationTexts& texts) {
  size_t total = sizeof(texts) + texts.remarks.capacity() + texts.params.capacity() * sizeof(texts.params[0]);
  for (const auto& [name, remarks] : texts.params) total += name.capacity() + remarks.capacity();
  return total;
}

size_t Bytes(const std::vector<DeclarationTexts>& texts) {
  size_t total = 0;
  for (const DeclarationTexts& t : texts) total += Bytes(t);
  return total;
}

}  // namespace

bool ModuleNames::operator==(const ModuleNames& other) const {
  return subroutines == other.subroutines && classes == other.classes && dataTypes == other.dataTypes &&
         dllCommands == other.dllCommands && constants == other.constants && globals == other.globals &&
         withTexts == other.withTexts && subroutineTexts == other.subroutineTexts &&
         dataTypeTexts == other.dataTypeTexts && dllCommandTexts == other.dllCommandTexts &&
         constantTexts == other.constantTexts && globalTexts == other.globalTexts;
}

size_t ModuleNames::ByteSize() const {
  size_t total = sizeof(*this) + Bytes(subroutines) + Bytes(dataTypes) + Bytes(dllCommands) + Bytes(constants) +
                 Bytes(globals) + classes.capacity() * sizeof(ClassNames);
  for (const ClassNames& c : classes)
    total += c.name.capacity() + Bytes(c.methods) + Bytes(c.texts) + Bytes(c.methodTexts);
  return total + Bytes(subroutineTexts) + Bytes(dataTypeTexts) + Bytes(dllCommandTexts) + Bytes(constantTexts) +
         Bytes(globalTexts);
}

ModuleNames NamesOf(const ModuleModel& model, bool withTexts) {
  ModuleNames names;
  for (const SubroutineGroup& group : model.subroutineGroups)
    for (const Subroutine& sub : group.subroutines) names.subroutines.push_back(sub.name);
  for (const ClassInfo& c : model.classes) names.classes.push_back({c.name, Names(c.methods), {}, {}});
  names.dataTypes = Names(model.dataTypes);
  names.dllCommands = Names(model.dllCommands);
  names.constants = Names(model.constants);
  names.globals = Names(model.globals);
  names.outcome = model.outcome;
  if (!withTexts) return names;
  names.withTexts = true;
  for (const SubroutineGroup& group : model.subroutineGroups)
    for (const Subroutine& sub : group.subroutines) names.subroutineTexts.push_back(TextsOf(sub.remarks, sub.params));
  for (size_t i = 0; i < model.classes.size(); ++i) {
    names.classes[i].texts = TextsOf(model.classes[i].remarks);
    names.classes[i].methodTexts = Texts(model.classes[i].methods);
  }
  names.dataTypeTexts = Texts(model.dataTypes);
  names.dllCommandTexts = Texts(model.dllCommands);
  names.constantTexts = Texts(model.constants);
  names.globalTexts = Texts(model.globals);
  return names;
}

bool ReadModuleNames(const std::string& path, bool readOnly, ModuleNames& names, bool withTexts,
                     bool repairOnlyWhole) {
  names = {};
  ModuleSegments segments;
  ModelParts parts = ModelParts::All();
  parts.info = parts.support = false;
  // A read for names steps over pages whose damage it would not see, so it
  // never repairs by itself: a module it finds whole but with mismatching
  // check values is read again whole, as the viewer reads it, and that read
  // repairs it only if nothing else is damaged.
  const bool repairAfter = !readOnly && repairOnlyWhole;
  ReaderOptions options = ReaderOptionsFor(parts, readOnly || repairAfter);
  options.skipResourceData = true;  // constants are wanted for their names only
  options.namesOnly = !withTexts;
  // Dense pages are read one record at a time into the model, never held as
  // raw records beside it; the model is then charged to the read's budget.
  options.pagesInPlace = true;
  ReadReport report;
  const bool ok = ReadModuleFile(path, options, segments, &report);
  if (ok) {
    ModuleModel model;
    BuildModel(std::move(segments), parts, model, &report);
    names = NamesOf(model, withTexts);
  }
  names.outcome = OutcomeOf(report);
  if (ok && repairAfter && report.Complete() && !report.ChecksMatch()) {
    ModuleModel whole;
    if (analyseModule(path, whole, {.readOnly = false, .repairOnlyWhole = true})) names = NamesOf(whole, withTexts);
  }
  return ok;
}

}  // namespace ec
