// Runs the built `ecview-cli dump` on copies of real modules and on damaged
// files, and reads back its JSON and exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "support/file_bytes.h"
#include "tests/support/cli_runner.h"
#include "tools/module_writer/module_writer.h"
#include "tests/support/temp_dir.h"
#include "tests/support/corpus.h"

namespace ec {
namespace {

namespace fs = std::filesystem;
using json = nlohmann::ordered_json;

class DumpCommand : public testing::Test {
 protected:
  static test::CliResult Run(const std::vector<std::string>& arguments) { return test::RunCli(arguments); }
  std::string Copy(const std::string& name) const {
    const std::string path = dir_.File(name);
    fs::copy_file(test::CorpusDir() / name, path);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    return path;
  }
  std::string WriteModule(const std::string& name, std::string_view bytes) const {
    const std::string path = dir_.File(name);
    EXPECT_TRUE(WriteFileBytes(path, bytes));
    return path;
  }
  static json Parse(const test::CliResult& r) {
    json j = json::parse(r.out, nullptr, false);
    EXPECT_FALSE(j.is_discarded()) << r.out.substr(0, 200);
    return j;
  }
  test::TempDir dir_;
};

TEST_F(DumpCommand, SuperPEAsJson) {
  EC_SKIP_WITHOUT_CORPUS();
  const test::CliResult r = Run({"dump", "--json", Copy("Super-PE.ec")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const json j = Parse(r);
  std::vector<std::string> keys;
  for (const auto& [key, value] : j.items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"ok", "lastReadError", "complete", "checksMatch", "problems", "info", "support",
                                            "subroutineGroups", "classes", "dataTypes", "dllCommands",
                                            "constants", "globals"}));
  EXPECT_EQ(j["ok"], true);
  EXPECT_EQ(j["complete"], true);  // its unknown segment "易包信息段1" is no problem
  EXPECT_EQ(j["checksMatch"], true);
  EXPECT_EQ(j["problems"], json::array());
  EXPECT_EQ(j["subroutineGroups"][1]["subroutines"].size(), 2u);
  EXPECT_EQ(j["globals"][1], (json{{"name", "PE_DataAddr"}, {"remarks", "'没啥用,给以前写过的代码准备的"},
                                   {"type", "整数型"}, {"dimensions", json::array()}}));
}

TEST_F(DumpCommand, ConstantValuesOfEveryKind) {
  EC_SKIP_WITHOUT_CORPUS();
  const json j = Parse(Run({"dump", "--json", Copy("mksetup.e")}));
  std::map<std::string, json> byName;
  for (const json& c : j["constants"]) byName[c["name"]] = c["value"];
  EXPECT_EQ(byName["左图"], (json{{"kind", "bytes"}, {"length", 14623}}));
  EXPECT_EQ(byName["安装文件后缀"], (json{{"kind", "text"}, {"value", "log"}}));
  EXPECT_EQ(byName["安装文件标志"], (json{{"kind", "number"}, {"value", 45872376.0}}));
}

TEST_F(DumpCommand, RejectedMissingAndUsage) {
  const test::CliResult rejected = Run({"dump", "--json", WriteModule("bad.ec", "CNWTXXXX")});
  EXPECT_EQ(rejected.status, 1);
  const json j = Parse(rejected);
  EXPECT_EQ(j["ok"], false);
  EXPECT_EQ(j["lastReadError"], "头标志2错误");
  EXPECT_EQ(j["subroutineGroups"], json::array());
  EXPECT_EQ(j["info"]["versionMajor"], 0);
  EXPECT_EQ(j["complete"], false);
  EXPECT_EQ(j["problems"], (json{"不是易模块文件（头标志2错误）"}));
  EXPECT_EQ(rejected.err, "ecview-cli: warning: 不是易模块文件（头标志2错误）\necview-cli: module rejected: 头标志2错误\n");

  const test::CliResult missing = Run({"dump", "--json", dir_.File("none.ec")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("no such file"), std::string::npos) << missing.err;
  const test::CliResult folder = Run({"dump", dir_.path().string()});
  EXPECT_EQ(folder.status, 2);
  EXPECT_NE(folder.err.find("a folder, not a module file"), std::string::npos) << folder.err;
  const test::CliResult unknown = Run({"bogus"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("unknown subcommand \"bogus\"; the subcommands are segments, dump, associate, search, diff"),
            std::string::npos)
      << unknown.err;

  EXPECT_EQ(Run({"dump"}).status, 2);
  EXPECT_EQ(Run({"dump", "--json", "--bogus", "x.ec"}).status, 2);
  const test::CliResult help = Run({"dump", "--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* option : {"--json", "--repair", "FILE", "Exit status"})
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

TEST_F(DumpCommand, ACutModuleWarnsInEveryForm) {
  ModuleSegments segments;
  segments.userInfo = UserInfoRecord{.name = writer::G("模块")};
  segments.program = ProgramSegment{};
  segments.program->dllCommands.push_back({{1, 0}, 0, 0, writer::G("命令"), "", "", "", {}});
  const std::string whole = writer::BuildModule(segments);
  const std::string path = WriteModule("cut.ec", whole.substr(0, whole.size() - 130));
  const std::string warning = "ecview-cli: warning: 模块在第 " + std::to_string(whole.size() - 130) + " 字节处被截断";
  for (const std::vector<std::string>& form : {std::vector<std::string>{"--json"}, {"--html"}, {}}) {
    std::vector<std::string> arguments = {"dump"};
    arguments.insert(arguments.end(), form.begin(), form.end());
    arguments.push_back(path);
    const test::CliResult r = Run(arguments);
    EXPECT_EQ(r.status, 0) << arguments.size();
    EXPECT_EQ(r.err.rfind(warning, 0), 0u) << r.err;
    // The cut, and the list of DLL commands it ends inside.
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
    EXPECT_NE(r.err.find("“程序段”在列表中结束：DLL命令应有 1 个，只读到 0 个完整的"), std::string::npos) << r.err;
  }
  const json j = Parse(Run({"dump", "--json", path}));
  EXPECT_EQ(j["complete"], false);
  ASSERT_EQ(j["problems"].size(), 2u);
  EXPECT_EQ(j["info"]["name"], "模块");  // what was read is still there
}

TEST_F(DumpCommand, RepairsOnlyWhenAsked) {
  ModuleSegments segments;
  segments.program = ProgramSegment{};
  segments.program->dllCommands.push_back({{1, 0}, 0, 0, writer::G("命令"), "", "", "", {}});
  writer::SegmentToWrite program = writer::Segment("程序段", writer::ProgramSegmentBlock(*segments.program));
  program.wrongDataCheck = true;
  const std::string bytes = writer::ModuleWriter().Add(program).Build();
  const std::string path = WriteModule("damaged.ec", bytes);

  // Whole but altered: complete, yet its check values do not match, and it says so.
  const test::CliResult readOnly = Run({"dump", "--json", path});
  EXPECT_EQ(readOnly.status, 0);
  const json j = Parse(readOnly);
  EXPECT_EQ(j["dllCommands"][0]["name"], "命令");
  EXPECT_EQ(j["complete"], true);
  EXPECT_EQ(j["checksMatch"], false);
  EXPECT_EQ(j["problems"], json::array({"程序段的校验值与内容不符"}));
  EXPECT_EQ(readOnly.err, "ecview-cli: warning: 程序段的校验值与内容不符\n");
  EXPECT_EQ(ReadFileBytes(path), bytes);

  const test::CliResult repaired = Run({"dump", "--json", "--repair", path});
  EXPECT_EQ(repaired.status, 0);
  EXPECT_EQ(Parse(repaired)["problems"], json::array({"程序段的校验值与内容不符（已写回修正值）"}));
  EXPECT_NE(ReadFileBytes(path), bytes);
  EXPECT_EQ(ReadFileBytes(path).value_or("").size(), bytes.size());
}

TEST_F(DumpCommand, HostileFilesNeverCrash) {
  EC_SKIP_WITHOUT_CORPUS();
  const std::string module = ReadFileBytes(Copy("mksetup.e")).value_or("");
  std::vector<std::string> files = {"", "CNWTEPRG", std::string(4096, '\xff')};
  for (size_t cut : {9u, 20u, 107u, 108u, 1000u, 30000u, 100000u}) files.push_back(module.substr(0, cut));
  // Counts of two billion in every list of a program segment and a resource segment.
  std::string huge(64, '\0');
  for (size_t i = 0; i < huge.size(); i += 4) huge.replace(i, 4, "\xff\xff\xff\x7f");
  files.push_back(writer::ModuleWriter()
                      .Add(writer::Segment("程序段", huge))
                      .Add(writer::Segment("程序资源段", huge))
                      .Add(writer::Segment("用户信息段", huge))
                      .Build());
  writer::SegmentToWrite flagged = writer::Segment("程序段", huge);
  flagged.nodeFlag = 0x12345678;
  files.push_back(writer::ModuleWriter().Add(flagged).Build());
  for (size_t i = 0; i < files.size(); ++i) {
    const test::CliResult r = Run({"dump", "--json", WriteModule("hostile" + std::to_string(i) + ".ec", files[i])});
    EXPECT_TRUE(r.status == 0 || r.status == 1) << i << ": " << r.status << ' ' << r.err;
    EXPECT_TRUE(Parse(r).is_object()) << i;
  }
}

}  // namespace
}  // namespace ec
