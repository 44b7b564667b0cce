#include "search/module_search.h"

namespace ec {
namespace {

// Adds the matching names of `list` to a new group; false when stopped.
bool MatchList(const std::vector<std::string>& names, NameMatcher& matcher, const std::function<bool()>& keepGoing,
               SearchHitGroup& group) {
  for (const std::string& name : names) {
    if (keepGoing && !keepGoing()) return false;
    if (matcher.MatchName(name)) group.names.push_back(name);
  }
  return true;
}

void Keep(SearchHitGroup&& group, ModuleSearchResult& result) {
  if (group.names.empty() && !group.bareClass) return;
  result.hitCount += group.bareClass ? 1 : static_cast<int>(group.names.size());
  result.groups.push_back(std::move(group));
}

}  // namespace

std::string SearchHitGroup::Text() const {
  return bareClass ? label : label + "(" + std::to_string(names.size()) + ")";
}

ModuleSearchResult SearchModule(const ModuleNames& model, NameMatcher& matcher, const SearchKinds& kinds,
                                const std::function<bool()>& keepGoing) {
  ModuleSearchResult result;
  if (kinds.subroutines && !model.subroutines.empty()) {
    SearchHitGroup group{"子程序", kKindSubroutineCategory, kKindSubroutine};
    if (!MatchList(model.subroutines, matcher, keepGoing, group)) return result;
    Keep(std::move(group), result);
  }
  if (kinds.classes) {
    for (const ClassNames& c : model.classes) {
      SearchHitGroup group{c.name, kKindClass, kKindMethod};
      if (!MatchList(c.methods, matcher, keepGoing, group)) return result;
      group.bareClass = group.names.empty() && matcher.MatchName(c.name);
      Keep(std::move(group), result);
    }
  }
  const auto category = [&](bool wanted, const char* label, NodeKind image, const auto& list) {
    if (!wanted || list.empty()) return true;
    SearchHitGroup group{label, image, image};
    if (!MatchList(list, matcher, keepGoing, group)) return false;
    Keep(std::move(group), result);
    return true;
  };
  category(kinds.dataTypes, "自定义数据类型", kKindDataTypes, model.dataTypes) &&
      category(kinds.dllCommands, "DLL命令", kKindDllCommands, model.dllCommands) &&
      category(kinds.constants, "常量", kKindConstants, model.constants) && category(kinds.globals, "全局变量", kKindGlobals, model.globals);
  return result;
}

}  // namespace ec
