// `ecview-cli search [--kinds …] [--repair] FOLDER TEXT`: the module search
// without a window. Every module of the folder is analysed and the matching
// names are listed per module, two blanks of indent per level.
#include <filesystem>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "model/module_analysis.h"
#include "search/module_files.h"
#include "search/module_search.h"
#include "support/utf8_path.h"

namespace ec::cli {
namespace {

struct SearchOptions {
  std::string folder;
  std::string text;
  std::string kinds;
  bool repair = false;
};

// Parses "subroutines,classes,…"; false on an unknown word.
bool ParseKinds(const std::string& list, SearchKinds& kinds, std::string& unknown) {
  if (list.empty()) return true;
  kinds = {false, false, false, false, false, false};
  std::stringstream words(list);
  for (std::string word; std::getline(words, word, ',');) {
    if (word == "subroutines") kinds.subroutines = true;
    else if (word == "classes") kinds.classes = true;
    else if (word == "datatypes") kinds.dataTypes = true;
    else if (word == "dll") kinds.dllCommands = true;
    else if (word == "constants") kinds.constants = true;
    else if (word == "globals") kinds.globals = true;
    else {
      unknown = word;
      return false;
    }
  }
  return true;
}

void PrintModule(const std::string& path, const ModuleSearchResult& result) {
  std::cout << Utf8FromPath(PathFromUtf8(path).stem()) << '\n';
  for (const SearchHitGroup& group : result.groups) {
    std::cout << "  " << group.Text() << '\n';
    for (const std::string& name : group.names) std::cout << "    " << name << '\n';
  }
}

void RunSearch(const SearchOptions& options) {
  SearchKinds kinds;
  std::string unknown;
  if (!ParseKinds(options.kinds, kinds, unknown)) {
    std::cerr << "ecview-cli: unknown kind '" << unknown
              << "' (use subroutines, classes, datatypes, dll, constants, globals)\n";
    return SetExitStatus(kExitUsage);
  }
  std::error_code ec;
  if (!std::filesystem::is_directory(PathFromUtf8(options.folder), ec)) {
    std::cerr << "ecview-cli: cannot list folder: " << options.folder << '\n';
    return SetExitStatus(kExitUsage);
  }
  std::vector<std::string> files;
  ListModuleFiles(options.folder, "*.ec", files);
  NameMatcher matcher(options.text);
  bool anyHit = false;
  for (const std::string& path : files) {
    ModuleModel model;
    analyseModule(path, model, {.readOnly = !options.repair});
    const ModuleSearchResult result = SearchModule(model, matcher, kinds);
    if (result.hitCount == 0) continue;
    anyHit = true;
    PrintModule(path, result);
  }
  SetExitStatus(anyHit ? kExitOk : kExitRejected);
}

}  // namespace

void AddSearchCommand(CLI::App& app) {
  auto options = std::make_shared<SearchOptions>();
  CLI::App* cmd = app.add_subcommand("search", "Search every module (*.ec) of a folder for matching declaration names");
  cmd->add_option("FOLDER", options->folder, "Folder whose modules are searched (not recursive)")->required();
  cmd->add_option("TEXT", options->text,
                  "Search text: plain (case-insensitive, also pinyin initials such as qwb for 取文本), "
                  "or a wildcard pattern when it holds *, ? or |")
      ->required();
  cmd->add_option("--kinds", options->kinds,
                  "Comma-separated kinds to search: subroutines,classes,datatypes,dll,constants,globals (default: all)");
  cmd->add_flag("--repair", options->repair,
                "Rewrite check values that do not match, as the viewer does (default: never write)");
  cmd->callback([options] { RunSearch(*options); });
  cmd->footer("Exit status: 0 when anything matched, 1 when nothing did, 2 for a usage error or a folder that cannot be listed.");
}

}  // namespace ec::cli
