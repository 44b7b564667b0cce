// Peak heap memory of analyseModule against the size of the file, on the
// large generated module (100,000 subroutines, about 27 MB) and on a crafted
// 1 MB module whose pages point every record at one body. Every allocation of
// this program is counted, so the figure is what the reader and the analysis
// hold at their busiest moment, the finished model included. The timing of
// this binary carries the counting's cost; analyse_bench has the clean figures.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>

#include "model/module_analysis.h"
#include "support/file_bytes.h"
#include "tools/module_writer/aliased_module.h"
#include "tools/module_writer/large_module.h"
#include "tools/module_writer/module_writer.h"

// The replaced operators pair malloc with free; GCC cannot see that through inlining.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
std::atomic<int64_t> g_live{0};
std::atomic<int64_t> g_peak{0};

void Count(int64_t bytes) {
  const int64_t live = g_live += bytes;
  int64_t peak = g_peak.load(std::memory_order_relaxed);
  while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
  }
}
}  // namespace

void* operator new(size_t size) {
  void* p = std::malloc(size ? size : 1);
  if (!p) throw std::bad_alloc();
  Count(static_cast<int64_t>(malloc_usable_size(p)));
  return p;
}
void operator delete(void* p) noexcept {
  if (!p) return;
  Count(-static_cast<int64_t>(malloc_usable_size(p)));
  std::free(p);
}
void operator delete(void* p, size_t) noexcept { operator delete(p); }

namespace {

std::string WriteOnce(const char* name, const std::string& bytes) {
  const auto p = std::filesystem::temp_directory_path() / name;
  ec::WriteFileBytes(p, bytes);
  return p.string();
}

const std::string& LargePath() {
  static const std::string path = WriteOnce("ecview-bench-memory-100k.ec", ec::writer::LargeModuleBytes());
  return path;
}

const std::string& AliasedPath() {
  static const std::string path =
      WriteOnce("ecview-bench-memory-aliased.ec", ec::writer::AliasedPagesModuleBytes(1 << 20));
  return path;
}

void BM_AnalysePeakMemory(benchmark::State& state, const std::string& (*pathOf)()) {
  const std::string& path = pathOf();
  const auto size = static_cast<double>(std::filesystem::file_size(path));
  double peak = 0;
  for (auto _ : state) {
    const int64_t before = g_live.load();
    g_peak = before;
    {
      ec::ModuleModel model;
      benchmark::DoNotOptimize(ec::analyseModule(path, model, {.readOnly = true}));
      benchmark::DoNotOptimize(model);
    }
    peak = static_cast<double>(g_peak.load() - before);
  }
  state.counters["file_MB"] = size / 1e6;
  state.counters["peak_MB"] = peak / 1e6;
  state.counters["peak_per_file_byte"] = peak / size;
}

BENCHMARK_CAPTURE(BM_AnalysePeakMemory, subroutines100k, LargePath)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(BM_AnalysePeakMemory, aliasedPages1MB, AliasedPath)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
