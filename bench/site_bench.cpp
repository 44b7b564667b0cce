// Publishing a folder of 920 modules as a site (`ecview-cli site`), into a
// fresh OUT and again with nothing changed. Two folders, made once in the
// temp folder and in the page cache after the first run: copies of the
// corpus modules (real declaration density; skipped without the corpus), and
// generated modules of 100 subroutines, 20 constants, 10 DLL commands and 5
// data types each.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "site/site_publisher.h"
#include "support/file_bytes.h"
#include "support/utf8_path.h"
#include "tools/module_writer/large_module.h"

namespace {

namespace fs = std::filesystem;

constexpr int kModules = 920;

std::string Fill(const fs::path& folder, const std::vector<std::string>& contents) {
  fs::create_directories(folder);
  for (int i = 0; i < kModules; ++i) {
    const std::string& bytes = contents[static_cast<size_t>(i) % contents.size()];
    const fs::path file = folder / ec::PathFromUtf8("模块" + std::to_string(i) + ".ec");
    std::error_code error;
    if (fs::file_size(file, error) != bytes.size()) ec::WriteFileBytes(file, bytes);
  }
  return ec::Utf8FromPath(folder);
}

const std::string& GeneratedFolder() {
  static const std::string folder = Fill(
      fs::temp_directory_path() / "ecview-bench-site-generated",
      {ec::writer::LargeModuleBytes({.programSets = 2, .subroutinesPerSet = 50, .parametersPerSubroutine = 3,
                                     .constants = 20, .dllCommands = 10, .dataTypes = 5, .classes = 1})});
  return folder;
}

// "" without the corpus.
const std::string& CorpusFolder() {
  static const std::string folder = []() -> std::string {
    std::vector<std::string> contents;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(EC_CORPUS_DIR, error))
      if (entry.path().extension() == ".ec" || entry.path().extension() == ".e")
        contents.push_back(ec::ReadFileBytes(entry.path()).value_or(""));
    if (contents.empty()) return {};
    return Fill(fs::temp_directory_path() / "ecview-bench-site-corpus", contents);
  }();
  return folder;
}

std::uintmax_t FolderBytes(const std::string& folder) {
  std::uintmax_t bytes = 0;
  for (const auto& entry : fs::directory_iterator(ec::PathFromUtf8(folder))) bytes += entry.file_size();
  return bytes;
}

ec::site::SiteReport Publish(const std::string& folder, const fs::path& out) {
  return ec::site::PublishSite({.folder = folder, .out = ec::Utf8FromPath(out)});
}

void PublishFresh(benchmark::State& state, const std::string& folder) {
  if (folder.empty()) return state.SkipWithError("corpus folder absent");
  const fs::path out = fs::temp_directory_path() / "ecview-bench-site-out";
  ec::site::SiteReport report;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(out);
    state.ResumeTiming();
    report = Publish(folder, out);
  }
  if (!report.ok) state.SkipWithError(report.error.c_str());
  state.counters["modules"] = static_cast<double>(report.rendered);
  state.counters["MB_in"] = static_cast<double>(FolderBytes(folder)) / 1e6;
}

void PublishUnchanged(benchmark::State& state, const std::string& folder) {
  if (folder.empty()) return state.SkipWithError("corpus folder absent");
  const fs::path out = fs::temp_directory_path() / "ecview-bench-site-out";
  fs::remove_all(out);
  Publish(folder, out);
  ec::site::SiteReport report;
  for (auto _ : state) report = Publish(folder, out);
  if (!report.ok || report.rendered != 0) state.SkipWithError("the re-run rendered modules");
  state.counters["unchanged"] = static_cast<double>(report.unchanged);
}

void BM_PublishCorpusCopies(benchmark::State& state) { PublishFresh(state, CorpusFolder()); }
void BM_RepublishCorpusCopiesUnchanged(benchmark::State& state) { PublishUnchanged(state, CorpusFolder()); }
void BM_PublishGenerated(benchmark::State& state) { PublishFresh(state, GeneratedFolder()); }
void BM_RepublishGeneratedUnchanged(benchmark::State& state) { PublishUnchanged(state, GeneratedFolder()); }

BENCHMARK(BM_PublishCorpusCopies)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK(BM_RepublishCorpusCopiesUnchanged)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PublishGenerated)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK(BM_RepublishGeneratedUnchanged)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
