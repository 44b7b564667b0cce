// Analysis of whole modules: the parts besides grouping, the reader options,
// and files the reader rejects or must not change.
#include "model/module_analysis.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model_records.h"
#include "reader/last_read_error.h"
#include "support/file_bytes.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

using namespace test;
namespace fs = std::filesystem;

ConstantRecord Const(int32_t key, std::string_view name, ConstantValue value) {
  ConstantRecord c;
  c.key = key;
  c.name = G(name);
  c.value = std::move(value);
  return c;
}

// A module with something in every part, as the reader would deliver it.
ModuleSegments SampleSegments() {
  ModuleSegments s;
  UserInfoRecord user;
  user.name = G("模块名");
  user.remarks = G("备注");
  user.author = G("作者");
  for (size_t i = 0; i < user.infoTexts.size(); ++i) user.infoTexts[i] = G("信息" + std::to_string(i + 4));
  user.versionMajor = 3;
  user.versionMinor = 12;
  s.userInfo = user;
  SystemInfoRecord system;
  system.systemVersionMajor = 5;
  system.systemVersionMinor = -2;
  s.systemInfo = system;

  ProgramSegment p;
  p.header.libraries = {G("krnln\rd09f\r5\r7\r系统核心支持库")};
  p.subroutines = {Sub(1, "子程序")};
  p.dataTypes = {DataTypeRecord{{0x50001, 0}, 0, G("点"), G("坐标"), {Var("横", 0x80000301), Var("")}},
                 DataTypeRecord{{0x50002, 0}, 0, "", "", {Var("丢")}}};
  DllCommandRecord dll{{0x60001, 0}, 0, static_cast<int32_t>(0x80000004), G("取名"), G("说明"),
                       "user32.dll", "GetNameA", {Var("句柄", 0x80000301, 2)}};
  p.dllCommands = {dll, DllCommandRecord{}};
  p.globals = {Var("表", 0x50001, 0, {2, 3}), Var("标量", 0x80000004), Var("")};
  s.program = p;

  ResourceSegment r;
  r.constants = {Const(0x10000001, "圆周率", ConstantValue::OfNumber(3.5)),
                 Const(0x10000002, "标题", ConstantValue::OfText(G("易语言"))),
                 Const(0x10000003, "", ConstantValue::OfLogical(true)),
                 Const(0x10000004, "真", ConstantValue::OfLogical(true)),
                 Const(0x10000005, "空", ConstantValue{}),
                 Const(0x20000001, "图片", ConstantValue::OfBytes(std::string("\x89PNG\0\xff", 6))),
                 Const(0x30000001, "声音", ConstantValue::OfBytes("RIFF"))};
  s.resources = r;
  return s;
}

void ExpectSampleModel(const ModuleModel& m) {
  EXPECT_EQ(m.info.name, "模块名");
  EXPECT_EQ(m.info.author, "作者");
  EXPECT_EQ(m.info.infoTexts[0], "信息4");
  EXPECT_EQ(m.info.infoTexts[6], "信息10");
  EXPECT_EQ(m.info.versionMajor, 3);
  EXPECT_EQ(m.info.versionMinor, 12);
  EXPECT_EQ(m.support.systemVersion, "5.-2");
  EXPECT_EQ(m.support.libraries, std::vector<std::string>{"krnln\rd09f\r5\r7\r系统核心支持库"});
  ASSERT_EQ(m.subroutineGroups.size(), 1u);

  ASSERT_EQ(m.dataTypes.size(), 1u);  // the nameless one is dropped, its nameless member kept
  EXPECT_EQ(m.dataTypes[0].remarks, "坐标");
  EXPECT_EQ(m.dataTypes[0].members, (std::vector<Parameter>{{"横", "", "整数型"}, {"", "", "整数型"}}));

  ASSERT_EQ(m.dllCommands.size(), 1u);
  EXPECT_EQ(m.dllCommands[0],
            (DllCommand{"取名", "说明", "文本型", "user32.dll", "GetNameA", {{"句柄", "", "整数型", true}}}));

  ASSERT_EQ(m.globals.size(), 2u);
  EXPECT_EQ(m.globals[0], (GlobalVar{"表", "", "点", {2, 3}}));
  EXPECT_EQ(m.globals[1], (GlobalVar{"标量", "", "文本型", {}}));

  ASSERT_EQ(m.constants.size(), 6u);
  EXPECT_EQ(m.constants[0].value, ConstantValue::OfNumber(3.5));
  EXPECT_EQ(m.constants[1].value, ConstantValue::OfText("易语言"));  // text values become UTF-8
  EXPECT_EQ(m.constants[2].name, "真");
  EXPECT_EQ(m.constants[3].value.kind, ConstantValue::Kind::Empty);
  EXPECT_EQ(m.constants[4].value, ConstantValue::OfBytes(std::string("\x89PNG\0\xff", 6)));  // unchanged
  // The constant page tells pictures from sounds.
  EXPECT_EQ(m.constants[4].resource, ResourceKind::Picture);
  EXPECT_EQ(m.constants[5].resource, ResourceKind::Sound);
  EXPECT_EQ(m.constants[0].resource, ResourceKind::None);
}

TEST(ModuleAnalysis, BuildsEveryPartFromRecords) {
  ModuleModel model;
  BuildModel(SampleSegments(), ModelParts::All(), model);
  ExpectSampleModel(model);
}

TEST(ModuleAnalysis, MissingSegmentsGiveEmptyParts) {
  ModuleModel model;
  model.globals = {GlobalVar{"旧", "", "", {}}};
  BuildModel(ModuleSegments{}, ModelParts::All(), model);
  ModuleModel expected;
  expected.support.systemVersion = "0.0";
  EXPECT_EQ(model, expected);
}

TEST(ModuleAnalysis, ReaderOptionsFollowTheRequestedParts) {
  ModelParts infoOnly = ModelParts::None();
  infoOnly.info = infoOnly.support = true;
  const ReaderOptions a = ReaderOptionsFor(infoOnly, false);
  EXPECT_TRUE(a.programHeaderOnly && a.skipSubroutineBlocks && a.skipResourceData && !a.readOnly);

  const ReaderOptions all = ReaderOptionsFor(ModelParts::All(), true);
  EXPECT_TRUE(!all.programHeaderOnly && all.skipSubroutineBlocks && !all.skipResourceData && all.readOnly);

  for (bool ModelParts::*part : {&ModelParts::subroutineGroups, &ModelParts::classes, &ModelParts::dataTypes,
                                 &ModelParts::dllCommands, &ModelParts::constants, &ModelParts::globals}) {
    ModelParts one = ModelParts::None();
    one.*part = true;
    const ReaderOptions o = ReaderOptionsFor(one, false);
    EXPECT_FALSE(o.programHeaderOnly);
    EXPECT_EQ(o.skipResourceData, part != &ModelParts::constants);
  }
}

class AnalyseFile : public ::testing::Test {
 protected:
  std::string Write(std::string_view bytes) {
    EXPECT_TRUE(WriteFileBytes(path_.string(), bytes));
    return path_.string();
  }
  TempDir dir_;
  fs::path path_;
};

ModuleModel FilledModel() {
  ModuleModel m;
  BuildModel(SampleSegments(), ModelParts::All(), m);
  return m;
}

TEST_F(AnalyseFile, ReadsAWrittenModule) {
  path_ = dir_.path() / "sample.ec";
  const std::string path = Write(BuildModule(SampleSegments()));
  ModuleModel model;
  ASSERT_TRUE(analyseModule(path, model));
  ExpectSampleModel(model);
  EXPECT_EQ(model.outcome, ReadOutcome{});
  ModuleModel sample;  // the project's own sample is as intact
  ASSERT_TRUE(analyseModule(EC_SOURCE_DIR "/examples/sample.ec", sample, {.readOnly = true}));
  EXPECT_EQ(sample.outcome, ReadOutcome{});
}

TEST_F(AnalyseFile, RejectedFilesLeaveTheRequestedPartsEmpty) {
  path_ = dir_.path() / "bad.ec";
  const std::string module = BuildModule(SampleSegments());
  const std::string damaged[] = {"", "CNWT", std::string("XXXXEPRG") + module.substr(8),
                                 "WTLE" + std::string(36, '\0') + module.substr(8)};
  for (const std::string& bytes : damaged) {
    SetLastReadError("");
    ModuleModel model = FilledModel();
    EXPECT_FALSE(analyseModule(Write(bytes), model, {.readOnly = true}));
    EXPECT_TRUE(model.Empty()) << bytes.size();
    EXPECT_FALSE(LastReadError().empty());
  }
  // Parts not asked for keep what they held, even on failure.
  ModuleModel model = FilledModel();
  ModelParts parts = ModelParts::All();
  parts.globals = false;
  EXPECT_FALSE(analyseModule(Write(""), model, {.parts = parts}));
  EXPECT_EQ(model.globals, FilledModel().globals);
  EXPECT_TRUE(model.constants.empty() && model.info.name.empty());
}

TEST_F(AnalyseFile, HeaderOnlyFileIsAcceptedAndEmpty) {
  path_ = dir_.path() / "header.ec";
  ModuleModel model = FilledModel();
  EXPECT_TRUE(analyseModule(Write("CNWTEPRG"), model));
  ModuleModel expected;
  expected.support.systemVersion = "0.0";
  // Without the end node an intact module has, the file is taken as cut.
  expected.outcome = {.complete = false, .problems = {"模块在第 8 字节处被截断，以下内容可能不全"}};
  EXPECT_EQ(model, expected);
}

TEST_F(AnalyseFile, ReadOnlyAnalysisNeverChangesTheFile) {
  path_ = dir_.path() / "damaged.ec";
  SegmentToWrite program = Segment("程序段", ProgramSegmentBlock(*SampleSegments().program));
  program.wrongDataCheck = true;
  const std::string bytes = ModuleWriter().Add(program).Build();
  const std::string path = Write(bytes);
  ModuleModel model;
  EXPECT_TRUE(analyseModule(path, model, {.readOnly = true}));
  EXPECT_EQ(ReadFileBytes(path), bytes);
  EXPECT_EQ(model.dllCommands.size(), 1u);
}

}  // namespace
}  // namespace ec
