#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>

#include "support/file_bytes.h"
#include "support/utf8_path.h"
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
  test::CliResult Search(std::vector<std::string> arguments) const {
    arguments.insert(arguments.begin(), {"search", dir_.path().string()});
    return test::RunCli(arguments);
  }
  test::TempDir dir_;
};

TEST_F(SearchCommand, ListsHitsPerModuleWithIndentedGroups) {
  const test::CliResult r = Search({"pe_"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("Super-PE\n  子程序(16)\n    PE_加入数据\n", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("  全局变量(2)\n    PE_IATAddr\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("setup"), std::string::npos);  // modules without hits are left out; .e is no module
}

TEST_F(SearchCommand, PinyinInitialsKindsAndExitStatus) {
  const test::CliResult initials = Search({"qwb", "--kinds", "subroutines"});
  EXPECT_EQ(initials.status, 0);
  EXPECT_EQ(initials.out, "SAMPLE\n  子程序(2)\n    取文本中间\n    快速取文本\n");
  EXPECT_EQ(Search({"*缓冲区", "--kinds", "classes"}).out, "SAMPLE\n  类_文本缓冲区\n");
  EXPECT_EQ(Search({"nothing_like_this"}).status, 1);
  EXPECT_EQ(Search({"x", "--kinds", "bogus"}).status, 2);
  EXPECT_EQ(test::RunCli({"search", dir_.File("missing"), "x"}).status, 2);
}

// --in widens what is compared; --programs adds the .e files, left out by default.
TEST_F(SearchCommand, ScopesAndPrograms) {
  const test::CliResult names = Search({"编码读入", "--kinds", "subroutines"});
  EXPECT_EQ(names.status, 1) << names.out;
  EXPECT_EQ(Search({"编码读入", "--kinds", "subroutines", "--in", "remarks"}).out,
            "SAMPLE\n  子程序(1)\n    读入文本文件\n      备注：以 GBK 编码读入整个文本文件\n");
  EXPECT_EQ(Search({"窗口句柄", "--kinds", "dll", "--in", "remarks"}).status, 1);
  EXPECT_EQ(Search({"窗口句柄", "--kinds", "dll", "--in", "params"}).out,
            "SAMPLE\n  DLL命令(1)\n    信息框_API\n      参数 窗口句柄\n");
  const auto doc = nlohmann::json::parse(Search({"--json", "--in", "params", "接收分割"}).out);
  ASSERT_EQ(doc["modules"].size(), 1u);
  EXPECT_EQ(doc["modules"][0]["groups"][0]["details"], nlohmann::json::array({"参数 结果数组：接收分割结果"}));
  EXPECT_FALSE(nlohmann::json::parse(Search({"--json", "取文本"}).out)["modules"][0]["groups"][0].contains("details"));
  EXPECT_EQ(Search({"x", "--in", "bodies"}).status, 2);

  const std::string without = Search({"*"}).out;
  const std::string with = Search({"*", "--programs"}).out;
  EXPECT_EQ(without.find("\nsetup\n"), std::string::npos);
  EXPECT_NE(with.find("\nsetup\n"), std::string::npos) << with.substr(0, 300);
}

// The names index lives in the user's cache folder; --no-cache leaves it
// alone, and a damaged one is ignored with a warning, the results unchanged.
TEST(SearchCommandForms, NamesIndexInTheCacheFolder) {
  test::TempDir dir;
  fs::copy_file(fs::path(EC_SOURCE_DIR) / "examples/sample.ec", dir.path() / "a.ec");
  const std::string folder = Utf8FromPath(dir.path() / "."), cache = Utf8FromPath(dir.path() / "cache");
  const ChildProcessOptions options{.environment = {{"XDG_CACHE_HOME", cache}, {"LOCALAPPDATA", cache}}};
  const fs::path index = dir.path() / "cache" / "ecview" / "names.index";
  const std::string expected = "a\n  子程序(2)\n    取文本中间\n    快速取文本\n";
  const std::vector<std::string> search = {"search", folder, "qwb", "--kinds", "subroutines"};

  std::vector<std::string> uncached = search;
  uncached.push_back("--no-cache");
  EXPECT_EQ(test::RunCli(uncached, options).out, expected);
  EXPECT_FALSE(fs::exists(index));
  const test::CliResult first = test::RunCli(search, options);
  EXPECT_EQ(first.out, expected);
  EXPECT_EQ(first.err, "");
  ASSERT_TRUE(fs::exists(index));
  EXPECT_EQ(test::RunCli(search, options).out, expected);

  fs::resize_file(index, fs::file_size(index) - 1);
  const test::CliResult damaged = test::RunCli(search, options);
  EXPECT_EQ(damaged.out, expected);
  EXPECT_NE(damaged.err.find("warning: names index"), std::string::npos) << damaged.err;
  EXPECT_EQ(test::RunCli(search, options).err, "");  // written anew
}

// JSON, subfolders and the number of workers: the same hits, in the same
// order, whatever the form.
TEST(SearchCommandForms, JsonRecursiveAndJobs) {
  test::TempDir dir;
  const fs::path sample = fs::path(EC_SOURCE_DIR) / "examples/sample.ec";
  fs::copy_file(sample, dir.path() / "a.ec");
  fs::create_directories(dir.path() / "sub" / "deeper");
  fs::copy_file(sample, dir.path() / "sub" / "deeper" / "b.ec");
  const std::string folder = Utf8FromPath(dir.path());

  EXPECT_EQ(test::RunCli({"search", folder, "qwb", "--kinds", "subroutines"}).out, "a\n  子程序(2)\n    取文本中间\n    快速取文本\n");
  const test::CliResult deep = test::RunCli({"search", "--recursive", "--jobs", "1", folder, "qwb", "--kinds", "subroutines"});
  EXPECT_EQ(deep.out, "a\n  子程序(2)\n    取文本中间\n    快速取文本\n"
                      "sub/deeper/b\n  子程序(2)\n    取文本中间\n    快速取文本\n");
  const test::CliResult json = test::RunCli({"search", "--json", "--recursive", folder, "*缓冲区"});
  ASSERT_EQ(json.status, 0) << json.err;
  const auto doc = nlohmann::json::parse(json.out);
  ASSERT_EQ(doc["modules"].size(), 2u);
  EXPECT_EQ(doc["modules"][1]["module"], "sub/deeper/b");
  EXPECT_EQ(doc["modules"][0]["hits"], 1);
  EXPECT_EQ(doc["modules"][0]["groups"][0]["text"], "类_文本缓冲区");
  EXPECT_EQ(doc["modules"][0]["groups"][0]["bareClass"], true);
  EXPECT_EQ(test::RunCli({"search", "--jobs", "0", folder, "x"}).status, 2);
}

// Modules that cannot be read, or only in part, are named once each on
// standard error and listed in the JSON; the others are searched as usual.
TEST(SearchCommandForms, DamagedAndUnreadableModulesAreNamed) {
  test::TempDir dir;
  const fs::path sample = fs::path(EC_SOURCE_DIR) / "examples/sample.ec";
  fs::copy_file(sample, dir.path() / "a.ec");
  const std::string bytes = ReadFileBytes(sample).value_or("");
  ASSERT_TRUE(WriteFileBytes(dir.path() / "b_cut.ec", bytes.substr(0, bytes.size() / 2)));
  ASSERT_TRUE(WriteFileBytes(dir.path() / "c_text.ec", "not a module at all"));
  const std::string folder = Utf8FromPath(dir.path());
  const test::CliResult text = test::RunCli({"search", folder, "qwb", "--kinds", "subroutines"});
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("a\n  子程序(2)\n"), std::string::npos) << text.out;
  EXPECT_EQ(std::count(text.err.begin(), text.err.end(), '\n'), 2) << text.err;
  EXPECT_NE(text.err.find("b_cut.ec: 模块在第 "), std::string::npos) << text.err;
  EXPECT_NE(text.err.find("c_text.ec: 不是易模块文件（头标志1错误）"), std::string::npos) << text.err;
  const auto doc = nlohmann::json::parse(test::RunCli({"search", "--json", folder, "qwb"}).out);
  ASSERT_EQ(doc["problems"].size(), 2u);  // in the folder's own order
  const auto& text_module = doc["problems"][0]["path"] == Utf8FromPath(dir.path() / "c_text.ec") ? doc["problems"][0]
                                                                                                 : doc["problems"][1];
  EXPECT_EQ(text_module["path"], Utf8FromPath(dir.path() / "c_text.ec"));
  EXPECT_EQ(text_module["problems"], nlohmann::json::array({"不是易模块文件（头标志1错误）"}));
}

// Modules come in natural order of their file names in text and JSON, not in
// the order the folder lists them.
TEST(SearchCommandForms, ModulesInNaturalOrder) {
  test::TempDir dir;
  const fs::path sample = fs::path(EC_SOURCE_DIR) / "examples/sample.ec";
  for (const char* name : {"10_x.ec", "2_x.ec", "1_x.ec", "B_x.ec", "a_x.ec"}) fs::copy_file(sample, dir.path() / name);
  const std::string folder = Utf8FromPath(dir.path());
  const test::CliResult text = test::RunCli({"search", folder, "快速取文本", "--kinds", "subroutines"});
  EXPECT_EQ(text.out,
            "1_x\n  子程序(1)\n    快速取文本\n2_x\n  子程序(1)\n    快速取文本\n"
            "10_x\n  子程序(1)\n    快速取文本\na_x\n  子程序(1)\n    快速取文本\n"
            "B_x\n  子程序(1)\n    快速取文本\n");
  const auto doc = nlohmann::json::parse(test::RunCli({"search", "--json", folder, "快速取文本"}).out);
  std::vector<std::string> modules;
  for (const auto& m : doc["modules"]) modules.push_back(m["module"]);
  EXPECT_EQ(modules, (std::vector<std::string>{"1_x", "2_x", "10_x", "a_x", "B_x"}));
}

}  // namespace
}  // namespace ec
