#pragma once
// What a finished folder search counts, and the window title that reports it.

#include <cstddef>
#include <string>

#include "search/module_search.h"

namespace ec {

struct SearchTally {
  size_t modules = 0;  // modules whose names were searched
  size_t modulesWithHits = 0;
  size_t hits = 0;  // names found; a bare class counts 1

  void Add(const ModuleSearchResult& result);
};

// "搜索停止！…" with the three counts, or "没有找到匹配的名称…" when nothing matched.
std::string FinishedTitle(const SearchTally& tally);

}  // namespace ec
