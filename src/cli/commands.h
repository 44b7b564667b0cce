#pragma once
// Subcommands of ecview-cli. Each command file defines one Add*Command that
// adds its subcommand to the app; the callback stores the exit status.

#include <CLI/CLI.hpp>

namespace ec::cli {

constexpr int kExitOk = 0;
constexpr int kExitRejected = 1;  // the module was rejected / nothing matched / the modules differ
constexpr int kExitUsage = 2;     // usage error, missing file or folder

void SetExitStatus(int status);
int ExitStatus();

void AddSegmentsCommand(CLI::App& app);
void AddDumpCommand(CLI::App& app);
void AddAssociateCommand(CLI::App& app);
void AddSearchCommand(CLI::App& app);
void AddDiffCommand(CLI::App& app);

inline void RegisterCommands(CLI::App& app) {
  AddSegmentsCommand(app);
  AddDumpCommand(app);
  AddAssociateCommand(app);
  AddSearchCommand(app);
  AddDiffCommand(app);
}

}  // namespace ec::cli
