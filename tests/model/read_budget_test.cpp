// The memory budget of a whole read: charged by the reader for the raw
// records and by the analysis for the model, it stops both where it is spent,
// keeps what was read and says so, whatever the pages themselves allow.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/model_cost.h"
#include "model/module_analysis.h"
#include "model_records.h"
#include "support/file_bytes.h"
#include "tests/support/temp_dir.h"
#include "tools/module_writer/one_page_module.h"

namespace ec {
namespace {

using namespace test;

constexpr int32_t kTypeKey = 0x41000001;

// `types` data types of `members` members each, then one DLL command; or the
// same numbers as subroutines with parameters. Every page is well formed.
ProgramSegment ManyPages(int types, int members, bool asSubroutines) {
  ProgramSegment program;
  std::vector<VariableRecord> vars;
  for (int m = 0; m < members; ++m) vars.push_back(Var("成员变量" + std::to_string(m) + "说明文字较长的名称"));
  for (int t = 0; t < types; ++t) {
    if (asSubroutines) {
      program.subroutines.push_back(Sub(0x04000001 + t, "子程序" + std::to_string(t), SubroutineRecord::kPublic, vars));
    } else {
      DataTypeRecord type;
      type.entry.key = kTypeKey + t;
      type.name = G("类型" + std::to_string(t));
      type.members = vars;
      program.dataTypes.push_back(type);
    }
  }
  DllCommandRecord dll;
  dll.entry.key = 0x0A000001;
  dll.name = G("命令");
  program.dllCommands.push_back(dll);
  return program;
}

std::string WriteModule(const TempDir& dir, const ProgramSegment& program) {
  ModuleSegments segments;
  segments.program = program;
  const std::string path = dir.File("m.ec");
  EXPECT_TRUE(WriteFileBytes(path, BuildModule(segments)));
  return path;
}

size_t Count(const std::vector<std::string>& problems, std::string_view part) {
  return static_cast<size_t>(
      std::count_if(problems.begin(), problems.end(), [&](const std::string& p) { return p.find(part) != p.npos; }));
}

size_t Members(const ModuleModel& model) {
  size_t n = 0;
  for (const DataType& t : model.dataTypes) n += t.members.size();
  for (const SubroutineGroup& g : model.subroutineGroups)
    for (const Subroutine& s : g.subroutines) n += s.params.size();
  return n;
}

// Many pages, each far inside its own budget, together past the read's: the
// reader stops where the budget is spent, for the records it reads at once
// (data types) and for those it leaves in place and reads as the model is
// built (subroutines). What was read stays; the lists after a stopped one
// are not read from where it left the cursor, so nothing else is reported.
TEST(ReadBudget, ManyPagesStopWhereTheWholeReadIsSpent) {
  TempDir dir;
  for (const bool subroutines : {false, true}) {
    SCOPED_TRACE(subroutines ? "subroutines" : "data types");
    const std::string path = WriteModule(dir, ManyPages(300, 40, subroutines));
    ModuleModel whole;
    ASSERT_TRUE(analyseModule(path, whole, {.readOnly = true}));
    EXPECT_TRUE(whole.outcome.Clean()) << (whole.outcome.problems.empty() ? "" : whole.outcome.problems[0]);
    EXPECT_EQ(Members(whole), 300u * 40u);
    EXPECT_EQ(whole.dllCommands.size(), 1u);

    constexpr uint64_t kLimit = 1 << 20;
    ModuleModel cut;
    ASSERT_TRUE(analyseModule(path, cut, {.readOnly = true, .budgetLimit = kLimit}));
    EXPECT_FALSE(cut.outcome.complete);
    EXPECT_TRUE(cut.outcome.checksMatch);
    ASSERT_EQ(cut.outcome.problems.size(), 1u) << cut.outcome.problems[0];
    EXPECT_EQ(Count(cut.outcome.problems, "超出预算"), 1u);
    EXPECT_EQ(Count(cut.outcome.problems, "上限 1 MB"), 1u);
    EXPECT_GT(Members(cut), 0u);
    EXPECT_LT(Members(cut), 300u * 40u);
    // Small pages are read at once: data types are read before the DLL
    // commands; subroutines in place are read only after them, as the model
    // is built.
    EXPECT_EQ(cut.dllCommands.size(), subroutines ? 1u : 0u);
    // What was kept is what the budget paid for: the model alone stays under it.
    uint64_t modelCost = 0;
    for (const DataType& t : cut.dataTypes)
      for (const Parameter& p : t.members) modelCost += ModelCost(p);
    for (const SubroutineGroup& g : cut.subroutineGroups)
      for (const Subroutine& s : g.subroutines)
        for (const Parameter& p : s.params) modelCost += ModelCost(p);
    EXPECT_LE(modelCost, kLimit);
  }
}

// Records of every kind: members, parameters, constants and globals.
size_t Records(const ModuleModel& model) {
  size_t n = Members(model) + model.constants.size() + model.globals.size();
  for (const DllCommand& c : model.dllCommands) n += c.params.size();
  return n;
}

// A module that is one dense, well-formed page of small records: its
// records cost the model several times their bytes in the file, yet the read
// must take them all and call the file sound. Every record is read straight
// into the model, never held twice. A page whose records share one body is
// still cut and reported.
TEST(ReadBudget, DensePagesReadWholeAndAliasedOnesAreCut) {
  TempDir dir;
  using writer::PageKind;
  for (const PageKind kind :
       {PageKind::Globals, PageKind::Constants, PageKind::Subroutines, PageKind::DllCommands, PageKind::DataTypes}) {
    SCOPED_TRACE(writer::PageKindName(kind));
    const std::string path = dir.File("dense.ec");
    ASSERT_TRUE(WriteFileBytes(path, writer::OnePageModuleBytes(kind, false, 4 << 20)));
    ModuleModel unbounded;
    ASSERT_TRUE(analyseModule(path, unbounded, {.readOnly = true, .budgetLimit = ~0ull}));
    ModuleModel model;
    ASSERT_TRUE(analyseModule(path, model, {.readOnly = true}));
    EXPECT_TRUE(model.outcome.Clean()) << (model.outcome.problems.empty() ? "" : model.outcome.problems[0]);
    EXPECT_GT(Records(model), 80000u);
    EXPECT_EQ(Records(model), Records(unbounded));

    ASSERT_TRUE(WriteFileBytes(path, writer::OnePageModuleBytes(kind, true, 1 << 20)));
    ModuleModel aliased;
    ASSERT_TRUE(analyseModule(path, aliased, {.readOnly = true}));
    EXPECT_FALSE(aliased.outcome.complete);
    EXPECT_EQ(Count(aliased.outcome.problems, "记录重叠"), 1u);
    EXPECT_EQ(Count(aliased.outcome.problems, "超出预算"), 1u);
    EXPECT_GT(Records(aliased), 1u);
    EXPECT_LT(Records(aliased), 10u);
  }
}

// A page left in place that no wanted part converts is still read, so its
// damage is still reported.
TEST(ReadBudget, PagesNoPartConvertsStillTellTheirDamage) {
  TempDir dir;
  using writer::PageKind;
  for (const PageKind kind : {PageKind::Globals, PageKind::Constants, PageKind::DllCommands, PageKind::DataTypes}) {
    SCOPED_TRACE(writer::PageKindName(kind));
    const std::string path = dir.File("aliased.ec");
    ASSERT_TRUE(WriteFileBytes(path, writer::OnePageModuleBytes(kind, true, 1 << 20)));
    ModelParts parts = ModelParts::None();
    // Only the subroutines: a part that is not the page's.
    parts.subroutineGroups = true;
    ModuleModel model;
    ASSERT_TRUE(analyseModule(path, model, {.parts = parts, .readOnly = true}));
    EXPECT_FALSE(model.outcome.complete);
    EXPECT_EQ(Count(model.outcome.problems, "记录重叠"), 1u);
  }
}

// A data type named with hundreds of bytes costs the reader nothing per
// reference, but each global of that type holds a copy of the name in the
// model: the analysis charges those copies and stops the list.
TEST(ReadBudget, TheModelIsChargedForWhatItCopiesOfEachRecord) {
  TempDir dir;
  ProgramSegment program;
  DataTypeRecord type;
  type.entry.key = kTypeKey;
  type.name = std::string(250, 'T');
  program.dataTypes.push_back(type);
  for (int g = 0; g < 20000; ++g) program.globals.push_back(Var("g" + std::to_string(g), kTypeKey));
  const std::string path = WriteModule(dir, program);

  ModuleModel whole;
  ASSERT_TRUE(analyseModule(path, whole, {.readOnly = true}));
  ASSERT_EQ(whole.globals.size(), 20000u);
  EXPECT_EQ(whole.globals[0].type, type.name);

  // The raw globals (about 120 bytes each) fit; their model (about 400) does not.
  const uint64_t limit = 20000 * 200;
  ModuleModel cut;
  ASSERT_TRUE(analyseModule(path, cut, {.readOnly = true, .budgetLimit = limit}));
  EXPECT_EQ(Count(cut.outcome.problems, "超出预算"), 1u);
  EXPECT_EQ(Count(cut.outcome.problems, "模块的内容超出内存限度"), 1u);
  EXPECT_GT(cut.globals.size(), 1000u);
  EXPECT_LT(cut.globals.size(), 20000u);
  for (size_t g = 0; g < cut.globals.size(); ++g) EXPECT_EQ(cut.globals[g].name, "g" + std::to_string(g));
}

}  // namespace
}  // namespace ec
