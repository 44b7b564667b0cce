#pragma once
// Runs the built ecview-cli (or ecview) through the shell and collects what it printed.

#include <string>

namespace ec::test {

struct CliResult {
  int status = -1;  // exit status, -1 when it did not exit normally
  std::string out;
  std::string err;
};

// `prefix` goes in front of the program on the shell line (a `cd`, `env …`).
// Arguments are passed to the shell as written: quote paths.
CliResult RunCli(const std::string& arguments, const std::string& prefix = "");
// The same for another program of the build folder (`ecview`).
CliResult RunBuiltProgram(const std::string& program, const std::string& arguments, const std::string& prefix = "");

}  // namespace ec::test
