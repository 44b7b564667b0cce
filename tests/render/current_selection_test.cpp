// The current selection over a model, without a window.
#include <gtest/gtest.h>

#include "render/current_selection.h"
#include "render/module_text.h"
#include "render/colour_span.h"
#include "render/declaration_code.h"

namespace ec {
namespace {

Subroutine Sub(const std::string& name) { return Subroutine{.name = name}; }

ModuleModel ThreeGroups() {
  ModuleModel model;
  model.subroutineGroups = {{{Sub("a1"), Sub("a2"), Sub("a3")}}, {{Sub("b1")}}, {{Sub("c1"), Sub("c2")}}};
  model.classes = {ClassInfo{.name = "类", .methods = {Sub("m1"), Sub("m2")}}};
  model.constants = {Constant{.name = "k1"}, Constant{.name = "k2"}};
  return model;
}

TEST(CurrentSelection, RunningNumbersFindSubroutinesAcrossGroups) {
  const ModuleModel model = ThreeGroups();
  EXPECT_EQ(SubroutineByOrdinal(model, 4)->name, "b1");
  EXPECT_EQ(SubroutineByOrdinal(model, 6)->name, "c2");
  EXPECT_EQ(SubroutineByOrdinal(model, 7), nullptr);
  EXPECT_EQ(SubroutineByOrdinal(model, 0), nullptr);

  CurrentSelection s;
  ASSERT_TRUE(SelectNode(s, model, {.kind = kKindSubroutine, .itemData = 4, .depth = 3}, 1));
  EXPECT_EQ(s.subroutine.name, "b1");
  // Beyond the last subroutine: the kind is kept, nothing else changes.
  EXPECT_FALSE(SelectNode(s, model, {.kind = kKindSubroutine, .itemData = 9, .depth = 3}, 1));
  EXPECT_EQ(s.kind, kKindSubroutine);
  EXPECT_EQ(s.subroutine.name, "b1");
}

TEST(CurrentSelection, PositionsAreCheckedAgainstTheModelInUse) {
  const ModuleModel model = ThreeGroups();
  CurrentSelection s;
  EXPECT_FALSE(SelectNode(s, model, {.kind = kKindGroup, .itemData = 4, .depth = 3}, 1));
  EXPECT_FALSE(RenderSelection(s, model, Rendering::PlainCode, 1));
  EXPECT_FALSE(SelectNode(s, model, {.kind = kKindMethod, .itemData = 3, .parentItemData = 1, .depth = 2}, 1));
  EXPECT_FALSE(SelectNode(s, model, {.kind = kKindMethod, .itemData = 1, .parentItemData = 2, .depth = 2}, 1));
  EXPECT_FALSE(SelectNode(s, model, {.kind = kKindConstants, .itemData = 3, .depth = 2}, 1));

  ASSERT_TRUE(SelectNode(s, model, {.kind = kKindMethod, .itemData = 2, .parentItemData = 1, .depth = 2}, 1));
  const auto code = RenderSelection(s, model, Rendering::PlainCode, 1);
  ASSERT_TRUE(code);
  EXPECT_EQ(*code, RenderSubroutineCode({}, &model.classes[0].methods[1], CodeMode::PlainText, model.classes[0]));
  // The same selection against another load, or a model without the class.
  EXPECT_FALSE(RenderSelection(s, model, Rendering::PlainCode, 2));
  EXPECT_FALSE(RenderSelection(s, ModuleModel{}, Rendering::PlainCode, 1));
}

TEST(CurrentSelection, CategoryNodesMeanTheWholeList) {
  const ModuleModel model = ThreeGroups();
  CurrentSelection s;
  // A top-level node is a category whatever its item data says.
  ASSERT_TRUE(SelectNode(s, model, {.kind = kKindConstants, .itemData = 2, .depth = 1}, 1));
  EXPECT_TRUE(s.wholeCategory);
  ASSERT_TRUE(SelectNode(s, model, {.kind = kKindConstants, .itemData = 2, .depth = 2}, 1));
  EXPECT_FALSE(s.wholeCategory);
  EXPECT_EQ(s.constant.name, "k2");
  for (int kind : {1, 42}) {
    EXPECT_FALSE(SelectNode(s, model, {.kind = kind}, 1));
    EXPECT_FALSE(RenderSelection(s, model, Rendering::ItemPage, 1)) << kind;
  }
  // The module node copies the whole module, the subroutine category every
  // group; only the module node's page is kept by the window.
  ASSERT_TRUE(SelectNode(s, model, {.kind = kKindModule}, 1));
  EXPECT_FALSE(RenderSelection(s, model, Rendering::ItemPage, 1));
  EXPECT_EQ(RenderSelection(s, model, Rendering::PlainCode, 1), ModuleDeclarationText(model));
  ASSERT_TRUE(SelectNode(s, model, {.kind = kKindSubroutineCategory}, 1));
  EXPECT_EQ(RenderSelection(s, model, Rendering::Tables, 1), GroupDeclarations(model, DeclarationForm::Tables));
}

}  // namespace
}  // namespace ec
