#include "model/read_outcome.h"

#include <gtest/gtest.h>

#include "model/module_analysis.h"
#include "support/file_bytes.h"
#include "support/gbk_codec.h"
#include "tests/support/temp_dir.h"
#include "tools/module_writer/module_writer.h"

namespace ec {
namespace {

using Kind = ReadProblem::Kind;

TEST(ReadOutcome, EachProblemIsOneSentence) {
  ReadReport report;
  const std::string program = Utf8ToGbk("程序段");
  report.Add({.kind = Kind::Truncated, .segment = program, .offset = 52000, .claimed = 61858, .present = 12000});
  report.Add({.kind = Kind::Truncated, .offset = 1234567});
  report.Add({.kind = Kind::WrongNodeFlag, .message = "Node标志错误", .offset = 108});
  report.Add({.kind = Kind::NegativeLength, .segment = program, .message = "Read Data Error", .count = 3});
  report.Add({.kind = Kind::UnknownConstantType, .segment = Utf8ToGbk("程序资源段"), .message = "未知常量类型[30]"});
  report.Add({.kind = Kind::RepairFailed, .segment = Utf8ToGbk("<段>"), .message = "修正失败[头]"});
  report.Add({.kind = Kind::CheckValue, .message = "第 76797 字节处的段的校验值与内容不符", .offset = 76797});
  report.Add({.kind = Kind::RecordOutside, .segment = program, .message = "记录偏移超出页", .count = 2});
  report.unlistedProblems = 4;
  EXPECT_EQ(ProblemTexts(report),
            (std::vector<std::string>{
                "模块在第 52,000 字节处被截断：“程序段”的数据应有 61,858 字节，只有 12,000 字节，以下内容可能不全",
                "模块在第 1,234,567 字节处被截断，以下内容可能不全",
                "第 108 字节处的段标志错误（Node标志错误），其后的段没有读取，以下内容可能不全",
                "“程序段”中有长度为负数的数据（Read Data Error），共 3 处，其内容可能不全",
                "“程序资源段”中有值类型未知的常量（未知常量类型[30]），其值没有读取",
                "“<段>”的校验值不符，写回修正值失败（修正失败[头]）",
                "第 76,797 字节处的段的校验值与内容不符",
                "“程序段”中有偏移指向页外的记录（记录偏移超出页），共 2 处，其内容没有读取",
                "另有 4 个问题未列出",
            }));
  const ReadOutcome outcome = OutcomeOf(report);
  EXPECT_FALSE(outcome.complete);
  EXPECT_FALSE(outcome.rejected);
}

TEST(ReadOutcome, AnalysisSaysWhyAModuleCannotBeRead) {
  test::TempDir dir;
  const std::string path = dir.File("m.ec");
  auto outcomeOf = [&](const std::string& bytes) {
    WriteFileBytes(path, bytes);
    ModuleModel model;
    analyseModule(path, model, {.readOnly = true});
    return model.outcome;
  };
  EXPECT_EQ(outcomeOf("XNWTEPRG"),
            (ReadOutcome{true, false, {"不是易模块文件（头标志1错误）"}, 0, true, "头标志1错误"}));
  EXPECT_EQ(outcomeOf("WTLE" + std::string(36, '\0') + "garbage!").problems, std::vector<std::string>{"此模块已加密，无法查看"});
  ModuleModel missing;
  EXPECT_FALSE(analyseModule(dir.File("none.ec"), missing));
  EXPECT_EQ(missing.outcome.problems, std::vector<std::string>{"无法打开文件"});
  // An unknown segment where the program segment should be is most likely it, damaged.
  EXPECT_EQ(outcomeOf(writer::ModuleWriter().Add(writer::Segment("易模块记录段2", "x")).Build()),
            (ReadOutcome{.complete = false,
                         .problems = {"没有找到程序段，未知段[易模块记录段2]可能就是名称受损的程序段，模块的声明没有读取"},
                         .readerMessage = "未知段[易模块记录段2]"}));
  // Beside a program segment it is no problem; its message travels with the outcome.
  EXPECT_EQ(outcomeOf(writer::ModuleWriter()
                          .Add(writer::Segment("程序段", writer::ProgramSegmentBlock({})))
                          .Add(writer::Segment("易模块记录段2", "x"))
                          .Build()),
            ReadOutcome{.readerMessage = "未知段[易模块记录段2]"});
}

// A stored check value that does not match is said, whether the file is then
// repaired or not: the content is whole but may have been altered.
TEST(ReadOutcome, CheckValueMismatchIsSaidWithAndWithoutRepair) {
  test::TempDir dir;
  const std::string path = dir.File("m.ec");
  auto bad = writer::Segment("程序段", writer::ProgramSegmentBlock({}));
  bad.wrongDataCheck = true;
  const std::string bytes = writer::ModuleWriter().Add(bad).Build();
  WriteFileBytes(path, bytes);

  ModuleModel readOnly;
  ASSERT_TRUE(analyseModule(path, readOnly, {.readOnly = true}));
  EXPECT_EQ(readOnly.outcome, (ReadOutcome{.problems = {"程序段的校验值与内容不符"}, .checksMatch = false}));
  EXPECT_FALSE(readOnly.outcome.Clean());
  EXPECT_EQ(ReadFileBytes(path), bytes);

  ModuleModel repaired;
  ASSERT_TRUE(analyseModule(path, repaired, {.repairOnlyWhole = true}));
  EXPECT_EQ(repaired.outcome, (ReadOutcome{.problems = {"程序段的校验值与内容不符（已写回修正值）"},
                                           .repairedSegments = 1, .checksMatch = false}));
  EXPECT_NE(ReadFileBytes(path), bytes);
  ModuleModel again;
  ASSERT_TRUE(analyseModule(path, again));
  EXPECT_TRUE(again.outcome.Clean());

  // A module also cut short is not repaired by a whole-module repair, only by one that asks for none.
  std::string cut = writer::ModuleWriter().Add(bad).Add(writer::Segment("初始模块段", "abcdefgh")).WithoutEndNode().Build();
  cut.resize(cut.size() - 3);
  WriteFileBytes(path, cut);
  ModuleModel partial;
  ASSERT_TRUE(analyseModule(path, partial, {.repairOnlyWhole = true}));
  EXPECT_FALSE(partial.outcome.complete);
  EXPECT_FALSE(partial.outcome.checksMatch);
  EXPECT_EQ(partial.outcome.repairedSegments, 0);
  EXPECT_EQ(ReadFileBytes(path), cut);
  ASSERT_TRUE(analyseModule(path, partial));
  EXPECT_EQ(partial.outcome.repairedSegments, 1);
}

}  // namespace
}  // namespace ec
