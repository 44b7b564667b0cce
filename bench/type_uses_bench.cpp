// The where-used index against the analysis it follows: analyseModule on the
// large generated module (100,000 subroutines in 1,000 program sets) given
// 200 data types and 50 classes, then BuildTypeUseIndex on the model that
// analysis made. The index is meant to cost under a tenth of the analysis.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "model/module_analysis.h"
#include "navigate/type_uses.h"
#include "support/file_bytes.h"
#include "tools/module_writer/large_module.h"

namespace {

const std::string& ModulePath() {
  static const std::string path = [] {
    const auto file = std::filesystem::temp_directory_path() / "ecview-bench-type-uses-100k.ec";
    ec::WriteFileBytes(file.string(), ec::writer::LargeModuleBytes({.dataTypes = 200, .classes = 50}));
    return file.string();
  }();
  return path;
}

const ec::ModuleModel& Model() {
  static const ec::ModuleModel model = [] {
    ec::ModuleModel m;
    ec::analyseModule(ModulePath(), m, {.readOnly = true});
    return m;
  }();
  return model;
}

void BM_AnalyseModule(benchmark::State& state) {
  const std::string& path = ModulePath();
  for (auto _ : state) {
    ec::ModuleModel model;
    benchmark::DoNotOptimize(ec::analyseModule(path, model, {.readOnly = true}));
    benchmark::DoNotOptimize(model);
  }
}

void BM_BuildTypeUseIndex(benchmark::State& state) {
  const ec::ModuleModel& model = Model();
  size_t uses = 0;
  size_t places = 0;
  for (auto _ : state) {
    const ec::TypeUseIndex index = ec::BuildTypeUseIndex(model);
    benchmark::DoNotOptimize(index);
    state.PauseTiming();
    uses = places = 0;
    const auto count = [&](ec::DeclarationKind kind, size_t n) {
      for (size_t i = 0; i < n; ++i)
        for (const ec::TypeUse& use : index.UsesOf({kind, {0, i}})) {
          ++uses;
          places += use.places.size();
        }
    };
    count(ec::DeclarationKind::DataType, model.dataTypes.size());
    count(ec::DeclarationKind::Class, model.classes.size());
    state.ResumeTiming();
  }
  state.counters["uses"] = static_cast<double>(uses);
  state.counters["places"] = static_cast<double>(places);
  state.counters["dataTypes"] = static_cast<double>(model.dataTypes.size());
  state.counters["classes"] = static_cast<double>(model.classes.size());
}

BENCHMARK(BM_AnalyseModule)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BuildTypeUseIndex)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
