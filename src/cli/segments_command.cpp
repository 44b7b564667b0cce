// `ecview-cli segments FILE`: what the reader found in a module, segment by
// segment, with the sizes of its lists. A quick look at a damaged file.
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "reader/module_file_reader.h"
#include "support/gbk_codec.h"
#include "support/utf8_path.h"

namespace ec::cli {
namespace {

struct SegmentsOptions {
  std::string file;
  bool repair = false;
};

void PrintSegments(const ModuleSegments& s) {
  if (s.systemInfo)
    std::cout << "系统信息段: system version " << s.systemInfo->systemVersionMajor << '.'
              << s.systemInfo->systemVersionMinor << '\n';
  if (s.userInfo)
    std::cout << "用户信息段: name \"" << GbkToUtf8(s.userInfo->name) << "\", version "
              << s.userInfo->versionMajor << '.' << s.userInfo->versionMinor << '\n';
  if (s.resources)
    std::cout << "程序资源段: " << s.resources->windows.size() << " windows, "
              << s.resources->constants.size() << " constants\n";
  if (s.program)
    std::cout << "程序段: " << s.program->header.libraries.size() << " libraries, "
              << s.program->classes.size() << " program sets, " << s.program->subroutines.size()
              << " subroutines, " << s.program->globals.size() << " globals, "
              << s.program->dataTypes.size() << " data types, " << s.program->dllCommands.size()
              << " DLL commands\n";
  for (const auto& [name, slot] : kPlaceholderSegments)
    if ((s.*slot).has_value()) std::cout << name << '\n';
}

void RunSegments(const SegmentsOptions& options) {
  std::error_code ec;
  if (!std::filesystem::exists(PathFromUtf8(options.file), ec)) {
    std::cerr << "ecview-cli: no such file: " << options.file << '\n';
    SetExitStatus(kExitUsage);
    return;
  }
  ModuleSegments segments;
  ReadReport report;
  const bool ok = ReadModuleFile(options.file, {.readOnly = !options.repair}, segments, &report);
  PrintSegments(segments);
  if (!report.lastMessage.empty()) std::cout << "last read error: " << report.lastMessage << '\n';
  SetExitStatus(ok ? kExitOk : kExitRejected);
}

}  // namespace

void AddSegmentsCommand(CLI::App& app) {
  auto options = std::make_shared<SegmentsOptions>();
  CLI::App* cmd = app.add_subcommand("segments", "List the segments the reader finds in a module");
  cmd->add_option("FILE", options->file, "Module file (.ec)")->required();
  cmd->add_flag("--repair", options->repair,
                "Rewrite check values that do not match, as the viewer does (default: never write)");
  cmd->callback([options] { RunSegments(*options); });
}

}  // namespace ec::cli
