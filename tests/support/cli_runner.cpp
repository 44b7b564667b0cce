#include "tests/support/cli_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "support/file_bytes.h"
#include "tests/support/temp_dir.h"

namespace ec::test {

CliResult RunCli(const std::string& arguments, const std::string& prefix) {
  return RunBuiltProgram("ecview-cli", arguments, prefix);
}

CliResult RunBuiltProgram(const std::string& program, const std::string& arguments, const std::string& prefix) {
  TempDir dir;
  const std::string errFile = dir.File("stderr.txt");
  const std::string command = prefix + (prefix.empty() ? "" : " ") + "'" EC_BINARY_DIR "/" + program + "' " +
                              arguments + " 2>'" + errFile + "'";
  CliResult result;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.err = ReadFileBytes(errFile).value_or("");
  return result;
}

}  // namespace ec::test
