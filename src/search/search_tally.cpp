#include "search/search_tally.h"

namespace ec {

void SearchTally::Add(const ModuleSearchResult& result) {
  ++modules;
  if (result.hitCount <= 0) return;
  ++modulesWithHits;
  hits += static_cast<size_t>(result.hitCount);
}

std::string FinishedTitle(const SearchTally& tally) {
  const std::string searched = std::to_string(tally.modules) + " 个模块";
  if (tally.hits == 0) return "没有找到匹配的名称（搜索了 " + searched + "）";
  return "搜索停止！搜索了 " + searched + "，" + std::to_string(tally.modulesWithHits) + " 个模块中找到 " +
         std::to_string(tally.hits) + " 个名称。右击列表中的名称可复制，双击可在主界面打开该模块";
}

}  // namespace ec
