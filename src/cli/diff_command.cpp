// `ecview-cli diff [--json | --html] OLD NEW`: compares the interfaces of two
// modules (or program files) and prints what changed, as a changelog, as
// JSON or as an HTML report. Neither file is ever written.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <thread>

#include "cli/commands.h"
#include "compare/comparison_html.h"
#include "compare/comparison_json.h"
#include "compare/comparison_text.h"
#include "model/module_analysis.h"
#include "support/plain_text.h"
#include "support/utf8_path.h"

namespace ec::cli {
namespace {

struct DiffOptions {
  std::string oldFile;
  std::string newFile;
  bool json = false;
  bool html = false;
};

struct LoadedModule {
  ModuleModel model;
  bool ok = false;
  std::string error;  // the reader's message when it rejected the file
};

LoadedModule Load(const std::string& path) {
  LoadedModule loaded;
  loaded.ok = analyseModule(path, loaded.model, {.parts = ModelParts::All(), .readOnly = true});
  if (!loaded.ok) loaded.error = loaded.model.outcome.readerMessage;
  return loaded;
}

// One warning line for an input read only in part or altered.
void WarnIfDamaged(const LoadedModule& m, const std::string& path) {
  if (!m.ok || m.model.outcome.Clean()) return;
  std::string problems;
  for (const std::string& problem : m.model.outcome.problems) problems += (problems.empty() ? "" : "；") + problem;
  std::cerr << "ecview-cli: warning: " << path << ": " << OneLine(problems) << '\n';
}

bool Readable(const LoadedModule& m, const std::string& path) {
  WarnIfDamaged(m, path);
  if (m.ok) return true;
  std::cerr << "ecview-cli: cannot read " << path << ": " << OneLine(m.error) << '\n';
  return false;
}

void RunDiff(const DiffOptions& options) {
  for (const std::string& file : {options.oldFile, options.newFile}) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(PathFromUtf8(file), error)) {
      std::cerr << "ecview-cli: no such file: " << file << '\n';
      SetExitStatus(kExitUsage);
      return;
    }
  }
  // The two reads share nothing, so the second runs beside the first.
  LoadedModule oldModule;
  std::jthread worker([&] { oldModule = Load(options.oldFile); });
  const LoadedModule newModule = Load(options.newFile);
  worker.join();
  const bool oldReadable = Readable(oldModule, options.oldFile);
  if (!Readable(newModule, options.newFile) || !oldReadable) {
    SetExitStatus(kExitUsage);
    return;
  }
  const ModuleComparison result = CompareModules(oldModule.model, newModule.model);
  const ComparedModules modules{oldModule.model, newModule.model, result, options.oldFile, options.newFile};
  if (options.json)
    WriteComparisonJson(std::cout, modules);
  else if (options.html)
    std::cout << ComparisonHtml(modules);
  else
    std::cout << ComparisonText(modules);
  SetExitStatus(result.Same() ? kExitOk : kExitRejected);
}

}  // namespace

void AddDiffCommand(CLI::App& app) {
  auto options = std::make_shared<DiffOptions>();
  CLI::App* cmd = app.add_subcommand("diff", "Compare the interfaces of two versions of a module");
  cmd->add_option("OLD", options->oldFile, "The older module file (.ec, or a program file)")->required();
  cmd->add_option("NEW", options->newFile, "The newer module file")->required();
  auto* json = cmd->add_flag("--json", options->json, "Print the comparison as one JSON object (UTF-8)");
  auto* html = cmd->add_flag("--html", options->html, "Print the comparison as one HTML document (UTF-8)");
  json->excludes(html);
  cmd->footer(
      "Compares the module information, the support libraries and every declaration, known by\n"
      "its kind, its class (for methods) and its name. Without --json or --html a changelog is\n"
      "printed: + added, - removed, ~ changed, with the declarations' lines.\n"
      "Neither file is written. An input read only in part (cut short, damaged) or whose check\n"
      "values do not match gets one warning line on standard error; --json lists what went\n"
      "wrong in \"oldProblems\" and \"newProblems\".\n"
      "Exit status: 0 the two are the same; 1 they differ; 2 usage error, missing file, or a\n"
      "file the reader rejects (its message goes to standard error).");
  cmd->callback([options] { RunDiff(*options); });
}

}  // namespace ec::cli
