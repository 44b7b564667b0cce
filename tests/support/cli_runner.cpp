#include "tests/support/cli_runner.h"

namespace ec::test {

CliResult RunCli(const std::vector<std::string>& arguments, const ChildProcessOptions& options) {
  return RunChildProcess(EC_CLI_PROGRAM, arguments, options);
}

}  // namespace ec::test
