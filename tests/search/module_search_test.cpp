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

// Remarks and parameters: each scope finds what it should, what matched is
// shown, and the names scope gives exactly what a names-only read gives.
TEST(ModuleSearch, ScopesLookAtRemarksAndParameters) {
  ModuleModel m = SearchModel();
  Subroutine& sub = m.subroutineGroups[0].subroutines[1];  // 写文件
  sub.remarks = "第一行\r\n把内容写进磁盘文件" + std::string(70, 'x');
  sub.params = {{.name = "文件号", .remarks = "由打开得到"}, {.name = "磁盘", .remarks = ""}};
  m.classes[2].remarks = "磁盘缓存";  // 无关: a bare class by its remark
  m.dataTypes[0].members = {{.name = "长度", .remarks = "磁盘上的字节数"}};
  m.dllCommands[0].params = {{.name = "磁盘号"}};
  m.globals[0].remarks = "打开的磁盘";
  const ModuleNames names = NamesOf(m, true);

  NameMatcher disk("磁盘");
  const ModuleSearchResult byName = SearchModule(names, disk, {});
  EXPECT_EQ(byName.hitCount, 0);
  EXPECT_EQ(SearchModule(NamesOf(m), disk, {}, {}, SearchScope::Remarks).hitCount, 0);  // no texts read: names only

  const ModuleSearchResult remarks = SearchModule(names, disk, {}, {}, SearchScope::Remarks);
  ASSERT_EQ(remarks.groups.size(), 4u);
  EXPECT_EQ(remarks.groups[0].names, (std::vector<std::string>{"写文件"}));
  const std::string shown = remarks.groups[0].details[0];
  EXPECT_TRUE(shown.starts_with("备注：把内容写进磁盘文件xxx")) << shown;  // the matching line, cut
  EXPECT_TRUE(shown.ends_with("x…")) << shown;
  EXPECT_EQ(remarks.groups[1].Text(), "无关");
  EXPECT_EQ(remarks.groups[1].classDetail, "备注：磁盘缓存");
  EXPECT_EQ(remarks.groups[2].details, (std::vector<std::string>{"参数 长度：磁盘上的字节数"}));
  EXPECT_EQ(remarks.groups[3].Text(), "全局变量(1)");
  EXPECT_EQ(remarks.hitCount, 4);

  // Parameter names count only in the widest scope; a name hit shows nothing more.
  NameMatcher number("号");
  EXPECT_EQ(SearchModule(names, number, {}, {}, SearchScope::Remarks).hitCount, 0);
  const ModuleSearchResult params = SearchModule(names, number, {}, {}, SearchScope::Params);
  ASSERT_EQ(params.groups.size(), 2u);
  EXPECT_EQ(params.groups[0].details, (std::vector<std::string>{"参数 文件号"}));
  EXPECT_EQ(params.groups[1].details, (std::vector<std::string>{"参数 磁盘号"}));
  NameMatcher text("取文本");
  const ModuleSearchResult wide = SearchModule(names, text, {}, {}, SearchScope::Params);
  const ModuleSearchResult narrow = SearchModule(NamesOf(m), text, {});
  ASSERT_EQ(wide.groups.size(), narrow.groups.size());
  for (size_t i = 0; i < wide.groups.size(); ++i) {
    EXPECT_EQ(wide.groups[i].names, narrow.groups[i].names);
    EXPECT_EQ(wide.groups[i].details, std::vector<std::string>(wide.groups[i].names.size()));
  }
}

}  // namespace
}  // namespace ec
