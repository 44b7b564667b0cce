// analyseModule on arbitrary bytes through a real file, read-only: the whole
// path from the reader to the grouped model. The last byte picks which parts
// are asked for, so the reduced reader options are reached too. The names-only
// read of the module search must agree with the whole analysis, and every use
// the where-used index finds must point at a declaration of the model.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "declarations/declaration_places.h"
#include "model/module_analysis.h"
#include "navigate/type_uses.h"
#include "navigate/where_used_page.h"
#include "search/module_names.h"
#include "tests/support/check_value_oracle.h"

namespace {

const std::string& FuzzFilePath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("ecview-analyse-fuzz-" + std::to_string(getpid()) + ".ec"))
          .string();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = FuzzFilePath();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);

  const uint8_t pick = size ? data[size - 1] : 0xFF;
  ec::ModelParts parts = ec::ModelParts::All();
  if ((pick & 0xC0) == 0xC0) {  // a quarter of the inputs ask for a subset
    parts.subroutineGroups = pick & 0x01;
    parts.classes = pick & 0x02;
    parts.constants = pick & 0x04;
    parts.dataTypes = parts.dllCommands = parts.globals = pick & 0x08;
  }
  ec::ModuleModel model;
  const bool ok = ec::analyseModule(path, model, {.parts = parts, .readOnly = true});
  // What the model promises whatever the input.
  if (!ok && !model.Empty()) __builtin_trap();
  // A file whose check values do not match is never reported clean.
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (ec::test::AnyCheckValueMismatch(bytes) && model.outcome.Clean()) __builtin_trap();
  for (const ec::SubroutineGroup& group : model.subroutineGroups)
    if (group.subroutines.empty()) __builtin_trap();
  for (const ec::ClassInfo& c : model.classes)
    if (c.name.empty() || c.methods.empty()) __builtin_trap();
  // The folder search's names-only read finds exactly the model's names of a
  // module read cleanly. In a damaged one the two reads charge the per-page
  // budget differently (names-only skips bodies), so they may stop apart.
  if (parts == ec::ModelParts::All() && model.outcome.Clean()) {
    ec::ModuleNames names;
    if (ec::ReadModuleNames(path, true, names) != ok || names != ec::NamesOf(model)) __builtin_trap();
  }
  const ec::TypeUseIndex uses(model);
  const auto checkUses = [&](ec::DeclarationKind kind, size_t count) {
    for (size_t i = 0; i < count; ++i) {
      const ec::DeclarationLink target{kind, {0, i}};
      for (const ec::TypeUse& use : uses.UsesOf(target))
        if (use.places.empty() || !ec::VisitDeclaration(model, use.user.kind, use.user.place, [](const auto&) {}))
          __builtin_trap();
      if (ec::WhereUsedPage(model, uses, target).empty()) __builtin_trap();
    }
  };
  checkUses(ec::DeclarationKind::DataType, model.dataTypes.size());
  checkUses(ec::DeclarationKind::Class, model.classes.size());
  return 0;
}
