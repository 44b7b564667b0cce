#include "model/module_model.h"

#include <gtest/gtest.h>

namespace ec {
namespace {

ModuleModel Filled() {
  ModuleModel m;
  m.info = {"名", "注", "者", {"4", "5", "6", "7", "8", "9", "10"}, 1, 2};
  m.support = {"5.6", {"krnln"}};
  m.subroutineGroups = {SubroutineGroup{{Subroutine{"子", "", "", {Parameter{.name = "参"}}}}}};
  m.classes = {ClassInfo{"类", "", "窗口", {Subroutine{.name = "方法"}}}};
  m.dataTypes = {DataType{.name = "型"}};
  m.dllCommands = {DllCommand{.name = "命令"}};
  m.constants = {Constant{"常", "", ConstantValue::OfText("值")}};
  m.globals = {GlobalVar{"全", "", "整数型", {2, 3}}};
  return m;
}

TEST(ModuleModel, ResetEmptiesOnlyTheGivenParts) {
  ModuleModel m = Filled();
  ModelParts parts = ModelParts::None();
  parts.info = parts.classes = parts.globals = true;
  m.Reset(parts);
  const ModuleModel full = Filled();
  EXPECT_EQ(m.info, ModuleInfo{});
  EXPECT_TRUE(m.classes.empty() && m.globals.empty());
  EXPECT_EQ(m.support, full.support);
  EXPECT_EQ(m.subroutineGroups, full.subroutineGroups);
  EXPECT_EQ(m.constants, full.constants);
  m.Reset(ModelParts::All());
  EXPECT_TRUE(m.Empty());
  EXPECT_FALSE(full.Empty());
}

TEST(ModuleModel, ItemAtIsOneBasedAndChecked) {
  const ModuleModel m = Filled();
  ASSERT_NE(ItemAt(m.globals, 1), nullptr);
  EXPECT_EQ(ItemAt(m.globals, 1)->name, "全");
  for (int64_t bad : {int64_t{0}, int64_t{-1}, int64_t{2}, int64_t{1} << 40}) EXPECT_EQ(ItemAt(m.globals, bad), nullptr);
  // A copied record is independent of the model it came from.
  GlobalVar copy = *ItemAt(m.globals, 1);
  copy.dimensions.push_back(9);
  EXPECT_EQ(m.globals[0].dimensions.size(), 2u);
}

TEST(ModuleModel, LibraryEntryFields) {
  const LibraryFields full = SplitLibraryEntry("krnln\rd09f\r5\r7\r系统核心支持库");
  EXPECT_EQ(full.field1, "krnln");
  EXPECT_EQ(full.field2, "d09f");
  EXPECT_EQ(full.field4, "7");
  EXPECT_EQ(full.name, "系统核心支持库");

  const LibraryFields bare = SplitLibraryEntry("eapi");
  EXPECT_EQ(bare.field1, "eapi");
  EXPECT_TRUE(bare.field2.empty() && bare.name.empty());

  const LibraryFields extra = SplitLibraryEntry("a\r\r\r\re\rf\rg");
  EXPECT_EQ(extra.field1, "a");
  EXPECT_EQ(extra.field3, "");
  EXPECT_EQ(extra.name, "e");

  EXPECT_EQ(SplitLibraryEntry("a\rb\rc\r").name, "");
}

}  // namespace
}  // namespace ec
