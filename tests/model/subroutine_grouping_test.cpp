// Placing subroutines into groups and classes, from raw records.
#include <gtest/gtest.h>

#include "model/module_analysis.h"
#include "model_records.h"

namespace ec {
namespace {

using namespace test;

constexpr int32_t kPrivate = 0;

std::vector<std::string> Names(const std::vector<Subroutine>& subs) {
  std::vector<std::string> names;
  for (const Subroutine& s : subs) names.push_back(s.name);
  return names;
}

std::vector<std::vector<std::string>> GroupNames(const ModuleModel& model) {
  std::vector<std::vector<std::string>> groups;
  for (const SubroutineGroup& g : model.subroutineGroups) groups.push_back(Names(g.subroutines));
  return groups;
}

ModuleModel Build(ProgramSegment program) {
  ModuleSegments segments;
  segments.program = std::move(program);
  ModuleModel model;
  BuildModel(segments, ModelParts::All(), model);
  return model;
}

using Groups = std::vector<std::vector<std::string>>;
using List = std::vector<std::string>;

TEST(SubroutineGrouping, StoredOrderFirstListingSetAndUnlistedLast) {
  ProgramSegment p;
  // Stored order c, a, b, x, d; the sets list their keys in another order.
  p.subroutines = {Sub(3, "c"), Sub(1, "a"), Sub(2, "b"), Sub(9, "x"), Sub(4, "d")};
  p.classes = {ProgramSet(100, "集一", {2, 1, 3}),
               ProgramSet(101, "类", {5}, 0x10001),
               ProgramSet(102, "集二", {4, 1})};  // 1 is listed twice: the first set keeps it
  const ModuleModel model = Build(p);
  EXPECT_EQ(GroupNames(model), (Groups{{"c", "a", "b"}, {"d"}, {"x"}}));
  EXPECT_TRUE(model.classes.empty());  // its only member key names no subroutine
}

TEST(SubroutineGrouping, ClassesTakeOnlyPublicMethodsOfNamedClasses) {
  ProgramSegment p;
  p.subroutines = {Sub(1, "公开一"), Sub(2, "私有", kPrivate), Sub(3, "无名类方法"),
                   Sub(4, "全私有", kPrivate), Sub(5, "普通"), Sub(6, "公开二", SubroutineRecord::kPublic | 1),
                   Sub(7, "未列出")};
  p.classes = {ProgramSet(100, "类一", {1, 2, 6}, 0x10001), ProgramSet(101, "", {3}, 0x10030),
               ProgramSet(102, "类二", {4}, 0x10030),
               ProgramSet(103, "集", {5, 1, 2, 3})};  // listed by a class first: the class decides
  p.classes[0].remarks = G("类备注");
  const ModuleModel model = Build(p);
  ASSERT_EQ(model.classes.size(), 1u);
  EXPECT_EQ(model.classes[0].name, "类一");
  EXPECT_EQ(model.classes[0].remarks, "类备注");
  EXPECT_EQ(model.classes[0].baseType, "窗口");
  EXPECT_EQ(Names(model.classes[0].methods), (List{"公开一", "公开二"}));
  // Dropped methods land nowhere else; the unlisted one still goes last although classes exist.
  EXPECT_EQ(GroupNames(model), (Groups{{"普通"}, {"未列出"}}));
}

TEST(SubroutineGrouping, NamelessSubroutinesAndEmptyGroupsDisappear) {
  ProgramSegment p;
  p.subroutines = {Sub(1, ""), Sub(2, ""), Sub(3, "b"), Sub(4, ""), Sub(5, "e")};
  p.classes = {ProgramSet(100, "空一", {1}), ProgramSet(101, "空二", {2}), ProgramSet(102, "b集", {3}),
               ProgramSet(103, "空三", {}), ProgramSet(104, "空类", {4}, 0x10001)};
  const ModuleModel model = Build(p);
  EXPECT_EQ(GroupNames(model), (Groups{{"b"}, {"e"}}));
  EXPECT_TRUE(model.classes.empty());
}

TEST(SubroutineGrouping, NoProgramSetsMeansOneGroupAndNoSubroutinesNone) {
  ProgramSegment p;
  p.subroutines = {Sub(1, "a"), Sub(2, "b", kPrivate)};
  EXPECT_EQ(GroupNames(Build(p)), (Groups{{"a", "b"}}));
  EXPECT_TRUE(Build(ProgramSegment{}).subroutineGroups.empty());
}

TEST(SubroutineGrouping, ConvertsSignatures) {
  ProgramSegment p;
  p.dataTypes = {DataTypeRecord{{0x50001, 0}, 0, G("点"), {}, {}}};
  p.subroutines = {Sub(1, "画", kPrivate,
                       {Var("甲", 0x50001, 2), Var("乙", 0x80000004, 4), Var("丙", 0, 8),
                        Var("", 0x80000002, static_cast<int16_t>(0xFFF1)), Var("丁", 0x80000005, 14)})};
  p.subroutines[0].returnTypeCode = static_cast<int32_t>(0x80000002);
  p.subroutines[0].remarks = G("备注");
  const ModuleModel model = Build(p);
  ASSERT_EQ(model.subroutineGroups.size(), 1u);
  const Subroutine& s = model.subroutineGroups[0].subroutines[0];
  EXPECT_EQ(s.remarks, "备注");
  EXPECT_EQ(s.returnType, "逻辑型");
  const std::vector<Parameter> expected = {{"甲", "", "点", true, false, false},
                                           {"乙", "", "文本型", false, true, false},
                                           {"丙", "", "", false, false, true},
                                           {"", "", "逻辑型", false, false, false},
                                           {"丁", "", "字节集", true, true, true}};
  EXPECT_EQ(s.params, expected);
}

TEST(SubroutineGrouping, OnlyTheRequestedOfGroupsAndClassesIsFilled) {
  ProgramSegment p;
  p.subroutines = {Sub(1, "a"), Sub(2, "m")};
  p.classes = {ProgramSet(100, "集", {1}), ProgramSet(101, "类", {2}, 0x10001)};
  ModuleSegments segments;
  segments.program = p;
  ModuleModel model;
  model.subroutineGroups = {SubroutineGroup{{Subroutine{"旧", "", "", {}}}}};
  ModelParts parts = ModelParts::None();
  parts.classes = true;
  BuildModel(segments, parts, model);
  ASSERT_EQ(model.classes.size(), 1u);
  EXPECT_EQ(GroupNames(model), (Groups{{"旧"}}));  // not requested: kept as it was
}

}  // namespace
}  // namespace ec
