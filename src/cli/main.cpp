// ecview-cli: the module viewer's command-line tool. Each subcommand lives in
// its own file and registers itself through cli/commands.h.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>

#include "cli/commands.h"
#include "platform/command_line.h"
#include "support/program_version.h"

int main(int argc, char** argv) {
  // Output is UTF-8 with "\n" line ends on every platform (dump --crlf asks
  // for CR LF itself), and file names on the command line may be Chinese.
  ec::UseBinaryStandardStreams();
  std::vector<std::string> arguments = ec::CommandLineArguments(argc, argv);
  std::vector<char*> pointers;
  for (std::string& argument : arguments) pointers.push_back(argument.data());

  CLI::App app{"ecview-cli - read, print and search E language modules (.ec files)"};
  app.require_subcommand(1);
  // CLI11 would read "/x" as an option on Windows; there it is a path from
  // the root of the current drive, as "/x" is everywhere else.
  app.allow_windows_style_options(false);
  app.set_help_all_flag("--help-all", "Print help for every subcommand");
  app.set_version_flag("--version", std::string("ecview-cli ") + ec::kProgramVersion);
  ec::cli::RegisterCommands(app);
  if (const std::string problem = ec::cli::SubcommandProblem(app, argc, argv); !problem.empty()) {
    std::cerr << problem;
    return ec::cli::kExitUsage;
  }
  try {
    app.parse(static_cast<int>(pointers.size()), pointers.data());
  } catch (const CLI::ParseError& e) {
    // CLI11 answers 0 for --help; every real usage error exits with 2.
    const int code = app.exit(e);
    return code == 0 ? 0 : ec::cli::kExitUsage;
  }
  return ec::cli::ExitStatus();
}
