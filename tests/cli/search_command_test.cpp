#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/cli_runner.h"
#include "tests/support/temp_dir.h"
#include "tests/support/corpus.h"

namespace ec {
namespace {

namespace fs = std::filesystem;

class SearchCommand : public testing::Test {
 protected:
  void SetUp() override {
    EC_SKIP_WITHOUT_CORPUS();
    for (const char* name : {"Super-PE.ec", "Super-EAsm.ec", "setup.e"})
      fs::copy_file(test::CorpusDir() / name, dir_.path() / name);
    fs::copy_file(fs::path(EC_SOURCE_DIR) / "examples/sample.ec", dir_.path() / "SAMPLE.EC");
    fs::create_directory(dir_.path() / "sub.ec");
  }
  test::CliResult Search(const std::string& arguments) const {
    return test::RunCli("search '" + dir_.path().string() + "' " + arguments);
  }
  test::TempDir dir_;
};

TEST_F(SearchCommand, ListsHitsPerModuleWithIndentedGroups) {
  const test::CliResult r = Search("pe_");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("Super-PE\n  子程序(16)\n    PE_加入数据\n", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("  全局变量(2)\n    PE_IATAddr\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("setup"), std::string::npos);  // modules without hits are left out; .e is no module
}

TEST_F(SearchCommand, PinyinInitialsKindsAndExitStatus) {
  const test::CliResult initials = Search("qwb --kinds subroutines");
  EXPECT_EQ(initials.status, 0);
  EXPECT_EQ(initials.out, "SAMPLE\n  子程序(2)\n    取文本中间\n    快速取文本\n");
  EXPECT_EQ(Search("'*缓冲区' --kinds classes").out, "SAMPLE\n  类_文本缓冲区\n");
  EXPECT_EQ(Search("nothing_like_this").status, 1);
  EXPECT_EQ(Search("x --kinds bogus").status, 2);
  EXPECT_EQ(test::RunCli("search '" + dir_.File("missing") + "' x").status, 2);
}

}  // namespace
}  // namespace ec
