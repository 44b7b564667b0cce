// The reverse index of type uses and the where-used page, over a model built
// in code: one data type used in every kind of place, a data type named like a
// basic type, and a data type hiding a class of the same name.
#include <gtest/gtest.h>

#include <regex>

#include "navigate/type_uses.h"
#include "navigate/where_used_page.h"

namespace ec {
namespace {

using Kind = DeclarationKind;
using Role = TypeUseRole;

ModuleModel Model() {
  ModuleModel m;
  m.subroutineGroups = {
      {{{.name = "画", .returnType = "点", .params = {{.name = "<起>", .type = "点"}, {.name = "宽", .type = "整数型"},
                                                      {.name = "止", .type = "点"}}}}},
      {{{.name = "另一组", .params = {{.name = "甲", .type = "基础"}, {.name = "乙", .type = "点"}}}}}};
  m.classes = {{.name = "窗口", .baseType = "对象", .methods = {{.name = "移动", .params = {{.name = "到", .type = "点"}}}}},
               {.name = "派生", .baseType = "点", .methods = {{.name = "无"}}},
               {.name = "基础", .methods = {{.name = "无"}}}};
  m.dataTypes = {{.name = "点", .members = {{.name = "横", .type = "整数型"}, {.name = "下一个", .type = "点"}}},
                 {.name = "整数型", .members = {{.name = "数", .type = "整数型"}}},
                 {.name = "窗口"}};
  m.dllCommands = {{.name = "取光标", .returnType = "点", .libraryFile = "user32.dll"}};
  m.globals = {{.name = "原点", .type = "点"}, {.name = "主窗", .type = "窗口"}};
  return m;
}

std::vector<TypeUsePlace> Places(const TypeUse& use) { return {use.places.begin(), use.places.end()}; }

constexpr DeclarationLink kPoint{Kind::DataType, {0, 0}};

TEST(TypeUseIndex, EveryKindOfPlaceOnceInModelOrderNamesResolvedLikeTypeCodes) {
  const ModuleModel m = Model();
  const TypeUseIndex index = BuildTypeUseIndex(m);
  const std::span<const TypeUse> uses = index.UsesOf(kPoint);
  ASSERT_EQ(uses.size(), 7u);
  const std::vector<DeclarationLink> users{{Kind::Subroutine, {0, 0}}, {Kind::Subroutine, {1, 0}},
                                           {Kind::Method, {0, 0}},     {Kind::Class, {0, 1}},
                                           {Kind::DataType, {0, 0}},   {Kind::DllCommand, {0, 0}},
                                           {Kind::Global, {0, 0}}};
  for (size_t i = 0; i < users.size(); ++i) EXPECT_EQ(uses[i].user, users[i]) << i;
  EXPECT_EQ(Places(uses[0]), (std::vector<TypeUsePlace>{{Role::ReturnValue, ""}, {Role::Parameter, "<起>"},
                                                       {Role::Parameter, "止"}}));
  EXPECT_EQ(Places(uses[1]), (std::vector<TypeUsePlace>{{Role::Parameter, "乙"}}));
  EXPECT_EQ(uses[2].container, "窗口");
  EXPECT_EQ(uses[2].name, "移动");
  EXPECT_EQ(Places(uses[3]), (std::vector<TypeUsePlace>{{Role::BaseClass, ""}}));
  EXPECT_EQ(Places(uses[4]), (std::vector<TypeUsePlace>{{Role::Member, "下一个"}}));
  EXPECT_EQ(Places(uses[6]), (std::vector<TypeUsePlace>{{Role::Type, ""}}));

  // A member of type 整数型 is of the basic type, never of the data type so named.
  EXPECT_TRUE(index.UsesOf({Kind::DataType, {0, 1}}).empty());
  // The data type 窗口 hides the class 窗口, as type codes resolve.
  ASSERT_EQ(index.UsesOf({Kind::DataType, {0, 2}}).size(), 1u);
  EXPECT_EQ(index.UsesOf({Kind::DataType, {0, 2}})[0].name, "主窗");
  EXPECT_TRUE(index.UsesOf({Kind::Class, {0, 0}}).empty());
  ASSERT_EQ(index.UsesOf({Kind::Class, {0, 2}}).size(), 1u);
  EXPECT_EQ(Places(index.UsesOf({Kind::Class, {0, 2}})[0]), (std::vector<TypeUsePlace>{{Role::Parameter, "甲"}}));
  // Links that name no type of the model.
  EXPECT_TRUE(index.UsesOf({Kind::DataType, {0, 3}}).empty());
  EXPECT_TRUE(index.UsesOf({Kind::DataType, {1, 0}}).empty());
  EXPECT_TRUE(index.UsesOf({Kind::Subroutine, {0, 0}}).empty());
}

TEST(WhereUsedPage, LinksParseBackGroupedEscapedAndCapped) {
  const ModuleModel m = Model();
  const TypeUseIndex index(m);
  const std::string page = WhereUsedPage(m, index, kPoint);
  EXPECT_NE(page.find("<title>使用处：点</title>"), std::string::npos);
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_NE(page.find(">画</a>：返回值、参数 &lt;起&gt;、参数 止</li>"), std::string::npos) << page;
  EXPECT_NE(page.find(">窗口.移动</a>：参数 到</li>"), std::string::npos) << page;
  EXPECT_NE(page.find(">原点</a></li>"), std::string::npos) << page;

  // The target first, then every use in the order of the headings.
  std::vector<DeclarationLink> links;
  const std::regex href("href=\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(page.begin(), page.end(), href); it != std::sregex_iterator(); ++it) {
    const std::optional<DeclarationLink> link = ParseDeclarationHref((*it)[1].str());
    ASSERT_TRUE(link) << (*it)[1];
    links.push_back(*link);
  }
  const std::vector<DeclarationLink> expected{kPoint,
                                              {Kind::Subroutine, {0, 0}}, {Kind::Subroutine, {1, 0}},
                                              {Kind::Method, {0, 0}},     {Kind::DataType, {0, 0}},
                                              {Kind::Global, {0, 0}},     {Kind::DllCommand, {0, 0}},
                                              {Kind::Class, {0, 1}}};
  EXPECT_EQ(links, expected);
  size_t at = 0;
  for (const char* heading : {"子程序", "方法", "数据类型成员", "全局变量", "DLL命令", "类 (基类)"}) {
    const size_t found = page.find(std::string("<h3>") + heading, at);
    ASSERT_NE(found, std::string::npos) << heading;
    at = found;
  }

  const std::string capped = WhereUsedPage(m, index, kPoint, {.maxLinks = 3, .maxPlaces = 1});
  size_t items = 0;
  for (size_t i = capped.find("<li>"); i != std::string::npos; i = capped.find("<li>", i + 1)) ++items;
  EXPECT_EQ(items, 3u);
  EXPECT_NE(capped.find(">画</a>：返回值，共 3 处</li>"), std::string::npos) << capped;
  EXPECT_NE(capped.find("另有 4 个声明未列出"), std::string::npos);
  EXPECT_EQ(capped.find("<h3>数据类型成员"), std::string::npos);

  EXPECT_NE(WhereUsedPage(m, index, {Kind::Class, {0, 0}}).find("没有使用它的声明。"), std::string::npos);
  EXPECT_NE(WhereUsedPage(m, index, {Kind::DataType, {0, 9}}).find("没有这个数据类型或类"), std::string::npos);
}

}  // namespace
}  // namespace ec
