// analyseModule on large generated modules, the file in the page cache:
// 100,000 subroutines with three parameters each in 1,000 program sets (about
// 30 MB), and 20,000 subroutines in 200 program sets, the size at which
// `ecview-cli dump --json` is timed end to end (the file stays in the temp
// folder for that). Reported as bytes per second of module file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "model/module_analysis.h"
#include "support/file_bytes.h"
#include "tools/module_writer/large_module.h"
#include "tools/module_writer/module_writer.h"

namespace {

std::string WriteOnce(const char* name, const ec::writer::LargeModuleShape& shape) {
  const auto path = std::filesystem::temp_directory_path() / name;
  ec::WriteFileBytes(path.string(), ec::writer::LargeModuleBytes(shape));
  return path.string();
}

const std::string& LargePath() {
  static const std::string path = WriteOnce("ecview-bench-analyse-100k.ec", {});
  return path;
}

const std::string& MediumPath() {
  static const std::string path = WriteOnce("ecview-bench-analyse-20k.ec", {.programSets = 200});
  return path;
}

void ReportBytes(benchmark::State& state, const std::string& path) {
  const auto size = static_cast<int64_t>(std::filesystem::file_size(path));
  state.SetBytesProcessed(size * state.iterations());
  state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}

void BM_AnalyseModule(benchmark::State& state, const std::string& (*pathOf)()) {
  const std::string& path = pathOf();  // written before timing starts
  for (auto _ : state) {
    ec::ModuleModel model;
    benchmark::DoNotOptimize(ec::analyseModule(path, model, {.readOnly = true}));
    benchmark::DoNotOptimize(model);
  }
  ReportBytes(state, path);
}

// The analysis alone, from segments already decoded (copied outside the timing).
void BM_BuildModel(benchmark::State& state) {
  const ec::ModuleSegments segments = ec::writer::LargeModuleSegments();
  for (auto _ : state) {
    state.PauseTiming();
    ec::ModuleSegments copy = segments;
    state.ResumeTiming();
    ec::ModuleModel model;
    ec::BuildModel(std::move(copy), ec::ModelParts::All(), model);
    benchmark::DoNotOptimize(model);
  }
  ReportBytes(state, LargePath());
}

BENCHMARK_CAPTURE(BM_AnalyseModule, subroutines100k, LargePath)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_AnalyseModule, subroutines20k, MediumPath)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BuildModel)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
