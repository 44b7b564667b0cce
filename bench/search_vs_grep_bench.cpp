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
// `ecview-cli search --no-cache` is timed too ("cli_vs_grep"), a process
// started like grep, and so is `ecview-cli search` with its names index warm
// in a cache folder of its own ("index_vs_grep"): what a user's second search
// of a folder costs. With ECVIEW_BENCH_COLD=1 (root only) the page cache is
// dropped before each timed run, so every tool reads the files from disk.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

// "\xc8\xa1…": bytes as a regular expression's escapes.
std::string HexEscaped(const std::string& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) out += std::string("\\x") + kDigits[c >> 4] + kDigits[c & 15];
  return out;
}

bool Cold() {
  const char* text = std::getenv("ECVIEW_BENCH_COLD");
  return text != nullptr && std::string(text) == "1";
}

// Forgets the files' pages, so the next run reads them from the disk.
void DropPageCache() {
  if (!Cold()) return;
  std::system("sync");
  std::ofstream("/proc/sys/vm/drop_caches") << "1\n";
}

// The command line tool beside this benchmark's program.
std::string CliPath() {
  return (fs::read_symlink("/proc/self/exe").parent_path() / "ecview-cli").string();
}

double TimedRun(const std::function<void()>& run) {
  DropPageCache();
  return Seconds(run);
}

void BM_SearchBesideGrep(benchmark::State& state) {
  ec::FolderSearchRequest request;
  ec::ListModuleFiles(ec::Utf8FromPath(Folder()), "*.ec", request.files);
  request.text = kName;
  const std::string gbk = ec::Utf8ToGbk(kName);
  const std::string folder = Folder().string();
  const std::string grep = "LC_ALL=C grep -r -c -F '" + gbk + "' '" + folder + "'";
  // grep -a reads a file with NUL bytes as text, which GNU grep does two to
  // three times faster than its binary-file path: the stricter yardstick.
  const std::string grepText = "LC_ALL=C grep -a -r -c -F '" + gbk + "' '" + folder + "'";
  // ripgrep takes no pattern that is not UTF-8: the GBK bytes go in as
  // escapes with Unicode off, and -a keeps it reading past the first NUL
  // byte, where it would otherwise give up on a file as binary.
  const std::string rg = "rg -j2 -c -a --no-config --no-ignore '(?-u)" + HexEscaped(gbk) + "' '" + folder + "'";
  const std::string cli = "'" + CliPath() + "' search --no-cache '" + folder + "' '" + kName + "'";
  const fs::path cacheHome = fs::temp_directory_path() / "ecview-bench-grep-cache";
  const std::string indexed = "XDG_CACHE_HOME='" + cacheHome.string() + "' '" + CliPath() + "' search '" + folder +
                              "' '" + kName + "'";
  // A tool that cannot run the search (exit status 2) has no figure.
  const bool haveRg = RunTool("rg --version") && RunTool(rg);
  const bool haveCli = RunTool(cli);  // also warms the page cache
  const bool haveIndex = RunTool(indexed);  // fills the index
  double search = 0, grepped = 0, grepTexted = 0, ripgrepped = 0, cliSearched = 0, indexSearched = 0;
  size_t hits = 0;
  for (auto _ : state) {
    search += TimedRun([&] {
      ec::NamesCache cache;
      ec::FolderSearch run(request, cache);
      while (auto outcome = run.WaitNext()) hits += static_cast<size_t>(outcome->result.hitCount);
    });
    grepped += TimedRun([&] { RunTool(grep); });
    grepTexted += TimedRun([&] { RunTool(grepText); });
    if (haveRg) ripgrepped += TimedRun([&] { RunTool(rg); });
    if (haveCli) cliSearched += TimedRun([&] { RunTool(cli); });
    if (haveIndex) indexSearched += TimedRun([&] { RunTool(indexed); });
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["modules"] = static_cast<double>(request.files.size());
  state.counters["search_ms"] = search / n * 1e3;
  state.counters["grep_ms"] = grepped / n * 1e3;
  state.counters["vs_grep"] = search / grepped;
  state.counters["grep_a_ms"] = grepTexted / n * 1e3;
  state.counters["vs_grep_a"] = search / grepTexted;
  state.counters["cold"] = Cold() ? 1 : 0;
  if (haveCli) {
    state.counters["cli_ms"] = cliSearched / n * 1e3;
    state.counters["cli_vs_grep"] = cliSearched / grepped;
  }
  if (haveIndex) {
    state.counters["index_ms"] = indexSearched / n * 1e3;
    state.counters["index_vs_grep"] = indexSearched / grepped;
  }
  if (haveRg) {
    state.counters["rg_ms"] = ripgrepped / n * 1e3;
    state.counters["vs_rg"] = search / ripgrepped;
  }
  benchmark::DoNotOptimize(hits);
}
BENCHMARK(BM_SearchBesideGrep)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
