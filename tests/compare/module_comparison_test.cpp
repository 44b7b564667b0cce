// Pairing declarations across two models, the fields that count as a change,
// duplicates, the module information and the support libraries.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>

#include "compare/module_comparison.h"
#include "model/module_analysis.h"
#include "tests/support/corpus.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

using Kind = DeclarationKind;

// A model holding one declaration of every kind, all called `name` (the
// method's class is "窗口").
ModuleModel OneOfEach(const std::string& name) {
  ModuleModel m;
  m.subroutineGroups = {{{{.name = name, .returnType = "整数型", .params = {{.name = "甲", .type = "整数型"}}}}}};
  m.classes = {{.name = "窗口", .baseType = "对象", .methods = {{.name = name}}}, {.name = name, .methods = {{.name = "方法"}}}};
  m.dataTypes = {{.name = name, .members = {{.name = "横", .type = "整数型"}}}};
  m.dllCommands = {{.name = name, .libraryFile = "user32.dll", .nameInLibrary = "MessageBoxA"}};
  m.constants = {{.name = name, .value = ConstantValue::OfNumber(1)}};
  m.globals = {{.name = name, .type = "整数型"}};
  return m;
}

// Kind, container and name of each difference, as one line each.
std::vector<std::string> Ids(const std::vector<DeclarationDifference>& list) {
  std::vector<std::string> ids;
  for (const DeclarationDifference& d : list) ids.push_back(std::string(KindName(d.kind)) + " " + d.container + "/" + d.name);
  return ids;
}

TEST(CompareModules, EveryKindAddedRemovedAndChangedInModelOrder) {
  ModuleModel oldModel = OneOfEach("旧");
  ModuleModel newModel = OneOfEach("新");
  // Plus one of each kind that stays, and changes in the new model.
  for (ModuleModel* m : {&oldModel, &newModel}) {
    const ModuleModel kept = OneOfEach("留");
    m->subroutineGroups.push_back(kept.subroutineGroups[0]);
    m->classes.insert(m->classes.end(), kept.classes.begin(), kept.classes.end());
    m->dataTypes.push_back(kept.dataTypes[0]);
    m->dllCommands.push_back(kept.dllCommands[0]);
    m->constants.push_back(kept.constants[0]);
    m->globals.push_back(kept.globals[0]);
  }
  newModel.subroutineGroups[1].subroutines[0].remarks = "改";
  newModel.classes[2].methods[0].remarks = "改";  // 窗口.留
  newModel.classes[3].remarks = "改";             // class 留
  newModel.dataTypes[1].remarks = "改";
  newModel.dllCommands[1].remarks = "改";
  newModel.constants[1].remarks = "改";
  newModel.globals[1].remarks = "改";

  const ModuleComparison c = CompareModules(oldModel, newModel);
  // Both models list the class 窗口 twice; the two pair by rank and are equal.
  const std::vector<std::string> expectedNew = {"subroutine /新", "method 窗口/新", "class /新",
                                                "method 新/方法", "dataType /新",   "dllCommand /新",
                                                "constant /新",   "global /新"};
  EXPECT_EQ(Ids(c.added), expectedNew);
  EXPECT_EQ(Ids(c.removed)[1], "method 窗口/旧");
  EXPECT_EQ(c.removed.size(), expectedNew.size());
  EXPECT_EQ(Ids(c.changed), (std::vector<std::string>{"subroutine /留", "method 窗口/留", "class /留", "dataType /留",
                                                      "dllCommand /留", "constant /留", "global /留"}));
  for (const DeclarationDifference& d : c.changed) EXPECT_EQ(d.fields, (std::vector<std::string_view>{"remarks"}));
  // Places point at the records on each side.
  const DeclarationDifference& method = c.changed[1];
  EXPECT_EQ(method.oldPlace, (DeclarationPlace{2, 0}));
  EXPECT_EQ(method.newPlace, (DeclarationPlace{2, 0}));
  EXPECT_FALSE(c.added[0].oldPlace.has_value());
  EXPECT_EQ(c.added[0].newPlace, (DeclarationPlace{0, 0}));
  EXPECT_FALSE(c.removed[0].newPlace.has_value());
  EXPECT_FALSE(c.Same());
}

struct FieldCase {
  const char* what;
  std::function<void(ModuleModel&)> change;
  std::vector<std::string_view> fields;  // of the one changed declaration; empty: no change at all
};

TEST(CompareModules, EachFieldIsNamedAndOnlyInterfaceFieldsCount) {
  const std::vector<FieldCase> cases = {
      {"return type", [](ModuleModel& m) { m.subroutineGroups[0].subroutines[0].returnType = "文本型"; }, {"returnType"}},
      {"parameter type and remark", [](ModuleModel& m) {
         Subroutine& s = m.subroutineGroups[0].subroutines[0];
         s.params[0].type = "文本型";
         s.remarks = "新说明";
       }, {"params", "remarks"}},
      {"parameter flag", [](ModuleModel& m) { m.subroutineGroups[0].subroutines[0].params[0].optional = true; }, {"params"}},
      {"parameter added", [](ModuleModel& m) { m.subroutineGroups[0].subroutines[0].params.push_back({.name = "乙"}); }, {"params"}},
      {"parameter remark only", [](ModuleModel& m) { m.subroutineGroups[0].subroutines[0].params[0].remarks = "说明"; }, {"paramRemarks"}},
      // Paired by name: the remark of a parameter moved behind a new one is still the same remark.
      {"parameter with a remark put first", [](ModuleModel& m) {
         auto& params = m.subroutineGroups[0].subroutines[0].params;
         params.insert(params.begin(), {.name = "新", .remarks = "新的说明"});
       }, {"params"}},

      {"method parameter name", [](ModuleModel& m) { m.classes[0].methods[0].params.push_back({.name = "x"}); }, {"params"}},
      {"base class", [](ModuleModel& m) { m.classes[0].baseType = "窗口"; }, {"baseType"}},
      {"member by reference", [](ModuleModel& m) { m.dataTypes[0].members[0].byRef = true; }, {"members"}},
      {"member remark only", [](ModuleModel& m) { m.dataTypes[0].members[0].remarks = "说明"; }, {}},
      {"every DLL field", [](ModuleModel& m) {
         DllCommand& d = m.dllCommands[0];
         d = {.name = d.name, .remarks = "r", .returnType = "整数型", .libraryFile = "a.dll", .nameInLibrary = "F",
              .params = {{.name = "p"}}};
       }, {"returnType", "libraryFile", "nameInLibrary", "params", "remarks"}},
      {"number to text", [](ModuleModel& m) { m.constants[0].value = ConstantValue::OfText("1"); }, {"value"}},
      {"number value", [](ModuleModel& m) { m.constants[0].value = ConstantValue::OfNumber(2); }, {"value"}},
      {"global type and dimensions", [](ModuleModel& m) {
         m.globals[0].type = "文本型";
         m.globals[0].dimensions = {2, 3};
       }, {"type", "dimensions"}},
      {"moved to another program set", [](ModuleModel& m) {
         m.subroutineGroups = {{{{.name = "别的"}, m.subroutineGroups[0].subroutines[0]}}};
       }, {}},
  };
  const ModuleModel base = OneOfEach("甲");
  for (const FieldCase& fc : cases) {
    ModuleModel changed = base;
    fc.change(changed);
    const ModuleComparison c = CompareModules(base, changed);
    EXPECT_TRUE(c.removed.empty()) << fc.what;
    if (fc.fields.empty()) {
      EXPECT_TRUE(c.changed.empty()) << fc.what;
      continue;
    }
    ASSERT_EQ(c.changed.size(), 1u) << fc.what;
    EXPECT_EQ(c.changed[0].fields, fc.fields) << fc.what;
  }
}

// Parameter remarks of DLL commands and methods count too; parameters of the
// same name pair by rank.
TEST(CompareModules, ParameterRemarksOfDllCommandsAndMethods) {
  ModuleModel oldModel = OneOfEach("甲");
  oldModel.dllCommands[0].params = {{.name = "p", .remarks = "一"}, {.name = "p", .remarks = "二"}};
  oldModel.classes[1].methods[0].params = {{.name = "x", .remarks = "说明"}};
  ModuleModel newModel = oldModel;
  EXPECT_TRUE(CompareModules(oldModel, newModel).changed.empty());
  newModel.dllCommands[0].params[1].remarks = "三";
  newModel.classes[1].methods[0].params[0].remarks = "";
  const ModuleComparison c = CompareModules(oldModel, newModel);
  ASSERT_EQ(c.changed.size(), 2u);
  for (const DeclarationDifference& d : c.changed) EXPECT_EQ(d.fields, (std::vector<std::string_view>{"paramRemarks"}));
}

TEST(CompareModules, DuplicatesPairByRankAndTheFirstCounts) {
  ModuleModel oldModel;
  oldModel.subroutineGroups = {{{{.name = "甲", .returnType = "整数型"}, {.name = "乙"}, {.name = "甲", .returnType = "文本型"}}}};
  ModuleModel newModel;
  // The first 甲 unchanged, the second changed, a third one added.
  newModel.subroutineGroups = {{{{.name = "甲", .returnType = "整数型"}, {.name = "甲"}}}, {{{.name = "甲"}}}};
  const ModuleComparison c = CompareModules(oldModel, newModel);
  ASSERT_EQ(c.changed.size(), 1u);
  EXPECT_EQ(c.changed[0].oldPlace, (DeclarationPlace{0, 2}));
  EXPECT_EQ(c.changed[0].newPlace, (DeclarationPlace{0, 1}));
  EXPECT_EQ(c.changed[0].fields, (std::vector<std::string_view>{"returnType"}));
  ASSERT_EQ(c.added.size(), 1u);
  EXPECT_EQ(c.added[0].newPlace, (DeclarationPlace{1, 0}));
  EXPECT_EQ(Ids(c.removed), (std::vector<std::string>{"subroutine /乙"}));
}

TEST(CompareModules, ModuleInformationAndLibraries) {
  ModuleModel oldModel;
  oldModel.info = {.name = "模块", .remarks = "一", .author = "甲", .versionMajor = 1, .versionMinor = 0};
  oldModel.support.libraries = {"krnln\r{guid}\r5\r6\r系统核心支持库", "iext\r{g}\r1\r2\r扩展界面支持库一",
                                "dp1\r\r1\r0\r"};
  ModuleModel newModel = oldModel;
  newModel.info.versionMinor = 6;
  newModel.info.remarks = "二";
  newModel.info.infoTexts[0] = "shown nowhere, compared nowhere";
  newModel.support.libraries = {"shell\r{s}\r1\r0\r操作系统界面功能支持库", "dp1\r\r1\r0\r",
                                "krnln\r{guid}\r5\r7\r系统核心支持库"};
  const ModuleComparison c = CompareModules(oldModel, newModel);
  EXPECT_EQ(c.info, (std::vector<InfoDifference>{{"version", "1.0", "1.6"}, {"remarks", "一", "二"}}));
  using Change = LibraryDifference::Change;
  EXPECT_EQ(c.libraries, (std::vector<LibraryDifference>{{Change::Added, "shell", "操作系统界面功能支持库", "", "1.0"},
                                                         {Change::VersionChanged, "krnln", "系统核心支持库", "5.6", "5.7"},
                                                         {Change::Removed, "iext", "扩展界面支持库一", "1.2", ""}}));
  EXPECT_TRUE(c.added.empty() && c.removed.empty() && c.changed.empty());
  EXPECT_FALSE(c.Same());
}

TEST(CompareModules, AModuleAgainstItselfIsTheSameEvenWithANaNConstant) {
  ModuleModel m = OneOfEach("甲");
  m.constants.push_back({.name = "非数", .value = ConstantValue::OfNumber(std::nan(""))});
  m.constants.push_back({.name = "日期", .value = ConstantValue::OfDateTime(36526.5)});
  EXPECT_TRUE(CompareModules(m, m).Same());
  ModuleModel other = m;
  other.constants[2].value = ConstantValue::OfNumber(36526.5);  // same number, other kind
  ASSERT_EQ(CompareModules(m, other).changed.size(), 1u);
}

TEST(CompareModules, ACompiledModuleAgainstAProgramFile) {
  EC_SKIP_WITHOUT_CORPUS();
  test::TempDir dir;
  ModuleModel module;
  ModuleModel program;
  for (auto [name, model] : {std::pair{"Super-PE.ec", &module}, std::pair{"mksetup.e", &program}}) {
    std::filesystem::copy_file(test::CorpusDir() / name, dir / name);
    ASSERT_TRUE(analyseModule(dir.File(name), *model, {.readOnly = true})) << name;
  }
  const ModuleComparison c = CompareModules(module, program);
  EXPECT_EQ(c.info[0], (InfoDifference{"name", "PE构造模块", "安装软件制作工具"}));
  ASSERT_EQ(c.libraries.size(), 6u);  // krnln's version, five more libraries
  EXPECT_EQ(c.libraries[0].change, LibraryDifference::Change::VersionChanged);
  EXPECT_EQ(c.libraries[0].oldVersion, "5.7");
  // Nothing in common: every declaration of one is removed, of the other added.
  const auto count = [](const ModuleModel& m) {
    size_t n = m.dataTypes.size() + m.dllCommands.size() + m.constants.size() + m.globals.size();
    for (const SubroutineGroup& g : m.subroutineGroups) n += g.subroutines.size();
    return n;
  };
  EXPECT_EQ(c.removed.size(), count(module));
  EXPECT_EQ(c.added.size(), count(program));
  EXPECT_TRUE(c.changed.empty());
  EXPECT_TRUE(CompareModules(program, program).Same());
}

}  // namespace
}  // namespace ec
