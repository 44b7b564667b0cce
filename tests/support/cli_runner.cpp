#include "tests/support/cli_runner.h"

#include <algorithm>
#include <filesystem>
#include <random>

namespace ec::test {
namespace {

// The program's cache folder (its names index) in a folder of this test
// program's own, never the user's.
std::string TestCacheFolder() {
  static const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("ecview-cli-test-cache-" + std::to_string(std::random_device{}()));
  return folder.string();
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& arguments, const ChildProcessOptions& options) {
  ChildProcessOptions withCache = options;
  for (const char* name : {"XDG_CACHE_HOME", "LOCALAPPDATA"}) {
    const bool given = std::ranges::any_of(options.environment, [&](const auto& v) { return v.first == name; });
    if (!given) withCache.environment.emplace_back(name, TestCacheFolder());
  }
  return RunChildProcess(EC_CLI_PROGRAM, arguments, withCache);
}

}  // namespace ec::test
