#include <string>

#include "cli/commands.h"

namespace ec::cli {

std::string SubcommandProblem(const CLI::App& app, int argc, const char* const* argv) {
  std::string names;
  bool known = false;
  const std::string first = argc > 1 ? argv[1] : "";
  for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; })) {
    names += (names.empty() ? "" : ", ") + sub->get_name();
    known = known || sub->get_name() == first;
  }
  if (known || first.starts_with('-')) return {};
  const std::string what = first.empty() ? "a subcommand is needed" : "unknown subcommand \"" + first + "\"";
  return "ecview-cli: " + what + "; the subcommands are " + names + " (ecview-cli --help tells more)\n";
}

}  // namespace ec::cli
