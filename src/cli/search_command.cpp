// `ecview-cli search [--kinds …] [--in names|remarks|params] [--programs]
// [--json] [--recursive] [--jobs N] [--repair] [--no-cache] FOLDER TEXT`: the module search without a window, on the
// engine the search window uses. The matching names are listed per module, modules in natural order of their file names
// (2 before 10), two blanks of indent per level, or as one JSON document.
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "search/folder_search.h"
#include "search/module_files.h"
#include "search/names_index.h"
#include "support/json_writer.h"
#include "support/utf8_path.h"
#include "support/plain_text.h"

namespace ec::cli {
namespace {

struct SearchOptions {
  std::string folder;
  std::string text;
  std::string kinds;
  std::string scope = "names";
  bool programs = false;
  bool noCache = false;
  bool repair = false;
  bool json = false;
  bool recursive = false;
  unsigned jobs = 0;
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

// The module's file name without its extension; in a recursive search its
// path below the searched folder, so that modules of the same name in two
// subfolders can be told apart.
std::string ModuleLabel(const std::string& path, const std::string& folder, bool recursive) {
  std::filesystem::path file = PathFromUtf8(path);
  if (!recursive) return Utf8FromPath(file.stem());
  const std::u8string relative = file.lexically_relative(PathFromUtf8(folder)).replace_extension().generic_u8string();
  return std::string(relative.begin(), relative.end());
}

// What matched in a remark or parameter goes one level below the name.
void PrintText(const std::string& label, const ModuleSearchResult& result) {
  std::cout << label << '\n';
  for (const SearchHitGroup& group : result.groups) {
    std::cout << "  " << group.Text() << '\n';
    if (!group.classDetail.empty()) std::cout << "    " << group.classDetail << '\n';
    for (size_t i = 0; i < group.names.size(); ++i) {
      std::cout << "    " << group.names[i] << '\n';
      if (i < group.details.size() && !group.details[i].empty()) std::cout << "      " << group.details[i] << '\n';
    }
  }
}

void PrintJson(JsonWriter& w, const std::string& path, const std::string& label, const ModuleSearchResult& result) {
  w.BeginObject().Key("module").String(label).Key("path").String(path).Key("hits").Int(result.hitCount);
  w.Key("groups").BeginArray();
  for (const SearchHitGroup& group : result.groups) {
    w.BeginObject().Key("label").String(group.label).Key("text").String(group.Text());
    w.Key("bareClass").Bool(group.bareClass).Key("names").BeginArray();
    for (const std::string& name : group.names) w.String(name);
    w.EndArray();
    // Only beyond the names scope, so that the names scope prints what it always did.
    if (!group.details.empty() || !group.classDetail.empty()) {
      w.Key("details").BeginArray();
      for (const std::string& detail : group.details) w.String(detail);
      w.EndArray().Key("classDetail").String(group.classDetail);
    }
    w.EndObject();
  }
  w.EndArray().EndObject();
}

// A module that could not be read, or only in part, or whose check values
// do not match.
struct DamagedModule {
  std::string path;
  std::vector<std::string> problems;
};

void WarnDamaged(const std::string& path, const std::vector<std::string>& problems) {
  std::string text;
  for (const std::string& problem : problems) text += (text.empty() ? "" : "；") + problem;
  std::cerr << "ecview-cli: warning: " << path << ": " << OneLine(text) << '\n';
}

void RunSearch(const SearchOptions& options) {
  FolderSearchRequest request;
  std::string unknown;
  if (!ParseKinds(options.kinds, request.kinds, unknown)) {
    std::cerr << "ecview-cli: unknown kind '" << unknown
              << "' (use subroutines, classes, datatypes, dll, constants, globals)\n";
    return SetExitStatus(kExitUsage);
  }
  if (options.scope == "remarks") {
    request.scope = SearchScope::Remarks;
  } else if (options.scope == "params") {
    request.scope = SearchScope::Params;
  }
  const char* pattern = options.programs ? "*.ec|*.e" : "*.ec";
  std::error_code ec;
  if (!std::filesystem::is_directory(PathFromUtf8(options.folder), ec)) {
    std::cerr << "ecview-cli: cannot list folder: " << options.folder << '\n';
    return SetExitStatus(kExitUsage);
  }
  if (options.recursive) {
    ListModuleFilesRecursive(options.folder, pattern, request.files);
  } else {
    ListModuleFiles(options.folder, pattern, request.files);
  }
  SortNaturally(request.files);
  request.text = options.text;
  request.readOnly = !options.repair;
  request.jobs = options.jobs;
  NamesCache cache;
  const std::filesystem::path index = options.noCache ? std::filesystem::path() : DefaultNamesIndexPath();
  if (!index.empty()) {
    if (const std::string why = LoadNamesIndex(index, cache); !why.empty())
      std::cerr << "ecview-cli: warning: names index " << index.string() << " ignored: " << why << '\n';
  }
  FolderSearch search(request, cache);
  JsonWriter json(std::cout);
  if (options.json) json.BeginObject().Key("folder").String(options.folder).Key("text").String(options.text).Key("modules").BeginArray();
  bool anyHit = false;
  std::vector<DamagedModule> damaged;
  while (const auto outcome = search.WaitNext()) {
    const std::string& path = request.files[outcome->index];
    if (!outcome->result.problems.empty()) {
      WarnDamaged(path, outcome->result.problems);
      damaged.push_back({path, outcome->result.problems});
    }
    if (outcome->result.hitCount == 0) continue;
    anyHit = true;
    const std::string label = ModuleLabel(path, options.folder, options.recursive);
    if (options.json) {
      PrintJson(json, path, label, outcome->result);
    } else {
      PrintText(label, outcome->result);
    }
  }
  if (!index.empty()) {
    search.StopAndWait();
    if (const std::string why = SaveNamesIndex(index, cache); !why.empty())
      std::cerr << "ecview-cli: warning: names index not kept: " << why << '\n';
  }
  if (options.json) {
    json.EndArray().Key("problems").BeginArray();
    for (const DamagedModule& module : damaged) {
      json.BeginObject().Key("path").String(module.path).Key("problems").BeginArray();
      for (const std::string& problem : module.problems) json.String(problem);
      json.EndArray().EndObject();
    }
    json.EndArray().EndObject();
    json.Flush();
    std::cout << '\n';
  }
  SetExitStatus(anyHit ? kExitOk : kExitRejected);
}

}  // namespace

void AddSearchCommand(CLI::App& app) {
  auto options = std::make_shared<SearchOptions>();
  CLI::App* cmd = app.add_subcommand("search", "Search every module (*.ec) of a folder for matching declaration names");
  cmd->add_option("FOLDER", options->folder, "Folder whose modules are searched")->required();
  cmd->add_option("TEXT", options->text,
                  "Search text: plain (case-insensitive, also pinyin initials such as qwb for 取文本), "
                  "or a wildcard pattern when it holds *, ? or |")
      ->required();
  cmd->add_option("--kinds", options->kinds,
                  "Comma-separated kinds to search: subroutines,classes,datatypes,dll,constants,globals (default: all)");
  cmd->add_option("--in", options->scope,
                  "What is compared: names (default), remarks (names and remarks), "
                  "params (names, remarks and parameter names)")
      ->check(CLI::IsMember({"names", "remarks", "params"}));
  cmd->add_flag("--programs", options->programs, "Search programs (*.e) as well as modules");
  cmd->add_flag("--json", options->json, "Print the modules, groups and names as one JSON document");
  cmd->add_flag("--recursive", options->recursive, "Search the modules of the subfolders too");
  cmd->add_option("--jobs", options->jobs, "Modules read at the same time (default: one per core)")
      ->check(CLI::Range(1u, 256u));
  cmd->add_flag("--repair", options->repair,
                "Rewrite check values that do not match, as the viewer does (default: never write)");
  cmd->add_flag("--no-cache", options->noCache,
                "Neither read nor write the names index of the user's cache folder; read every module");
  cmd->callback([options] { RunSearch(*options); });
  cmd->footer("A module that cannot be read, or only in part, or whose check values do not match gets one\n"
              "warning line on standard error; --json lists them in \"problems\": [{\"path\", \"problems\"}].\n"
              "Exit status: 0 when anything matched, 1 when nothing did, 2 for a usage error or a folder that cannot be listed.");
}

}  // namespace ec::cli
