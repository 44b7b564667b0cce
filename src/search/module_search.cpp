#include "search/module_search.h"

#include "support/gbk_codec.h"

namespace ec {
namespace {

constexpr size_t kShownCharacters = 60;

// One list of names with the texts beside them (none in the names scope).
struct NamedList {
  const std::vector<std::string>& names;
  const std::vector<DeclarationTexts>* texts;
};

// The first line of `text` that matches, cut to kShownCharacters; "" when none does.
std::string MatchingLine(std::string_view text, NameMatcher& matcher) {
  while (!text.empty()) {
    const size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (!line.empty() && matcher.MatchName(line)) {
      size_t cut = 0;
      for (size_t n = 0; cut < line.size() && n < kShownCharacters; ++n) NextUtf8(line, cut);
      return cut < line.size() ? std::string(line.substr(0, cut)) + "…" : std::string(line);
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return {};
}

// Appends the name (and what matched) when the name or, beyond the names
// scope, its texts match.
void MatchOne(const std::string& name, const DeclarationTexts* texts, NameMatcher& matcher, SearchScope scope,
              SearchHitGroup& group) {
  if (matcher.MatchName(name)) {
    group.names.push_back(name);
    if (scope != SearchScope::Names) group.details.emplace_back();
    return;
  }
  if (scope == SearchScope::Names || texts == nullptr) return;
  if (std::string detail = MatchedText(*texts, matcher, scope); !detail.empty()) {
    group.names.push_back(name);
    group.details.push_back(std::move(detail));
  }
}

// Adds the matching names of `list` to the group; false when stopped.
bool MatchList(const NamedList& list, NameMatcher& matcher, SearchScope scope, const std::function<bool()>& keepGoing,
               SearchHitGroup& group) {
  const bool withTexts = list.texts != nullptr && list.texts->size() == list.names.size();
  for (size_t i = 0; i < list.names.size(); ++i) {
    if (keepGoing && !keepGoing()) return false;
    MatchOne(list.names[i], withTexts ? &(*list.texts)[i] : nullptr, matcher, scope, group);
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

std::string MatchedText(const DeclarationTexts& texts, NameMatcher& matcher, SearchScope scope) {
  if (scope == SearchScope::Names) return {};
  if (std::string line = MatchingLine(texts.remarks, matcher); !line.empty()) return "备注：" + line;
  for (const auto& [name, remarks] : texts.params) {
    if (scope == SearchScope::Params && matcher.MatchName(name)) return "参数 " + name;
    if (std::string line = MatchingLine(remarks, matcher); !line.empty()) return "参数 " + name + "：" + line;
  }
  return {};
}

ModuleSearchResult SearchModule(const ModuleNames& model, NameMatcher& matcher, const SearchKinds& kinds,
                                const std::function<bool()>& keepGoing, SearchScope scope) {
  if (!model.withTexts) scope = SearchScope::Names;
  const auto texts = [&](const std::vector<DeclarationTexts>& list) { return model.withTexts ? &list : nullptr; };
  ModuleSearchResult result;
  if (kinds.subroutines && !model.subroutines.empty()) {
    SearchHitGroup group{"子程序", kKindSubroutineCategory, kKindSubroutine};
    if (!MatchList({model.subroutines, texts(model.subroutineTexts)}, matcher, scope, keepGoing, group)) return result;
    Keep(std::move(group), result);
  }
  if (kinds.classes) {
    for (const ClassNames& c : model.classes) {
      SearchHitGroup group{c.name, kKindClass, kKindMethod};
      if (!MatchList({c.methods, texts(c.methodTexts)}, matcher, scope, keepGoing, group)) return result;
      if (group.names.empty()) {
        group.bareClass = matcher.MatchName(c.name);
        if (!group.bareClass && scope != SearchScope::Names) {
          group.classDetail = MatchedText(c.texts, matcher, scope);
          group.bareClass = !group.classDetail.empty();
        }
      }
      Keep(std::move(group), result);
    }
  }
  const auto category = [&](bool wanted, const char* label, NodeKind image, const auto& list, const auto& listTexts) {
    if (!wanted || list.empty()) return true;
    SearchHitGroup group{label, image, image};
    if (!MatchList({list, texts(listTexts)}, matcher, scope, keepGoing, group)) return false;
    Keep(std::move(group), result);
    return true;
  };
  category(kinds.dataTypes, "自定义数据类型", kKindDataTypes, model.dataTypes, model.dataTypeTexts) &&
      category(kinds.dllCommands, "DLL命令", kKindDllCommands, model.dllCommands, model.dllCommandTexts) &&
      category(kinds.constants, "常量", kKindConstants, model.constants, model.constantTexts) &&
      category(kinds.globals, "全局变量", kKindGlobals, model.globals, model.globalTexts);
  return result;
}

}  // namespace ec
