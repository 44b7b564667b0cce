// ReadModuleFile on a large generated module (about 27 MB: 100,000
// subroutines with three parameters each in 1,000 program sets), the file in
// the page cache. Reported as bytes per second of module file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "reader/module_file_reader.h"
#include "support/file_bytes.h"
#include "tools/module_writer/large_module.h"
#include "tools/module_writer/module_writer.h"

namespace {

const std::string& LargeModulePath() {
  static const std::string path = [] {
    const auto p = std::filesystem::temp_directory_path() / "ecview-bench-large.ec";
    ec::WriteFileBytes(p.string(), ec::writer::LargeModuleBytes());
    return p.string();
  }();
  return path;
}

void BM_ReadModuleFile(benchmark::State& state, ec::ReaderOptions options) {
  const std::string& path = LargeModulePath();
  const auto size = static_cast<int64_t>(std::filesystem::file_size(path));
  for (auto _ : state) {
    ec::ModuleSegments segments;
    benchmark::DoNotOptimize(ec::ReadModuleFile(path, options, segments));
    benchmark::DoNotOptimize(segments);
  }
  state.SetBytesProcessed(size * state.iterations());
  state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}

BENCHMARK_CAPTURE(BM_ReadModuleFile, all, ec::ReaderOptions{.readOnly = true})->Unit(benchmark::kMillisecond)->UseRealTime();
// What analysis asks for: the trailing blocks of subroutines stepped over.
BENCHMARK_CAPTURE(BM_ReadModuleFile, skipBlocks, ec::ReaderOptions{.skipSubroutineBlocks = true, .readOnly = true})
    ->Unit(benchmark::kMillisecond)->UseRealTime();
// What analysis asks for since it takes the subroutines one at a time: the
// list is only stepped over here.
BENCHMARK_CAPTURE(BM_ReadModuleFile, subroutinesInPlace,
                  ec::ReaderOptions{.skipSubroutineBlocks = true, .readOnly = true, .subroutinesInPlace = true})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
