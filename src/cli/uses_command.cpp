// `ecview-cli uses [--json] MODULE TYPE`: lists the declarations that use the
// module's data type or class TYPE, grouped by their kind, as text or JSON.
// The module is never written.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "declarations/type_targets.h"
#include "model/module_analysis.h"
#include "model/type_name.h"
#include "navigate/type_uses.h"
#include "navigate/use_groups.h"
#include "support/json_writer.h"
#include "support/plain_text.h"
#include "support/utf8_path.h"

namespace ec::cli {
namespace {

struct UsesOptions {
  std::string file;
  std::string type;
  bool json = false;
};

void PrintText(std::span<const TypeUse> uses, std::string_view kindWord, std::string_view name) {
  std::cout << "使用处：" << name << "（" << kindWord << "）\n";
  if (uses.empty()) std::cout << "没有使用它的声明。\n";
  for (const UseGroup& group : kUseGroups) {
    bool headed = false;
    for (const TypeUse& use : uses) {
      if (use.user.kind != group.kind) continue;
      if (!headed) std::cout << group.heading << '\n';
      headed = true;
      std::string places;
      for (const TypeUsePlace& place : use.places)
        if (const std::string text = PlaceText(place); !text.empty()) places += (places.empty() ? "：" : "、") + text;
      std::cout << "  " << UserText(use) << places << '\n';
    }
  }
}

void PrintJson(std::span<const TypeUse> uses, const DeclarationLink& target, std::string_view name,
               const std::vector<std::string>& problems) {
  JsonWriter w(std::cout);
  w.BeginObject().Key("target").BeginObject().Key("kind").String(KindName(target.kind));
  w.Key("name").String(name).EndObject();
  // What the reader found damaged: the uses of a module read in part may be incomplete.
  w.Key("problems").BeginArray();
  for (const std::string& problem : problems) w.String(problem);
  w.EndArray();
  w.Key("uses").BeginArray();
  for (const TypeUse& use : uses) {
    w.BeginObject().Key("kind").String(KindName(use.user.kind)).Key("container").String(use.container);
    w.Key("name").String(use.name).Key("places").BeginArray();
    for (const TypeUsePlace& place : use.places)
      w.BeginObject().Key("role").String(RoleName(place.role)).Key("name").String(place.name).EndObject();
    w.EndArray().EndObject();
  }
  w.EndArray().EndObject();
  w.Flush();
  std::cout << '\n';
}

void RunUses(const UsesOptions& options) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(PathFromUtf8(options.file), error)) {
    const bool folder = std::filesystem::is_directory(PathFromUtf8(options.file), error);
    std::cerr << "ecview-cli: " << (folder ? "a folder, not a module file: " : "no such file: ") << options.file
              << '\n';
    return SetExitStatus(kExitUsage);
  }
  ModuleModel model;
  if (!analyseModule(options.file, model, {.parts = ModelParts::All(), .readOnly = true})) {
    std::cerr << "ecview-cli: module rejected: " << OneLine(model.outcome.readerMessage) << '\n';
    return SetExitStatus(kExitRejected);
  }
  if (!model.outcome.complete)
    for (const std::string& problem : model.outcome.problems)
      std::cerr << "ecview-cli: warning: " << OneLine(problem) << '\n';
  const std::optional<DeclarationLink> target = TypeTargets(model).Find(options.type);
  if (!target) {
    if (IsBasicTypeName(options.type))
      std::cerr << "ecview-cli: " << options.type << " is a basic type; uses lists the module's own data types and classes\n";
    else
      std::cerr << "ecview-cli: the module has no data type or class named \"" << options.type << "\"\n";
    return SetExitStatus(kExitUsage);
  }
  const TypeUseIndex index(model);
  const std::span<const TypeUse> uses = index.UsesOf(*target);
  if (options.json)
    PrintJson(uses, *target, options.type, model.outcome.problems);
  else
    PrintText(uses, target->kind == DeclarationKind::DataType ? "数据类型" : "类", options.type);
  SetExitStatus(uses.empty() ? kExitRejected : kExitOk);
}

}  // namespace

void AddUsesCommand(CLI::App& app) {
  auto options = std::make_shared<UsesOptions>();
  CLI::App* cmd = app.add_subcommand("uses", "List the declarations that use a data type or class of a module");
  cmd->add_option("MODULE", options->file, "Module file (.ec)")->required();
  cmd->add_option("TYPE", options->type, "Name of a data type or class of the module")->required();
  cmd->add_flag("--json", options->json, "Print the target and its uses as one JSON object (UTF-8)");
  cmd->footer(
      "Lists subroutines and methods whose return value or parameters have the type, data types\n"
      "with members of it, global variables of it, DLL commands using it and classes based on it,\n"
      "grouped by kind, one line per declaration with every place it names the type.\n"
      "A data type hides a class of the same name; basic types have no uses to list.\n"
      "The file is never written.\n"
      "Exit status: 0 the type has uses; 1 nothing uses it, or the module was rejected (the\n"
      "reader's message goes to standard error); 2 usage error, missing file, or TYPE names no\n"
      "data type or class of the module.");
  cmd->callback([options] { RunUses(*options); });
}

}  // namespace ec::cli
