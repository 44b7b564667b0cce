#pragma once
// Starts another program, waits for it and keeps what it printed. The tests
// of the command-line tool run it this way on both platforms, with arguments
// passed as they are (no shell, so no quoting rules to get wrong).

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace ec {

struct ChildProcessOptions {
  std::filesystem::path working_directory;  // empty: this process's
  // Set in the child's environment on top of this process's; an empty value
  // sets the variable to the empty text.
  std::vector<std::pair<std::string, std::string>> environment;
};

struct ChildProcessResult {
  int status = -1;  // exit status; -1 when the program could not be started or was killed
  std::string out;  // standard output, byte for byte
  std::string err;  // standard error
};

// Arguments are UTF-8 and exclude the program itself.
ChildProcessResult RunChildProcess(const std::filesystem::path& program,
                                   const std::vector<std::string>& arguments,
                                   const ChildProcessOptions& options = {});

}  // namespace ec
