// Rendering the large generated module (about 27 MB, 100,000 subroutines with
// three parameters each in 1,000 program sets), analysed once: the whole
// module as declaration text, as HTML-mode text, as tables, and the complete
// HTML export. Reported with the size of what was produced.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <ostream>
#include <streambuf>

#include "model/module_analysis.h"
#include "render/declaration_code.h"
#include "render/declaration_tables.h"
#include "render/html_export.h"
#include "render/module_text.h"
#include "support/file_bytes.h"
#include "tools/module_writer/large_module.h"
#include "tools/module_writer/module_writer.h"

namespace {

struct LargeModule {
  ec::ModuleModel model;
  double fileMegabytes = 0;
};

const LargeModule& Large() {
  static const LargeModule large = [] {
    const auto path = std::filesystem::temp_directory_path() / "ecview-bench-render-large.ec";
    ec::WriteFileBytes(path.string(), ec::writer::LargeModuleBytes());
    LargeModule m;
    m.fileMegabytes = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    ec::analyseModule(path.string(), m.model, {.readOnly = true});
    std::filesystem::remove(path);
    return m;
  }();
  return large;
}

// Counts what is written and keeps nothing, so the export is measured
// without a disk or a 700 MB string in the way.
class CountingBuffer : public std::streambuf {
 public:
  size_t count = 0;

 protected:
  std::streamsize xsputn(const char*, std::streamsize n) override {
    count += static_cast<size_t>(n);
    return n;
  }
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) ++count;
    return c;
  }
};

// Analysing happens once, outside every timed loop.
void Report(benchmark::State& state, size_t outputBytes) {
  state.SetBytesProcessed(static_cast<int64_t>(outputBytes) * state.iterations());
  state.counters["module_MB"] = Large().fileMegabytes;
  state.counters["output_MB"] = static_cast<double>(outputBytes) / 1e6;
}

// Every group, category and class, as the viewer's tree offers them.
template <typename RenderGroup, typename RenderCategories, typename RenderClass>
size_t RenderAll(const ec::ModuleModel& m, RenderGroup group, RenderCategories categories, RenderClass cls) {
  size_t bytes = 0;
  for (const ec::SubroutineGroup& g : m.subroutineGroups) bytes += group(g).size();
  bytes += categories(m);
  for (const ec::ClassInfo& c : m.classes) bytes += cls(c).size();
  return bytes;
}

size_t RenderCode(const ec::ModuleModel& m, ec::CodeMode mode) {
  return RenderAll(
      m, [mode](const auto& g) { return ec::RenderSubroutineCode(g.subroutines, nullptr, mode, ec::ClassInfo{}); },
      [mode](const auto& model) {
        return ec::RenderDllCommandCode(model.dllCommands, nullptr, mode).size() +
               ec::RenderConstantCode(model.constants, nullptr, mode).size() +
               ec::RenderGlobalVariableCode(model.globals, nullptr, mode).size() +
               ec::RenderDataTypeCode(model.dataTypes, nullptr, mode).size();
      },
      [mode](const auto& c) { return ec::RenderSubroutineCode(c.methods, nullptr, mode, c); });
}

size_t RenderTables(const ec::ModuleModel& m) {
  return RenderAll(
      m, [](const auto& g) { return ec::RenderSubroutineTables(g.subroutines, nullptr, ec::ClassInfo{}); },
      [](const auto& model) {
        return ec::RenderDllCommandTables(model.dllCommands, nullptr).size() +
               ec::RenderConstantTable(model.constants, nullptr).size() +
               ec::RenderGlobalVariableTable(model.globals, nullptr).size() +
               ec::RenderDataTypeTables(model.dataTypes, nullptr).size();
      },
      [](const auto& c) { return ec::RenderSubroutineTables(c.methods, nullptr, c); });
}

void BM_ModuleText(benchmark::State& state) {
  const ec::ModuleModel& model = Large().model;
  size_t bytes = 0;
  for (auto _ : state) bytes = ec::ModuleDeclarationText(model).size();
  Report(state, bytes);
}

void BM_HtmlCode(benchmark::State& state) {
  const ec::ModuleModel& model = Large().model;
  size_t bytes = 0;
  for (auto _ : state) bytes = RenderCode(model, ec::CodeMode::Html);
  Report(state, bytes);
}

void BM_Tables(benchmark::State& state) {
  const ec::ModuleModel& model = Large().model;
  size_t bytes = 0;
  for (auto _ : state) bytes = RenderTables(model);
  Report(state, bytes);
}

void BM_HtmlExport(benchmark::State& state) {
  const ec::ModuleModel& model = Large().model;
  size_t bytes = 0;
  for (auto _ : state) {
    CountingBuffer sink;
    std::ostream out(&sink);
    ec::WriteHtmlExport(model, out, "large");
    bytes = sink.count;
  }
  Report(state, bytes);
}

BENCHMARK(BM_ModuleText)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HtmlCode)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Tables)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HtmlExport)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
