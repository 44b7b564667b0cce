// Names per second through the module search's name matching, plain and
// wildcard, over a fixed list of declaration-like names.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "search/name_matcher.h"

namespace {

const std::vector<std::string>& Names() {
  static const std::vector<std::string> names = [] {
    const char* parts[] = {"取", "文本", "置", "窗口", "标题", "Get", "Set", "Http", "读", "写", "文件", "_",
                           "编码", "转换", "Json", "数据", "到", "Url", "位置", "长度", "2", "Ex", "字节集", "快速"};
    std::mt19937 random(7);
    std::vector<std::string> out;
    for (int i = 0; i < 4096; ++i) {
      std::string name;
      const int count = 2 + static_cast<int>(random() % 4);
      for (int j = 0; j < count; ++j) name += parts[random() % std::size(parts)];
      out.push_back(name);
    }
    return out;
  }();
  return names;
}

void RunMatcher(benchmark::State& state, const char* search_text) {
  const std::vector<std::string>& names = Names();
  ec::NameMatcher matcher(search_text);
  size_t hits = 0;
  for (auto _ : state) {
    for (const std::string& name : names) hits += matcher.MatchName(name);
  }
  benchmark::DoNotOptimize(hits);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * names.size()));
  state.counters["hit_rate"] = static_cast<double>(hits) / static_cast<double>(state.iterations() * names.size());
}

void RunFreeFunction(benchmark::State& state, const char* search_text) {
  const std::vector<std::string>& names = Names();
  size_t hits = 0;
  for (auto _ : state) {
    for (const std::string& name : names) hits += ec::MatchName(search_text, name);
  }
  benchmark::DoNotOptimize(hits);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * names.size()));
}

}  // namespace

BENCHMARK_CAPTURE(RunMatcher, plain_occurs, "文本");
BENCHMARK_CAPTURE(RunMatcher, plain_ascii_case, "http");
BENCHMARK_CAPTURE(RunMatcher, plain_initials, "qwb");
BENCHMARK_CAPTURE(RunMatcher, plain_realigned, "wb");
BENCHMARK_CAPTURE(RunMatcher, plain_no_hit, "xyz");
BENCHMARK_CAPTURE(RunMatcher, pattern_star, "取*本");
BENCHMARK_CAPTURE(RunMatcher, pattern_alternatives, "json|url");
BENCHMARK_CAPTURE(RunMatcher, pattern_no_hit, "xyz*q");
BENCHMARK_CAPTURE(RunFreeFunction, free_plain_initials, "qwb");
BENCHMARK_CAPTURE(RunFreeFunction, free_pattern_star, "取*本");
