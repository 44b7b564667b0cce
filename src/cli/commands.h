#pragma once
// Subcommands of ecview-cli. Each command file defines one Add*Command that
// adds its subcommand to the app; the callback stores the exit status.

#include <CLI/CLI.hpp>

#include <string>

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
void AddUsesCommand(CLI::App& app);
void AddSiteCommand(CLI::App& app);

// A first argument that is no option and names no subcommand, or none at
// all: the message that says so and lists the subcommands; "" otherwise.
std::string SubcommandProblem(const CLI::App& app, int argc, const char* const* argv);

inline void RegisterCommands(CLI::App& app) {
  AddSegmentsCommand(app);
  AddDumpCommand(app);
  AddAssociateCommand(app);
  AddSearchCommand(app);
  AddDiffCommand(app);
  AddUsesCommand(app);
  AddSiteCommand(app);
}

}  // namespace ec::cli
