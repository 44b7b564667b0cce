// Searching a folder of 1,000 generated modules of about 500 KB each (made
// once, kept in the temp folder, in the page cache after the first run), as
// `ecview-cli search FOLDER qwb` does: a fresh names cache, every module
// read; and a second search with the cache filled, as the search window's
// second run of the same folder; and the wait for the first module listed. `ecview-cli search` is timed end to end on
// the same folder (the README has the command).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "search/folder_search.h"
#include "search/module_files.h"
#include "support/file_bytes.h"
#include "support/utf8_path.h"
#include "tools/module_writer/large_module.h"

namespace {

constexpr int kModules = 1000;

const std::string& Folder() {
  static const std::string folder = [] {
    const auto path = std::filesystem::temp_directory_path() / "ecview-bench-search";
    std::filesystem::create_directories(path);
    const std::string bytes =
        ec::writer::LargeModuleBytes({.programSets = 19, .subroutinesPerSet = 100, .parametersPerSubroutine = 3});
    for (int i = 0; i < kModules; ++i) {
      const auto file = path / ("模块" + std::to_string(i) + ".ec");
      std::error_code error;
      if (std::filesystem::file_size(file, error) != bytes.size()) ec::WriteFileBytes(file, bytes);
    }
    return ec::Utf8FromPath(path);
  }();
  return folder;
}

ec::FolderSearchRequest Request() {
  ec::FolderSearchRequest request;
  ec::ListModuleFiles(Folder(), "*.ec", request.files);
  request.text = "qwb";
  return request;
}

size_t RunSearch(const ec::FolderSearchRequest& request, ec::NamesCache& cache) {
  ec::FolderSearch search(request, cache);
  size_t hits = 0;
  while (auto outcome = search.WaitNext()) hits += static_cast<size_t>(outcome->result.hitCount);
  return hits;
}

void BM_FolderSearchReadingEveryModule(benchmark::State& state) {
  const ec::FolderSearchRequest request = Request();
  for (auto _ : state) {
    ec::NamesCache cache;
    benchmark::DoNotOptimize(RunSearch(request, cache));
  }
  state.counters["modules"] = static_cast<double>(request.files.size());
}
BENCHMARK(BM_FolderSearchReadingEveryModule)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the window waits for before its first module is listed: the start of
// the workers and the first module read, whatever the folder's size.
void BM_FolderSearchFirstResult(benchmark::State& state) {
  const ec::FolderSearchRequest request = Request();
  for (auto _ : state) {
    ec::NamesCache cache;
    ec::FolderSearch search(request, cache);
    benchmark::DoNotOptimize(search.WaitNext());
    state.PauseTiming();
    search.StopAndWait();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FolderSearchFirstResult)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FolderSearchFromTheCache(benchmark::State& state) {
  const ec::FolderSearchRequest request = Request();
  ec::NamesCache cache(512u << 20);
  RunSearch(request, cache);
  for (auto _ : state) benchmark::DoNotOptimize(RunSearch(request, cache));
  state.counters["cache_MB"] = static_cast<double>(cache.Bytes()) / 1e6;
}
BENCHMARK(BM_FolderSearchFromTheCache)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
