// ecview-cli associate on|off: makes ecview the opener of .ec files for the
// current user, or undoes that, through the same service the viewer's check
// box uses. Meant for installers and packages.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "platform/executable_path.h"
#include "platform/file_association.h"
#include "support/utf8_path.h"

namespace ec::cli {
namespace {

struct AssociateOptions {
  std::string mode;
  std::string program;
};

// The viewer sits beside this tool and shares its extension (".exe" or none).
std::filesystem::path DefaultViewerPath() {
  const auto self = ExecutablePath();
  if (self.empty()) return {};
  return self.parent_path() / ("ecview" + self.extension().string());
}

void PrintOutcome(const AssociationOutcome& outcome) {
  for (const auto& line : outcome.changes) std::cout << line << "\n";
  for (const auto& line : outcome.notes) std::cout << line << "\n";
  for (const auto& line : outcome.failures) std::cerr << "ecview-cli: " << line << "\n";
  if (outcome.changes.empty() && outcome.failures.empty()) std::cout << "nothing changed\n";
}

void RunAssociate(const AssociateOptions& options) {
  std::error_code ec;
  std::filesystem::path program =
      options.program.empty() ? DefaultViewerPath() : PathFromUtf8(options.program);
  if (!program.empty()) program = std::filesystem::absolute(program, ec);
  const bool registering = options.mode == "on";
  if (program.empty() || ec) {
    std::cerr << "ecview-cli: cannot tell where the viewer is; name it with --program\n";
    SetExitStatus(kExitUsage);
    return;
  }
  // Removal must work after the viewer is gone; registering a missing
  // program would leave .ec files opening nothing.
  if (registering && !std::filesystem::is_regular_file(program, ec)) {
    std::cerr << "ecview-cli: no program at " << Utf8FromPath(program) << "\n";
    SetExitStatus(kExitUsage);
    return;
  }
  const auto association = CreatePlatformFileAssociation();
  const auto outcome = ApplyAssociation(*association, registering, program);
  PrintOutcome(outcome);
  SetExitStatus(outcome.failures.empty() ? kExitOk : kExitRejected);
}

}  // namespace

void AddAssociateCommand(CLI::App& app) {
  auto options = std::make_shared<AssociateOptions>();
  CLI::App* command = app.add_subcommand(
      "associate", "Make ecview open .ec files for the current user (on), or undo that (off)");
  command->add_option("mode", options->mode, "on or off")
      ->required()
      ->check(CLI::IsMember({"on", "off"}));
  command->add_option("--program", options->program,
                      "The viewer to register (default: ecview beside ecview-cli)");
  command->callback([options] { RunAssociate(*options); });
}

}  // namespace ec::cli
