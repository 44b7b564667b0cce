// `ecview-cli dump [--json | --html | --crlf --gbk] [-o OUT] [--repair] FILE`:
// analyses a module and prints it as E declaration text (the default; UTF-8
// unless --gbk), as one HTML document, or as the whole model in JSON.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/model_json.h"
#include "model/module_analysis.h"
#include "render/html_export.h"
#include "render/module_text.h"
#include "support/gbk_codec.h"
#include "support/plain_text.h"
#include "support/utf8_path.h"

namespace ec::cli {
namespace {

struct DumpOptions {
  std::string file;
  std::string output;  // "" for standard output
  bool json = false;
  bool html = false;
  bool crlf = false;
  bool gbk = false;
  bool repair = false;
};

void PrintText(const ModuleModel& model, const DumpOptions& options, std::ostream& stream) {
  std::string text = ModuleDeclarationText(model);
  if (!options.crlf) {
    // Only line ends change; a lone CR inside a remark stays as stored.
    std::string lf;
    lf.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
      if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf += text[i];
    text = std::move(lf);
  }
  stream << (options.gbk ? Utf8ToGbk(text) : text);
}

void Print(const DumpOptions& options, const ModuleModel& model, bool ok, std::ostream& stream) {
  if (options.json)
    WriteModelJson(stream, model, ok, model.outcome.readerMessage);
  else if (options.html)
    WriteHtmlExport(model, stream, Utf8FromPath(PathFromUtf8(options.file).stem()));
  else
    PrintText(model, options, stream);
}

void RunDump(const DumpOptions& options) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(PathFromUtf8(options.file), error)) {
    const bool folder = std::filesystem::is_directory(PathFromUtf8(options.file), error);
    std::cerr << "ecview-cli: " << (folder ? "a folder, not a module file: " : "no such file: ") << options.file
              << '\n';
    SetExitStatus(kExitUsage);
    return;
  }
  ModuleModel model;
  const bool ok = analyseModule(options.file, model, {.parts = ModelParts::All(), .readOnly = !options.repair});
  if (options.output.empty()) {
    Print(options, model, ok, std::cout);
  } else {
    std::ofstream file(PathFromUtf8(options.output), std::ios::binary | std::ios::trunc);
    if (file) Print(options, model, ok, file);
    if (!file || !file.flush()) {
      std::cerr << "ecview-cli: cannot write " << options.output << '\n';
      SetExitStatus(kExitUsage);
      return;
    }
  }
  if (!model.outcome.Clean())
    for (const std::string& problem : model.outcome.problems)
      std::cerr << "ecview-cli: warning: " << OneLine(problem) << '\n';
  if (!ok) std::cerr << "ecview-cli: module rejected: " << OneLine(model.outcome.readerMessage) << '\n';
  SetExitStatus(ok ? kExitOk : kExitRejected);
}

}  // namespace

void AddDumpCommand(CLI::App& app) {
  auto options = std::make_shared<DumpOptions>();
  CLI::App* cmd = app.add_subcommand(
      "dump", "Analyse a module and print its declarations as E source text, HTML or JSON");
  cmd->add_option("FILE", options->file, "Module file (.ec)")->required();
  cmd->add_option("-o,--output", options->output, "Write to this file instead of standard output");
  auto* json = cmd->add_flag("--json", options->json, "Print the whole module model as one JSON object (UTF-8)");
  auto* html = cmd->add_flag("--html", options->html,
                             "Write the module's documentation as one HTML document (UTF-8): summary, "
                             "declaration text and tables of every group, category and class");
  auto* crlf = cmd->add_flag("--crlf", options->crlf,
                             "End the lines of the declaration text with CR LF instead of LF (the text stays UTF-8)");
  auto* gbk = cmd->add_flag("--gbk", options->gbk,
                            "Write the declaration text in GBK (code page 936), which the E IDE reads, instead of "
                            "UTF-8; characters GBK lacks become '?'");
  json->excludes(html);
  crlf->excludes(json)->excludes(html);
  gbk->excludes(json)->excludes(html);
  cmd->add_flag("--repair", options->repair,
                "Rewrite check values that do not match, as the viewer does (default: never write)");
  cmd->footer(
      "Without --json or --html the module is printed as E declaration text: each subroutine\n"
      "group, the DLL commands, constants, global variables and data types, then each class,\n"
      "separated by empty lines. For the E IDE: dump --crlf --gbk.\n"
      "A module that was not read whole (cut short, damaged) gets one warning line per\n"
      "problem on standard error, and so does one whose check values do not match its bytes;\n"
      "--json also carries \"complete\", \"checksMatch\" and \"problems\".\n"
      "Exit status: 0 the module was read; 1 the module was rejected (the output is still\n"
      "written, for an empty module, JSON with \"ok\": false, and the reader's message goes to\n"
      "standard error); 2 usage error, missing file (or a folder), or the output cannot be written.");
  cmd->callback([options] { RunDump(*options); });
}

}  // namespace ec::cli
