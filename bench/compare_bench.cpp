// Comparing two versions of a generated module of 20,000 subroutines (200
// program sets of 100, three parameters each), the second with 600 of them
// edited: 200 changed return types, 200 renamed (200 added, 200 removed),
// 200 with a parameter more. Timed twice: the comparison of the two analysed
// models alone, and `ecview-cli diff --json` end to end (process start, both
// reads, the comparison and the JSON), the files in the page cache.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "compare/module_comparison.h"
#include "model/module_analysis.h"
#include "support/file_bytes.h"
#include "tests/support/cli_runner.h"
#include "tools/module_writer/large_module.h"

namespace {

constexpr ec::writer::LargeModuleShape kOld{.programSets = 200};
constexpr ec::writer::LargeModuleShape kNew{.programSets = 200, .edits = 600};

std::string WriteOnce(const char* name, const ec::writer::LargeModuleShape& shape) {
  const auto path = std::filesystem::temp_directory_path() / name;
  ec::WriteFileBytes(path.string(), ec::writer::LargeModuleBytes(shape));
  return path.string();
}

const std::string& OldPath() {
  static const std::string path = WriteOnce("ecview-bench-compare-old.ec", kOld);
  return path;
}

const std::string& NewPath() {
  static const std::string path = WriteOnce("ecview-bench-compare-new.ec", kNew);
  return path;
}

ec::ModuleModel Analysed(const std::string& path) {
  ec::ModuleModel model;
  ec::analyseModule(path, model, {.readOnly = true});
  return model;
}

void BM_CompareModules(benchmark::State& state) {
  const ec::ModuleModel oldModel = Analysed(OldPath());
  const ec::ModuleModel newModel = Analysed(NewPath());
  size_t differences = 0;
  for (auto _ : state) {
    const ec::ModuleComparison c = ec::CompareModules(oldModel, newModel);
    differences = c.added.size() + c.removed.size() + c.changed.size();
    benchmark::DoNotOptimize(differences);
  }
  state.counters["differences"] = static_cast<double>(differences);
}

void BM_DiffJsonEndToEnd(benchmark::State& state) {
  const std::vector<std::string> arguments = {"diff", "--json", OldPath(), NewPath()};
  size_t bytes = 0;
  for (auto _ : state) {
    const ec::test::CliResult r = ec::test::RunCli(arguments);
    if (r.status != 1) state.SkipWithError(("ecview-cli diff exited with " + std::to_string(r.status)).c_str());
    bytes = r.out.size();
  }
  state.counters["json_KB"] = static_cast<double>(bytes) / 1e3;
}

BENCHMARK(BM_CompareModules)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DiffJsonEndToEnd)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
