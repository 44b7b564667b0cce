// `ecview-cli dump --json [--repair] FILE`: analyses a module and prints the
// whole model. The plain-text and HTML forms are to come; their flags will sit
// beside --json in DumpOptions.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/model_json.h"
#include "model/module_analysis.h"
#include "reader/last_read_error.h"
#include "support/utf8_path.h"

namespace ec::cli {
namespace {

struct DumpOptions {
  std::string file;
  bool json = false;
  bool repair = false;
};

// The reader's message on one line, whatever it holds.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

void RunDump(const DumpOptions& options) {
  if (!options.json) {
    std::cerr << "ecview-cli: dump: plain-text and HTML dumps are not yet available; use --json\n";
    SetExitStatus(kExitUsage);
    return;
  }
  std::error_code error;
  if (!std::filesystem::is_regular_file(PathFromUtf8(options.file), error)) {
    std::cerr << "ecview-cli: no such file: " << options.file << '\n';
    SetExitStatus(kExitUsage);
    return;
  }
  SetLastReadError("");
  ModuleModel model;
  const bool ok = analyseModule(options.file, model, {.parts = ModelParts::All(), .readOnly = !options.repair});
  WriteModelJson(std::cout, model, ok, LastReadError());
  if (!ok) std::cerr << "ecview-cli: module rejected: " << OneLine(LastReadError()) << '\n';
  SetExitStatus(ok ? kExitOk : kExitRejected);
}

}  // namespace

void AddDumpCommand(CLI::App& app) {
  auto options = std::make_shared<DumpOptions>();
  CLI::App* cmd = app.add_subcommand(
      "dump", "Analyse a module and print its declarations (so far only as JSON, with --json)");
  cmd->add_option("FILE", options->file, "Module file (.ec)")->required();
  cmd->add_flag("--json", options->json,
                "Print the whole module model as one JSON object on standard output (UTF-8)");
  cmd->add_flag("--repair", options->repair,
                "Rewrite check values that do not match, as the viewer does (default: never write)");
  cmd->footer(
      "Exit status: 0 the module was read; 1 the module was rejected (the JSON is still printed,\n"
      "with \"ok\": false, and the reader's message goes to standard error); 2 usage error or\n"
      "missing file.");
  cmd->callback([options] { RunDump(*options); });
}

}  // namespace ec::cli
