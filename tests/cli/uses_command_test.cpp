// Runs the built `ecview-cli uses` on a module written for the test: the text
// and JSON forms, and the exit statuses of a type nothing uses, of a basic
// type and of a name the module lacks.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/file_bytes.h"
#include "support/utf8_path.h"
#include "tests/support/cli_runner.h"
#include "tests/support/temp_dir.h"
#include "tools/module_writer/module_writer.h"

namespace ec {
namespace {

using json = nlohmann::ordered_json;

constexpr int32_t kInt = static_cast<int32_t>(0x80000301);
constexpr int32_t kPoint = 0x50001;
constexpr int32_t kUnused = 0x50002;

VariableRecord Var(int32_t key, const char* name, int32_t type) {
  VariableRecord v;
  v.key = key;
  v.name = writer::G(name);
  v.typeCode = type;
  return v;
}

// The data type 点 is the return value and two parameters of 画 and the type
// of the global 原点; 空 is used by nothing.
std::string PointModule(const test::TempDir& dir) {
  ProgramSegment program;
  SubroutineRecord s;
  s.entry.key = 0x04000001;
  s.attributes = SubroutineRecord::kPublic;
  s.name = writer::G("画");
  s.returnTypeCode = kPoint;
  s.parameters = {Var(0x25000001, "起", kPoint), Var(0x25000002, "宽", kInt), Var(0x25000003, "止", kPoint)};
  ClassRecord set;
  set.entry.key = 0x09000001;
  set.memberKeys = {s.entry.key};
  program.subroutines.push_back(std::move(s));
  program.classes.push_back(std::move(set));
  program.dataTypes = {DataTypeRecord{{kPoint, 0}, 0, writer::G("点"), "", {Var(0x15000001, "横", kInt)}},
                       DataTypeRecord{{kUnused, 0}, 0, writer::G("空"), "", {}}};
  program.globals = {Var(0x05000001, "原点", kPoint)};
  const std::string path = dir.File("点.ec");
  EXPECT_TRUE(WriteFileBytes(PathFromUtf8(path), writer::ModuleWriter().Add(writer::Segment("程序段", writer::ProgramSegmentBlock(program))).Build()));
  return path;
}

TEST(UsesCommand, TextJsonAndWhatItRefuses) {
  const test::TempDir dir;
  const std::string module = PointModule(dir);

  const test::CliResult text = test::RunCli({"uses", module, "点"});
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out, "使用处：点（数据类型）\n子程序\n  画：返回值、参数 起、参数 止\n全局变量\n  原点\n");

  const test::CliResult js = test::RunCli({"uses", "--json", module, "点"});
  EXPECT_EQ(js.status, 0) << js.err;
  EXPECT_EQ(json::parse(js.out),
            json::parse(R"({"target": {"kind": "dataType", "name": "点"}, "uses": [
              {"kind": "subroutine", "container": "", "name": "画", "places": [
                {"role": "returnValue", "name": ""}, {"role": "parameter", "name": "起"},
                {"role": "parameter", "name": "止"}]},
              {"kind": "global", "container": "", "name": "原点", "places": [{"role": "type", "name": ""}]}]})"));

  const test::CliResult unused = test::RunCli({"uses", module, "空"});
  EXPECT_EQ(unused.status, 1);
  EXPECT_EQ(unused.out, "使用处：空（数据类型）\n没有使用它的声明。\n");

  const test::CliResult basic = test::RunCli({"uses", module, "整数型"});
  EXPECT_EQ(basic.status, 2);
  EXPECT_EQ(basic.out, "");
  EXPECT_NE(basic.err.find("整数型 is a basic type"), std::string::npos) << basic.err;
  const test::CliResult unknown = test::RunCli({"uses", module, "线"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("no data type or class named \"线\""), std::string::npos) << unknown.err;
  EXPECT_EQ(test::RunCli({"uses", dir.File("无.ec"), "点"}).status, 2);
}

}  // namespace
}  // namespace ec
