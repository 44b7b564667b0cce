// Runs the built `ecview-cli uses` on a module written for the test: the text
// and JSON forms, what it says of a cut module, and the exit statuses of a type nothing uses, of a basic
// type and of a name the module lacks.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/file_bytes.h"
#include "support/utf8_path.h"
#include "tests/support/cli_runner.h"
#include "tests/support/temp_dir.h"
#include "tests/support/type_use_module.h"

namespace ec {
namespace {

using json = nlohmann::ordered_json;

TEST(UsesCommand, TextJsonAndWhatItRefuses) {
  const test::TempDir dir;
  const std::string module = test::WriteTypeUseModule(dir.File("点.ec"));

  const test::CliResult text = test::RunCli({"uses", module, "点"});
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out, "使用处：点（数据类型）\n子程序\n  画：返回值、参数 起、参数 止\n全局变量\n  原点\n");

  const test::CliResult js = test::RunCli({"uses", "--json", module, "点"});
  EXPECT_EQ(js.status, 0) << js.err;
  EXPECT_EQ(json::parse(js.out),
            json::parse(R"({"target": {"kind": "dataType", "name": "点"}, "problems": [], "uses": [
              {"kind": "subroutine", "container": "", "name": "画", "places": [
                {"role": "returnValue", "name": ""}, {"role": "parameter", "name": "起"},
                {"role": "parameter", "name": "止"}]},
              {"kind": "global", "container": "", "name": "原点", "places": [{"role": "type", "name": ""}]}]})"));

  // A module cut short still lists the uses it holds, and says what is missing.
  const std::optional<std::string> bytes = ReadFileBytes(PathFromUtf8(module));
  ASSERT_TRUE(bytes);
  ASSERT_TRUE(WriteFileBytes(dir.File("cut.ec"), bytes->substr(0, bytes->size() - 10)));
  const json cut = json::parse(test::RunCli({"uses", "--json", dir.File("cut.ec"), "点"}).out);
  EXPECT_EQ(cut["uses"], json::parse(js.out)["uses"]);
  ASSERT_EQ(cut["problems"].size(), 1u);
  EXPECT_NE(cut["problems"][0].get<std::string>().find("截断"), std::string::npos) << cut;

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
