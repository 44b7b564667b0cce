#include "search/module_search.h"

#include <gtest/gtest.h>

namespace ec {
namespace {

Subroutine Sub(std::string name) { return Subroutine{.name = std::move(name)}; }

ModuleModel SearchModel() {
  ModuleModel m;
  m.subroutineGroups = {{{Sub("取文本"), Sub("写文件")}}, {{Sub("快速取文本")}}};
  m.classes = {ClassInfo{.name = "类_取文本", .methods = {Sub("初始化")}},
               ClassInfo{.name = "缓冲区", .methods = {Sub("取文本长度"), Sub("清空")}},
               ClassInfo{.name = "无关", .methods = {Sub("别的")}}};
  m.dataTypes = {DataType{.name = "文本块"}};
  m.dllCommands = {DllCommand{.name = "QuWenBen"}};
  m.constants = {Constant{.name = "常量_取文本"}};
  m.globals = {GlobalVar{.name = "全局"}};
  return m;
}

TEST(ModuleSearch, GroupsInWindowOrderWithCountsAndBareClasses) {
  NameMatcher matcher("取文本");
  const ModuleSearchResult r = SearchModule(NamesOf(SearchModel()), matcher, {});
  ASSERT_EQ(r.groups.size(), 4u);
  EXPECT_EQ(r.groups[0].Text(), "子程序(2)");
  EXPECT_EQ(r.groups[0].names, (std::vector<std::string>{"取文本", "快速取文本"}));
  // A class whose own name matches but none of its methods: the bare name, one hit.
  EXPECT_EQ(r.groups[1].Text(), "类_取文本");
  EXPECT_TRUE(r.groups[1].names.empty());
  EXPECT_EQ(r.groups[2].Text(), "缓冲区(1)");
  EXPECT_EQ(r.groups[2].childImage, kKindMethod);
  EXPECT_EQ(r.groups[3].Text(), "常量(1)");
  EXPECT_EQ(r.hitCount, 2 + 1 + 1 + 1);
}

TEST(ModuleSearch, KindsAndPinyinAndStopping) {
  NameMatcher initials("qwb");
  SearchKinds onlyDll{false, false, false, true, false, false};
  // Initials come from hanzi only: the ASCII name "QuWenBen" does not spell qwb.
  const ModuleSearchResult dll = SearchModule(NamesOf(SearchModel()), initials, onlyDll);
  EXPECT_EQ(dll.hitCount, 0);
  const ModuleSearchResult all = SearchModule(NamesOf(SearchModel()), initials, {});
  ASSERT_FALSE(all.groups.empty());
  EXPECT_EQ(all.groups[0].names, (std::vector<std::string>{"取文本", "快速取文本"}));

  int asked = 0;
  const ModuleSearchResult stopped =
      SearchModule(NamesOf(SearchModel()), initials, {}, [&] { return ++asked <= 2; });
  EXPECT_TRUE(stopped.groups.empty());  // stopped inside the first category
  EXPECT_EQ(asked, 3);
}

}  // namespace
}  // namespace ec
