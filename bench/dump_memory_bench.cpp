// Peak resident memory of `ecview-cli dump --json` against the size of the
// file, on modules that are nearly all one record page of one kind (globals,
// constants, a subroutine's parameters, a DLL command's parameters, a data
// type's members), normal and aliased (every record pointing at one body),
// at 4 and 32 MB. Each read runs in a child process, whose peak the kernel
// reports when it ends. The program fails when a read needs more than six
// times its file plus 16 MB: the bound the read's budget keeps.
//
//   build/dump_memory_bench [--benchmark_filter=aliased]
//   ECVIEW_CLI=other/ecview-cli build/dump_memory_bench   (another build's program)
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/file_bytes.h"
#include "tools/module_writer/one_page_module.h"

namespace {

using ec::writer::PageKind;

constexpr double kFactor = 6;
constexpr double kConstantBytes = 16.0 * 1024 * 1024;
bool g_overBound = false;

// Peak resident bytes of ecview-cli dump --json on `path`; -1 when it did not run and end.
double ChildPeakBytes(const std::string& path) {
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    const char* other = std::getenv("ECVIEW_CLI");
    const char* program = other && *other ? other : EC_CLI_PROGRAM;
    execl(program, program, "dump", "--json", path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) > 1) return -1;
  return static_cast<double>(usage.ru_maxrss) * 1024;  // kilobytes on Linux
}

// Writes the module from a child too: a child's peak counts what it shared
// with this process when it was forked, so this process must stay small.
bool WriteModule(const std::string& path, PageKind kind, bool aliased, size_t megabytes) {
  const pid_t pid = fork();
  if (pid == 0) _exit(ec::WriteFileBytes(path, ec::writer::OnePageModuleBytes(kind, aliased, megabytes << 20)) ? 0 : 1);
  int status = 0;
  return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_DumpPeakMemory(benchmark::State& state, PageKind kind, bool aliased, size_t megabytes) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("ecview-bench-page-" + std::string(ec::writer::PageKindName(kind)) +
                     (aliased ? "-aliased-" : "-normal-") + std::to_string(megabytes) + ".ec");
  if (!WriteModule(path.string(), kind, aliased, megabytes)) {
    state.SkipWithError("cannot write the module");
    return;
  }
  const auto size = static_cast<double>(std::filesystem::file_size(path));
  double peak = 0;
  for (auto _ : state) peak = ChildPeakBytes(path.string());
  std::filesystem::remove(path);
  if (peak < 0) {
    state.SkipWithError("ecview-cli did not run to its end");
    g_overBound = true;
    return;
  }
  const double bound = kFactor * size + kConstantBytes;
  state.counters["file_MB"] = size / 1e6;
  state.counters["peak_MB"] = peak / 1e6;
  state.counters["peak_per_file_byte"] = peak / size;
  state.counters["of_bound"] = peak / bound;
  if (peak > bound) {
    g_overBound = true;
    std::fprintf(stderr, "%s: peak %.1f MB, %.2f times the file, bound %.1f MB\n", path.filename().c_str(), peak / 1e6,
                 peak / size, bound / 1e6);
    state.SkipWithError("peak above six times the file plus 16 MB");
  }
}

[[maybe_unused]] const bool registered = [] {
  for (const PageKind kind :
       {PageKind::Globals, PageKind::Constants, PageKind::Subroutines, PageKind::DllCommands, PageKind::DataTypes})
    for (const bool aliased : {false, true})
      for (const size_t megabytes : {4, 32}) {
        const std::string name = "BM_DumpPeakMemory/" + std::string(ec::writer::PageKindName(kind)) +
                                 (aliased ? "/aliased/" : "/normal/") + std::to_string(megabytes) + "MB";
        benchmark::RegisterBenchmark(name.c_str(), BM_DumpPeakMemory, kind, aliased, megabytes)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
      }
  return true;
}();

// The benchmark library's main returns 0 whatever the runs found; the
// verdict is given as the program exits, so a script can rely on the status.
struct Verdict {
  ~Verdict() {
    if (!g_overBound) return;
    std::fprintf(stderr, "dump_memory_bench: a read went past six times its file plus 16 MB\n");
    std::_Exit(1);
  }
} verdict;

}  // namespace
