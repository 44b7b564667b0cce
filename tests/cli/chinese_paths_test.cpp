// Modules in folders and files with Chinese names: every subcommand reads
// them as it reads an ASCII path (on Windows this goes through the wide API).
#include <gtest/gtest.h>

#include <filesystem>

#include "support/file_bytes.h"
#include "support/utf8_path.h"
#include "tests/support/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

namespace fs = std::filesystem;

class ChinesePaths : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(temp_ / "易语言模块");
    fs::create_directories(temp_ / "ascii");
    fs::copy_file(fs::path(EC_SOURCE_DIR) / "examples/sample.ec", temp_ / "易语言模块/文本处理.ec");
    fs::copy_file(fs::path(EC_SOURCE_DIR) / "examples/sample.ec", temp_ / "ascii/sample.ec");
  }
  test::TempDir temp_;
  const std::string chinese_ = temp_.File("易语言模块/文本处理.ec");
  const std::string ascii_ = temp_.File("ascii/sample.ec");
};

TEST_F(ChinesePaths, DumpAndSegmentsReadTheModule) {
  for (std::vector<std::string> command : {std::vector<std::string>{"dump"}, {"dump", "--json"}, {"segments"}}) {
    command.push_back(ascii_);
    const test::CliResult expected = test::RunCli(command);
    command.back() = chinese_;
    const test::CliResult r = test::RunCli(command);
    EXPECT_EQ(r.status, 0) << command[0] << ": " << r.err;
    EXPECT_GT(r.out.size(), 100u) << command[0];
    EXPECT_EQ(r.out, expected.out) << command[0];
  }
  const std::string html = temp_.File("易语言模块/说明.html");
  EXPECT_EQ(test::RunCli({"dump", "--html", "-o", html, chinese_}).status, 0);
  EXPECT_TRUE(ReadFileBytes(PathFromUtf8(html)).value_or("").starts_with("<!DOCTYPE html>"));
}

TEST_F(ChinesePaths, SearchListsTheFolderAndNamesModulesByTheirFileName) {
  const test::CliResult r = test::RunCli({"search", temp_.File("易语言模块"), "qwb", "--kinds", "subroutines"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "文本处理\n  子程序(2)\n    取文本中间\n    快速取文本\n");
  EXPECT_EQ(test::RunCli({"search", temp_.File("无此目录"), "qwb"}).status, 2);
}

}  // namespace
}  // namespace ec
