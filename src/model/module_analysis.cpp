#include "model/module_analysis.h"

#include <string>

#include "model/declaration_conversion.h"
#include "model/read_outcome.h"
#include "model/subroutine_grouping.h"
#include "model/type_name.h"
#include "support/gbk_codec.h"

namespace ec {
namespace {

ModuleInfo ConvertInfo(const UserInfoRecord& record) {
  ModuleInfo info{GbkToUtf8(record.name), GbkToUtf8(record.remarks), GbkToUtf8(record.author),
                  {}, record.versionMajor, record.versionMinor};
  for (size_t i = 0; i < info.infoTexts.size(); ++i) info.infoTexts[i] = GbkToUtf8(record.infoTexts[i]);
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

std::vector<DataType> ConvertDataTypes(const ProgramSegment& program, const TypeNameTable& types) {
  std::vector<DataType> out;
  for (const DataTypeRecord& r : program.dataTypes)
    if (!r.name.empty())
      out.push_back({GbkToUtf8(r.name), GbkToUtf8(r.remarks), ConvertVariables(r.members, types)});
  return out;
}

std::vector<DllCommand> ConvertDllCommands(const ProgramSegment& program, const TypeNameTable& types) {
  std::vector<DllCommand> out;
  for (const DllCommandRecord& r : program.dllCommands)
    if (!r.name.empty())
      out.push_back({GbkToUtf8(r.name), GbkToUtf8(r.remarks), types.Name(r.returnTypeCode),
                     GbkToUtf8(r.libraryFile), GbkToUtf8(r.nameInLibrary),
                     ConvertVariables(r.parameters, types)});
  return out;
}

ResourceKind ResourceOnPage(int page) {
  if (page == 2) return ResourceKind::Picture;
  if (page == 3) return ResourceKind::Sound;
  return ResourceKind::None;
}

std::vector<Constant> ConvertConstants(const ResourceSegment& resources) {
  std::vector<Constant> out;
  for (const ConstantRecord& r : resources.constants) {
    if (r.name.empty()) continue;
    ConstantValue value = r.value;
    if (value.kind == ConstantValue::Kind::Text) value.bytes = GbkToUtf8(value.bytes);
    out.push_back({GbkToUtf8(r.name), GbkToUtf8(r.remarks), std::move(value), ResourceOnPage(ConstantPageOf(r.key))});
  }
  return out;
}

std::vector<GlobalVar> ConvertGlobals(const ProgramSegment& program, const TypeNameTable& types) {
  std::vector<GlobalVar> out;
  for (const VariableRecord& r : program.globals)
    if (!r.name.empty())
      out.push_back({GbkToUtf8(r.name), GbkToUtf8(r.remarks), types.Name(r.typeCode), r.dimensions});
  return out;
}

template <typename T>
const T& OrEmpty(const std::optional<T>& slot) {
  static const T empty{};
  return slot ? *slot : empty;
}

ProgramSegment TakeProgram(std::optional<ProgramSegment>& slot) {
  return slot ? std::move(*slot) : ProgramSegment{};
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
  ProgramSegment program = TakeProgram(segments.program);
  if (parts.info) model.info = ConvertInfo(OrEmpty(segments.userInfo));
  if (parts.support) model.support = ConvertSupport(OrEmpty(segments.systemInfo), program.header);
  const TypeNameTable types(program);
  if (parts.subroutineGroups || parts.classes) {
    GroupedSubroutines grouped = GroupSubroutines(program, types, parts.subroutineGroups, parts.classes, found);
    if (parts.subroutineGroups) model.subroutineGroups = std::move(grouped.groups);
    if (parts.classes) model.classes = std::move(grouped.classes);
  }
  if (parts.dataTypes) model.dataTypes = ConvertDataTypes(program, types);
  if (parts.dllCommands) model.dllCommands = ConvertDllCommands(program, types);
  if (parts.constants) model.constants = ConvertConstants(OrEmpty(segments.resources));
  if (parts.globals) model.globals = ConvertGlobals(program, types);
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
  const ReaderOptions readerOptions = ReaderOptionsFor(options.parts, options.readOnly || repairAfter);
  const bool ok = ReadModuleFile(path, readerOptions, segments, &report);
  if (ok) BuildModel(std::move(segments), options.parts, model, &report);
  if (ok && repairAfter && report.Complete()) RepairMismatchedNodes(path, report);
  model.outcome = OutcomeOf(report);
  return ok;
}

}  // namespace ec
