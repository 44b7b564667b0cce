#include "model/module_analysis.h"

#include <string>

#include "model/declaration_conversion.h"
#include "model/model_cost.h"
#include "model/read_outcome.h"
#include "model/subroutine_grouping.h"
#include "model/type_name.h"
#include "support/gbk_codec.h"

namespace ec {
namespace {

ModuleInfo ConvertInfo(const UserInfoRecord& record, ReadReport* budget) {
  ModuleInfo info{GbkToUtf8(record.name), GbkToUtf8(record.remarks), GbkToUtf8(record.author),
                  {}, record.versionMajor, record.versionMinor};
  for (size_t i = 0; i < info.infoTexts.size(); ++i) info.infoTexts[i] = GbkToUtf8(record.infoTexts[i]);
  ChargeRead(budget, ModelCost(info));
  return info;
}

SupportInfo ConvertSupport(const SystemInfoRecord& system, const ProgramHeader& header) {
  SupportInfo support;
  support.systemVersion =
      std::to_string(system.systemVersionMajor) + "." + std::to_string(system.systemVersionMinor);
  support.libraries.reserve(header.libraries.size());
  for (const std::string& entry : header.libraries) support.libraries.push_back(GbkToUtf8(entry));
  return support;
}

// What the raw records of a list cost the budget, their pages included: given
// back once the list is converted and released.
uint64_t RawCost(const VariableRecord& r) { return RecordCost(r); }
uint64_t RawCost(const std::vector<VariableRecord>& records) {
  uint64_t cost = 0;
  for (const VariableRecord& r : records) cost += RecordCost(r);
  return cost;
}
uint64_t RawCost(const DataTypeRecord& r) { return RecordCost(r) + RawCost(r.members); }
uint64_t RawCost(const DllCommandRecord& r) { return RecordCost(r) + RawCost(r.parameters); }
uint64_t RawCost(const ConstantRecord& r) { return RecordCost(r); }

// Converts each raw record of `raw` that convert(record, out) keeps, charging
// what the model gains, until the budget is spent. Each raw record gives its
// texts and pages back as soon as it is converted, so a read that spent the
// budget on raw records still shows them; the records themselves go with
// the list.
template <typename Out, typename Raw, typename Convert>
std::vector<Out> ConvertList(std::vector<Raw>& raw, ReadReport* budget, Convert convert) {
  std::vector<Out> out;
  out.reserve(raw.size());
  for (Raw& record : raw) {
    const uint64_t held = RawCost(record) - sizeof record;
    convert(record, out);
    record = Raw{};
    if (budget) budget->budget.Refund(held);
    if (BudgetSpent(budget)) break;
  }
  if (budget) budget->budget.Refund(sizeof(Raw) * raw.size());
  raw = {};
  return out;
}

std::vector<DataType> ConvertDataTypes(ProgramSegment& program, const TypeNameTable& types, ReadReport* budget) {
  return ConvertList<DataType>(program.dataTypes, budget, [&](const DataTypeRecord& r, std::vector<DataType>& out) {
    if (r.name.empty()) return CheckPage(r.membersInPlace, budget);
    DataType& type = out.emplace_back(DataType{GbkToUtf8(r.name), GbkToUtf8(r.remarks)});
    if (ChargeRead(budget, ModelCost(type)))
      type.members = ConvertVariables(r.members, r.membersInPlace, types, budget);
  });
}

std::vector<DllCommand> ConvertDllCommands(ProgramSegment& program, const TypeNameTable& types, ReadReport* budget) {
  return ConvertList<DllCommand>(
      program.dllCommands, budget, [&](const DllCommandRecord& r, std::vector<DllCommand>& out) {
        if (r.name.empty()) return CheckPage(r.parametersInPlace, budget);
        DllCommand& command = out.emplace_back(DllCommand{GbkToUtf8(r.name), GbkToUtf8(r.remarks), types.Name(r.returnTypeCode),
                                               GbkToUtf8(r.libraryFile), GbkToUtf8(r.nameInLibrary)});
        if (ChargeRead(budget, ModelCost(command)))
          command.params = ConvertVariables(r.parameters, r.parametersInPlace, types, budget);
      });
}

ResourceKind ResourceOnPage(int page) {
  if (page == 2) return ResourceKind::Picture;
  if (page == 3) return ResourceKind::Sound;
  return ResourceKind::None;
}

// Adds the constant of a raw record, whose byte data moves into the model;
// false once the budget is spent.
bool AddConstant(ConstantRecord& r, std::vector<Constant>& out, ReadReport* budget) {
  if (r.name.empty()) return true;
  ConstantValue value = std::move(r.value);
  if (value.kind == ConstantValue::Kind::Text) value.bytes = GbkToUtf8(value.bytes);
  const Constant& constant = out.emplace_back(
      Constant{GbkToUtf8(r.name), GbkToUtf8(r.remarks), std::move(value), ResourceOnPage(ConstantPageOf(r.key))});
  return ChargeRead(budget, ModelCost(constant));
}

std::vector<Constant> ConvertConstants(ResourceSegment& resources, ReadReport* budget) {
  std::vector<Constant> out = ConvertList<Constant>(
      resources.constants, budget, [&](ConstantRecord& r, std::vector<Constant>& out) { AddConstant(r, out, budget); });
  if (resources.constantsInPlace.block.empty() || BudgetSpent(budget)) return out;
  out.reserve(out.size() + ExpectedRecords(resources.constantsInPlace, sizeof(Constant), budget));
  ConstantPageReader reader(resources.constantsInPlace, resources.options, budget, ResourceSegmentName());
  while (ConstantRecord* r = reader.Next())
    if (!AddConstant(*r, out, budget)) break;
  return out;
}

GlobalVar ToGlobal(const VariableRecord& r, const TypeNameTable& types) {
  return {GbkToUtf8(r.name), GbkToUtf8(r.remarks), types.Name(r.typeCode), r.dimensions};
}

std::vector<GlobalVar> ConvertGlobals(ProgramSegment& program, const TypeNameTable& types, ReadReport* budget) {
  std::vector<GlobalVar> out =
      ConvertList<GlobalVar>(program.globals, budget, [&](const VariableRecord& r, std::vector<GlobalVar>& out) {
        if (!r.name.empty()) ChargeRead(budget, ModelCost(out.emplace_back(ToGlobal(r, types))));
      });
  if (program.globalsInPlace.block.empty() || BudgetSpent(budget)) return out;
  // Each record left in place is read and converted at once: the page never
  // lives in memory as raw records beside the model.
  out.reserve(out.size() + ExpectedRecords(program.globalsInPlace, sizeof(GlobalVar), budget));
  ForEachVariable({}, program.globalsInPlace, budget, [&](const VariableRecord& r) {
    return r.name.empty() || ChargeRead(budget, ModelCost(out.emplace_back(ToGlobal(r, types))));
  });
  return out;
}

// Pages left in place that no wanted part converts are still read, for what
// their bytes say about the file.
void CheckUnconvertedPages(const ProgramSegment& program, const ResourceSegment& resources, const ModelParts& parts,
                           ReadReport* found) {
  if (!parts.constants && !resources.constantsInPlace.block.empty()) {
    ConstantPageReader reader(resources.constantsInPlace, resources.options, found, ResourceSegmentName());
    while (reader.Next()) {
    }
  }
  if (!parts.globals) CheckPage(program.globalsInPlace, found);
  if (!parts.dataTypes)
    for (const DataTypeRecord& r : program.dataTypes) CheckPage(r.membersInPlace, found);
  if (!parts.dllCommands)
    for (const DllCommandRecord& r : program.dllCommands) CheckPage(r.parametersInPlace, found);
}

template <typename T>
const T& OrEmpty(const std::optional<T>& slot) {
  static const T empty{};
  return slot ? *slot : empty;
}

template <typename T>
T Take(std::optional<T>& slot) {
  return slot ? std::move(*slot) : T{};
}

}  // namespace

ReaderOptions ReaderOptionsFor(const ModelParts& parts, bool readOnly) {
  const bool anyDeclarations = parts.subroutineGroups || parts.classes || parts.dataTypes ||
                               parts.dllCommands || parts.constants || parts.globals;
  return {.programHeaderOnly = !anyDeclarations,
          .skipSubroutineBlocks = true,
          .skipResourceData = !parts.constants,
          .readOnly = readOnly,
          .subroutinesInPlace = true};
}

void BuildModel(ModuleSegments&& segments, const ModelParts& parts, ModuleModel& model, ReadReport* found) {
  ProgramSegment program = Take(segments.program);
  ResourceSegment resources = Take(segments.resources);
  if (parts.info) model.info = ConvertInfo(OrEmpty(segments.userInfo), found);
  if (parts.support) model.support = ConvertSupport(OrEmpty(segments.systemInfo), program.header);
  const TypeNameTable types(program);
  CheckUnconvertedPages(program, resources, parts, found);
  if (parts.subroutineGroups || parts.classes) {
    GroupedSubroutines grouped = GroupSubroutines(program, types, parts.subroutineGroups, parts.classes, found);
    if (parts.subroutineGroups) model.subroutineGroups = std::move(grouped.groups);
    if (parts.classes) model.classes = std::move(grouped.classes);
  }
  if (parts.dataTypes) model.dataTypes = ConvertDataTypes(program, types, found);
  if (parts.dllCommands) model.dllCommands = ConvertDllCommands(program, types, found);
  if (parts.constants) model.constants = ConvertConstants(resources, found);
  if (parts.globals) model.globals = ConvertGlobals(program, types, found);
}

void BuildModel(const ModuleSegments& segments, const ModelParts& parts, ModuleModel& model) {
  BuildModel(ModuleSegments(segments), parts, model);
}

bool analyseModule(const std::string& path, ModuleModel& model, const AnalyseOptions& options) {
  model.Reset(options.parts);
  ModuleSegments segments;
  ReadReport report;
  // A repair of a module read whole waits for the subroutines left in place:
  // only reading them tells whether their pages are whole.
  const bool repairAfter = !options.readOnly && options.repairOnlyWhole;
  ReaderOptions readerOptions = ReaderOptionsFor(options.parts, options.readOnly || repairAfter);
  readerOptions.budgetLimit = options.budgetLimit;
  // The model is built from here with the read's report: it reads the pages left in place.
  readerOptions.pagesInPlace = true;
  const bool ok = ReadModuleFile(path, readerOptions, segments, &report);
  if (ok) BuildModel(std::move(segments), options.parts, model, &report);
  if (ok && repairAfter && report.Complete()) RepairMismatchedNodes(path, report);
  model.outcome = OutcomeOf(report);
  return ok;
}

}  // namespace ec
