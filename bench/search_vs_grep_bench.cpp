// The folder search beside the byte scanners, in one run over the same files:
// copies of the real modules of the corpus (ECVIEW_BENCH_CORPUS, default
// ../shared/corpus from the current folder, the repository's top;
// ECVIEW_BENCH_COPIES copies of each
// module, default 400) in a temporary folder, searched warm for one name by
// `grep -c -F` (the name in GBK, as the files hold it), by ripgrep when it is
// installed, and by FolderSearch with a fresh names cache as `ecview-cli
// search` does. Each iteration times all of them back to back, so the
// ratios ("vs_grep", "vs_rg": the search's time over the tool's) are taken
// under the same load of the machine; below 0.5 the search is twice as fast.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "search/folder_search.h"
#include "search/module_files.h"
#include "support/gbk_codec.h"
#include "support/utf8_path.h"

namespace {

namespace fs = std::filesystem;
constexpr char kName[] = "取文本";

int Copies() {
  const char* text = std::getenv("ECVIEW_BENCH_COPIES");
  return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : 400;
}

// The copies, made once and kept for later runs.
const fs::path& Folder() {
  static const fs::path folder = [] {
    const char* corpus = std::getenv("ECVIEW_BENCH_CORPUS");
    const fs::path source = corpus != nullptr ? fs::path(corpus) : fs::path("..") / "shared" / "corpus";
    const fs::path path = fs::temp_directory_path() / ("ecview-bench-grep-" + std::to_string(Copies()));
    fs::create_directories(path);
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(source, error)) {
      if (entry.path().extension() != ".ec") continue;
      for (int i = 0; i < Copies(); ++i) {
        const fs::path copy = path / (std::to_string(i) + "_" + entry.path().filename().string());
        if (!fs::exists(copy)) fs::copy_file(entry.path(), copy, error);
      }
    }
    return path;
  }();
  return folder;
}

double Seconds(const std::function<void()>& run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The tool's exit status 0 or 1 (found / not found) counts as a run; the
// shell reports 127 for a missing tool.
bool RunTool(const std::string& command) {
  const int status = std::system((command + " > /dev/null 2>&1").c_str());
  return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) <= 1;
}

void BM_SearchBesideGrep(benchmark::State& state) {
  ec::FolderSearchRequest request;
  ec::ListModuleFiles(ec::Utf8FromPath(Folder()), "*.ec", request.files);
  request.text = kName;
  const std::string gbk = ec::Utf8ToGbk(kName);
  const std::string folder = Folder().string();
  const std::string grep = "LC_ALL=C grep -r -c -F '" + gbk + "' '" + folder + "'";
  const std::string rg = "rg -j2 -c -F --no-config --no-ignore '" + gbk + "' '" + folder + "'";
  const bool haveRg = RunTool("rg --version");
  RunTool(grep);  // warm the page cache
  double search = 0, grepped = 0, ripgrepped = 0;
  size_t hits = 0;
  for (auto _ : state) {
    search += Seconds([&] {
      ec::NamesCache cache;
      ec::FolderSearch run(request, cache);
      while (auto outcome = run.WaitNext()) hits += static_cast<size_t>(outcome->result.hitCount);
    });
    grepped += Seconds([&] { RunTool(grep); });
    if (haveRg) ripgrepped += Seconds([&] { RunTool(rg); });
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["modules"] = static_cast<double>(request.files.size());
  state.counters["search_ms"] = search / n * 1e3;
  state.counters["grep_ms"] = grepped / n * 1e3;
  state.counters["vs_grep"] = search / grepped;
  if (haveRg) {
    state.counters["rg_ms"] = ripgrepped / n * 1e3;
    state.counters["vs_rg"] = search / ripgrepped;
  }
  benchmark::DoNotOptimize(hits);
}
BENCHMARK(BM_SearchBesideGrep)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
