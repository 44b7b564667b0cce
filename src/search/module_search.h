#pragma once
// The module search without a window: the names of one module's declarations
// matched against a search text, grouped the way the search window lists them
// (subroutines, each class, data types, DLL commands, constants, globals).
// A wider scope also looks at what the declarations say about themselves.

#include <functional>
#include <string>
#include <vector>

#include "render/node_kind.h"
#include "search/module_names.h"
#include "search/name_matcher.h"

namespace ec {

// Which kinds of declarations a search looks at.
struct SearchKinds {
  bool subroutines = true;
  bool classes = true;
  bool dataTypes = true;
  bool dllCommands = true;
  bool constants = true;
  bool globals = true;
};

// What of a declaration is compared: its name; its name and remarks (its
// own and those of its parameters or members); or all that and the names of
// its parameters or members.
enum class SearchScope { Names, Remarks, Params };

// One node under a module in the results: a category or a class.
struct SearchHitGroup {
  std::string label;               // "子程序", "自定义数据类型", …, or the class name
  NodeKind image = kKindModule;       // kind of the group: a category or a class
  NodeKind childImage = kKindModule;  // kind of its hits
  std::vector<std::string> names;  // matching names, in model order
  bool bareClass = false;          // a class whose own name matched, with no matching method
  // Beyond the names scope, parallel to names: what matched when it was not
  // the name ("" when it was), as MatchedText writes it. Empty in the names scope.
  std::vector<std::string> details;
  std::string classDetail;  // the same for a bare class

  // "子程序(2)", or the bare class name.
  std::string Text() const;
};

struct ModuleSearchResult {
  std::vector<SearchHitGroup> groups;  // only groups with hits
  int hitCount = 0;                    // names found; a bare class counts 1
  // Why the module could not be read, or was read only in part or altered
  // (Chinese, as the viewer says it); empty for a module read clean.
  std::vector<std::string> problems;
};

// Matches every name of the chosen kinds. `keepGoing` is asked before each
// name; when it answers false the search stops and returns what it found.
// A scope beyond names needs names read with their texts.
ModuleSearchResult SearchModule(const ModuleNames& names, NameMatcher& matcher, const SearchKinds& kinds,
                                const std::function<bool()>& keepGoing = {}, SearchScope scope = SearchScope::Names);

// Whether the texts of a declaration match in `scope`, and what matched:
// "备注：" and the matching line of the remarks, "参数 名称" for a parameter
// (or member) name, "参数 名称：" and the line of its remarks. Lines are cut
// to 60 characters. "" when nothing matched.
std::string MatchedText(const DeclarationTexts& texts, NameMatcher& matcher, SearchScope scope);

}  // namespace ec
