#include "search/module_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

namespace ec {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr char kSep = '\\';
#else
constexpr char kSep = '/';
#endif

class ModuleFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("ecview_list_" + std::to_string(std::random_device{}()));
    fs::create_directories(folder_ / "sub");
    fs::create_directories(folder_ / "folder.ec");
    for (const char* name : {"a.ec", "B.EC", "c.Ec", "notes.txt", "取文本.ec", "x.ecx", "sub/inner.ec"})
      std::ofstream(folder_ / fs::path(std::u8string(reinterpret_cast<const char8_t*>(name)))) << "x";
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Folder() const {
    const std::u8string text = folder_.u8string();
    return std::string(text.begin(), text.end());
  }

  static std::vector<std::string> Sorted(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
  }

  fs::path folder_;
};

TEST_F(ModuleFilesTest, ListsMatchingFilesOfTheFolderOnly) {
  const std::string f = Folder() + kSep;
  std::vector<std::string> out = {"stale"};
  ListModuleFiles(Folder(), "*.ec", out);
  EXPECT_EQ(Sorted(out), Sorted({f + "B.EC", f + "a.ec", f + "c.Ec", f + "取文本.ec"}));

  // A trailing separator is not doubled.
  std::vector<std::string> again;
  ListModuleFiles(f, "*.ec", again);
  EXPECT_EQ(Sorted(again), Sorted(out));
}

TEST_F(ModuleFilesTest, SeveralPatternsAreListedInTurn) {
  const std::string f = Folder() + kSep;
  std::vector<std::string> out;
  ListModuleFiles(Folder(), "*.txt|?.EC", out);
  ASSERT_EQ(out.size(), 4u);
  EXPECT_EQ(out[0], f + "notes.txt");
  EXPECT_EQ(Sorted({out[1], out[2], out[3]}), Sorted({f + "B.EC", f + "a.ec", f + "c.Ec"}));

  // A file that two patterns take is listed twice; empty pieces take nothing.
  ListModuleFiles(Folder(), "a.*||*.EC", out);
  EXPECT_EQ(std::count(out.begin(), out.end(), f + "a.ec"), 2);
  EXPECT_EQ(out.size(), 5u);

  // No pattern means every file, folders still left out.
  ListModuleFiles(Folder(), "", out);
  EXPECT_EQ(out.size(), 6u);
  EXPECT_EQ(std::count(out.begin(), out.end(), f + "folder.ec"), 0);
}

TEST_F(ModuleFilesTest, MissingFolderAndRootFolder) {
  std::vector<std::string> out = {"stale"};
  ListModuleFiles(Folder() + kSep + "missing", "*.ec", out);
  EXPECT_TRUE(out.empty());
  ListModuleFiles(Folder() + kSep + "a.ec", "*.*", out);  // a file, not a folder
  EXPECT_TRUE(out.empty());

  std::vector<std::string> root;
  ListModuleFiles("", "*", out);
  ListModuleFiles(std::string(1, kSep), "*", root);
  EXPECT_EQ(Sorted(out), Sorted(root));
  for (const std::string& path : out) EXPECT_EQ(path.rfind(kSep), 0u) << path;
}

TEST(WildcardMatchesFileName, StarQuestionMarkAndCase) {
  EXPECT_TRUE(WildcardMatchesFileName("*.ec", "X.EC"));
  EXPECT_TRUE(WildcardMatchesFileName("*.ec", ".ec"));
  EXPECT_FALSE(WildcardMatchesFileName("*.ec", "x.ecx"));
  EXPECT_FALSE(WildcardMatchesFileName("*.ec", "x.e"));
  EXPECT_TRUE(WildcardMatchesFileName("*.*", "README"));
  EXPECT_TRUE(WildcardMatchesFileName("?.ec", "取.ec"));  // ? takes one character
  EXPECT_FALSE(WildcardMatchesFileName("?.ec", "ab.ec"));
  EXPECT_TRUE(WildcardMatchesFileName("a*b*c", "aXbYbZc"));
  EXPECT_FALSE(WildcardMatchesFileName("a*b*c", "aXbYbZ"));
  EXPECT_TRUE(WildcardMatchesFileName("**", ""));
}

}  // namespace
}  // namespace ec
