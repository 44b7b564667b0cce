#include "search/module_files.h"

#include "support/natural_order.h"

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

// Whatever order the listing gave, the same natural order comes out: numbers
// by value (also past 64 bits and with leading zeros), letters without regard
// to case, a folder's files before its subfolders', subfolders in natural
// order too.
TEST(SortNaturally, OneOrderWhateverTheListingOrder) {
  const std::string d = std::string("mods") + kSep;
  const std::vector<std::string> natural = {d + "1_a.ec",
                                            d + "02_a.ec",
                                            d + "2_a.ec",
                                            d + "10_a.ec",
                                            d + "99999999999999999999_a.ec",
                                            d + "100000000000000000000_a.ec",
                                            d + "b.ec",
                                            d + "C.ec",
                                            d + "取文本.ec",
                                            d + "sub2" + kSep + "x.ec",
                                            d + "sub2" + kSep + "deep" + kSep + "y.ec",
                                            d + "sub10" + kSep + "a.ec"};
  std::vector<std::string> paths = natural;
  std::mt19937 shuffle(7);
  for (int round = 0; round < 20; ++round) {
    std::shuffle(paths.begin(), paths.end(), shuffle);
    SortNaturally(paths);
    ASSERT_EQ(paths, natural);
  }
  EXPECT_GT(NaturalCompare("a", "A"), 0);  // different texts never tie
  EXPECT_EQ(NaturalCompare("x10", "x10"), 0);
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
