#pragma once
// Runs the built ecview-cli and collects what it printed.

#include <string>
#include <vector>

#include "platform/child_process.h"

namespace ec::test {

using CliResult = ChildProcessResult;

// Arguments reach the program as they are: no shell, no quoting.
CliResult RunCli(const std::vector<std::string>& arguments, const ChildProcessOptions& options = {});

}  // namespace ec::test
