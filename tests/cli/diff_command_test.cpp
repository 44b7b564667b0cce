// Runs the built `ecview-cli diff` on modules written for the test and on
// copies of real ones: the three forms, the exit statuses, and that neither
// file is written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>
#include <nlohmann/json.hpp>

#include "support/file_bytes.h"
#include "tests/support/cli_runner.h"
#include "tests/support/corpus.h"
#include "tests/support/temp_dir.h"
#include "tools/module_writer/module_writer.h"

namespace ec {
namespace {

using json = nlohmann::ordered_json;

class DiffCommand : public testing::Test {
 protected:
  // A module with the given subroutines (public, in one group) and a check
  // value that does not match, which a writing reader would repair.
  std::string Module(const std::string& file, const std::vector<std::pair<std::string, int32_t>>& subroutines) {
    ProgramSegment program;
    ClassRecord set;
    set.entry.key = 0x09000001;
    for (size_t i = 0; i < subroutines.size(); ++i) {
      SubroutineRecord s;
      s.entry.key = 0x04000001 + static_cast<int32_t>(i);
      s.attributes = SubroutineRecord::kPublic;
      s.name = writer::G(subroutines[i].first);
      s.returnTypeCode = subroutines[i].second;
      set.memberKeys.push_back(s.entry.key);
      program.subroutines.push_back(std::move(s));
    }
    program.classes.push_back(std::move(set));
    auto segment = writer::Segment("程序段", writer::ProgramSegmentBlock(program));
    segment.wrongDataCheck = true;
    const std::string path = dir_.File(file);
    EXPECT_TRUE(WriteFileBytes(path, writer::ModuleWriter().Add(segment).Build()));
    return path;
  }
  static test::CliResult Diff(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "diff");
    return test::RunCli(arguments);
  }
  test::TempDir dir_;
};

constexpr int32_t kInt = static_cast<int32_t>(0x80000301);
constexpr int32_t kText = static_cast<int32_t>(0x80000004);

TEST_F(DiffCommand, ThreeFormsAndNeitherFileWritten) {
  const std::string a = Module("a.ec", {{"取值", kInt}, {"旧的", 0}});
  const std::string b = Module("b.ec", {{"取值", kText}, {"新的", 0}});
  const std::optional<std::string> aBytes = ReadFileBytes(a);
  const std::optional<std::string> bBytes = ReadFileBytes(b);
  ASSERT_TRUE(aBytes && bBytes);

  const test::CliResult text = Diff({a, b});
  EXPECT_EQ(text.status, 1) << text.err;
  // Both were altered after they were written: said once per input.
  EXPECT_EQ(text.err, "ecview-cli: warning: " + a + ": 程序段的校验值与内容不符\n" +
                          "ecview-cli: warning: " + b + ": 程序段的校验值与内容不符\n");
  EXPECT_NE(text.out.find("\n  + 新的\n      .子程序 新的, , 公开, \n"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("\n  ~ 取值（返回值类型）\n    - .子程序 取值, 整数型"), std::string::npos) << text.out;

  const test::CliResult js = Diff({"--json", a, b});
  EXPECT_EQ(js.status, 1);
  const json j = json::parse(js.out);
  std::vector<std::string> keys;
  for (const auto& [key, value] : j.items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"old", "new", "oldProblems", "newProblems", "info", "libraries", "added",
                                            "removed", "changed"}));
  EXPECT_EQ(j["oldProblems"], json::array({"程序段的校验值与内容不符"}));
  EXPECT_EQ(j["old"], (json{{"file", a}, {"name", ""}, {"version", "0.0"}}));
  EXPECT_EQ(j["added"], (json::array({{{"kind", "subroutine"}, {"container", ""}, {"name", "新的"}}})));
  EXPECT_EQ(j["removed"][0]["name"], "旧的");
  EXPECT_EQ(j["changed"], (json::array({{{"kind", "subroutine"}, {"container", ""}, {"name", "取值"},
                                         {"fields", {"returnType"}}}})));

  const test::CliResult html = Diff({"--html", a, b});
  EXPECT_EQ(html.status, 1);
  EXPECT_TRUE(html.out.starts_with("<!DOCTYPE html>"));
  EXPECT_NE(html.out.find("valign=\"top\"><div"), std::string::npos);

  const test::CliResult same = Diff({"--json", a, a});
  EXPECT_EQ(same.status, 0) << same.err;
  EXPECT_EQ(json::parse(same.out)["changed"], json::array());
  EXPECT_EQ(ReadFileBytes(a), aBytes);
  EXPECT_EQ(ReadFileBytes(b), bBytes);
}

// A module against a copy of it cut in half: the cut copy is named on
// standard error and in the JSON, the intact one has no problems.
TEST_F(DiffCommand, ADamagedInputIsNamed) {
  ModuleSegments segments;
  ProgramSegment program;
  for (int i = 0; i < 40; ++i) {
    SubroutineRecord s;
    s.entry.key = 0x04000001 + i;
    s.attributes = SubroutineRecord::kPublic;
    s.name = writer::G("子程序" + std::to_string(i));
    program.subroutines.push_back(std::move(s));
  }
  segments.program = program;
  const std::string whole = writer::BuildModule(segments);
  const std::string intact = dir_.File("intact.ec"), cut = dir_.File("cut.ec");
  ASSERT_TRUE(WriteFileBytes(intact, whole));
  ASSERT_TRUE(WriteFileBytes(cut, whole.substr(0, whole.size() / 2)));
  const test::CliResult r = Diff({"--json", intact, cut});
  EXPECT_EQ(r.status, 1);
  ASSERT_TRUE(r.err.starts_with("ecview-cli: warning: " + cut + ": 模块在第 ")) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  const json j = json::parse(r.out);
  EXPECT_EQ(j["oldProblems"], json::array());
  ASSERT_FALSE(j["newProblems"].empty());
  EXPECT_TRUE(j["newProblems"][0].get<std::string>().starts_with("模块在第 "));
}

TEST_F(DiffCommand, UnreadableFilesAndUsageErrorsExitWithTwo) {
  const std::string good = Module("good.ec", {{"甲", 0}});
  const std::string bad = dir_.File("bad.ec");
  ASSERT_TRUE(WriteFileBytes(bad, "CNWTXXXX"));

  const test::CliResult rejected = Diff({good, bad});
  EXPECT_EQ(rejected.status, 2);
  EXPECT_EQ(rejected.out, "");
  EXPECT_EQ(rejected.err, "ecview-cli: warning: " + good + ": 程序段的校验值与内容不符\n" +
                              "ecview-cli: cannot read " + bad + ": 头标志2错误\n");

  const test::CliResult missing = Diff({"--json", dir_.File("none.ec"), good});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("no such file"), std::string::npos) << missing.err;

  const std::vector<std::vector<std::string>> usages = {
      {}, {good}, {"--json", "--html", good, good}, {"--bogus", good, good}};
  for (const auto& usage : usages) EXPECT_EQ(Diff(usage).status, 2) << usage.size();
  const test::CliResult help = Diff({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Exit status"), std::string::npos);
}

TEST_F(DiffCommand, RealModuleAgainstProgramFile) {
  EC_SKIP_WITHOUT_CORPUS();
  for (const char* name : {"Super-PE.ec", "setup.e"}) std::filesystem::copy_file(test::CorpusDir() / name, dir_ / name);
  const test::CliResult r = Diff({"--json", dir_.File("Super-PE.ec"), dir_.File("setup.e")});
  EXPECT_EQ(r.status, 1) << r.err;
  const json j = json::parse(r.out);
  EXPECT_EQ(j["new"]["name"], "安装软件");
  EXPECT_EQ(j["libraries"].size(), 2u);  // krnln's version, xplib added
  EXPECT_EQ(j["changed"], json::array());
  EXPECT_GT(j["added"].size(), 20u);
}

}  // namespace
}  // namespace ec
