// The names index kept between runs: used after a restart, invalidated by a
// change of size or time, bounded like the cache, and ignored with a warning
// when damaged or of another version.
#include "search/names_index.h"

#include <gtest/gtest.h>

#include "search/folder_search.h"
#include "support/file_bytes.h"
#include "tests/support/temp_dir.h"
#include "tools/module_writer/large_module.h"

namespace ec {
namespace {

class NamesIndexTest : public testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 4; ++i) Write("m" + std::to_string(i) + ".ec", i + 1);
    index_ = dir_.path() / "cache" / "names.index";
  }
  void Write(const std::string& name, int programSets) {
    const std::string path = dir_.File(name);
    ASSERT_TRUE(WriteFileBytes(path, writer::LargeModuleBytes({.programSets = programSets, .subroutinesPerSet = 3})));
    if (std::find(files_.begin(), files_.end(), path) == files_.end()) files_.push_back(path);
  }
  // Searches every file; answers how many were read and the hits.
  std::pair<size_t, int> Search(NamesCache& cache) {
    FolderSearch search({.files = files_, .text = "*", .kinds = {}, .readOnly = true, .jobs = 2}, cache);
    int hits = 0;
    while (auto outcome = search.WaitNext()) hits += outcome->result.hitCount;
    return {search.ModulesRead(), hits};
  }
  std::string Saved() {
    NamesCache cache;
    Search(cache);
    EXPECT_EQ(SaveNamesIndex(index_, cache), "");
    return *ReadFileBytes(index_);
  }
  test::TempDir dir_;
  std::vector<std::string> files_;
  std::filesystem::path index_;
};

TEST_F(NamesIndexTest, UsedAfterARestartUntilSizeOrTimeChange) {
  NamesCache first;
  const auto [read, hits] = Search(first);
  EXPECT_EQ(read, 4u);
  EXPECT_EQ(LoadNamesIndex(index_, first), "");  // no file yet: nothing to say
  ASSERT_EQ(SaveNamesIndex(index_, first), "");
  // Replaced in one step: no temporary file stays behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(index_.parent_path()), {}), 1);

  NamesCache restarted;
  ASSERT_EQ(LoadNamesIndex(index_, restarted), "");
  EXPECT_EQ(restarted.Size(), 4u);
  EXPECT_EQ(Search(restarted), std::make_pair(size_t{0}, hits));

  // A new modification time, then a new size: only that module is read again.
  const std::filesystem::path touched = files_[1];
  std::filesystem::last_write_time(touched, std::filesystem::last_write_time(touched) + std::chrono::seconds(5));
  Write("m3.ec", 9);
  NamesCache again;
  ASSERT_EQ(LoadNamesIndex(index_, again), "");
  const auto [readAgain, hitsAgain] = Search(again);
  EXPECT_EQ(readAgain, 2u);
  EXPECT_GT(hitsAgain, hits);

  // Bounded like the cache: a small one keeps only what fits.
  NamesCache small(again.Bytes() / 2);
  ASSERT_EQ(LoadNamesIndex(index_, small), "");
  EXPECT_LT(small.Size(), 4u);
  EXPECT_LE(small.Bytes(), again.Bytes() / 2);
}

TEST_F(NamesIndexTest, DamagedOrForeignFilesAreIgnoredWithAWarning) {
  const std::string good = Saved();
  const auto loads = [&](const std::string& bytes) {
    EXPECT_TRUE(WriteFileBytes(index_, bytes));
    NamesCache cache;
    const std::string why = LoadNamesIndex(index_, cache);
    EXPECT_EQ(cache.Size(), 0u) << why;
    return why;
  };
  std::string flipped = good;
  flipped[good.size() / 2] ^= 0x20;
  EXPECT_NE(loads(flipped).find("damaged"), std::string::npos);
  EXPECT_NE(loads(good.substr(0, good.size() - 3)).find("damaged"), std::string::npos);
  EXPECT_EQ(loads("just some text"), "not a names index");
  EXPECT_EQ(loads(""), "not a names index");

  // Another version, with a matching check value: its layout is not trusted.
  std::string other = good.substr(0, good.size() - 8);
  other[8] = 2;
  uint64_t hash = 14695981039346656037ull;
  for (const char c : other) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  for (int i = 0; i < 8; ++i) other.push_back(static_cast<char>(hash >> (8 * i)));
  EXPECT_EQ(loads(other), "of another version (2)");

  // A count that claims more entries than the bytes can hold costs nothing.
  std::string huge = good.substr(0, good.size() - 8);
  for (int i = 12; i < 16; ++i) huge[i] = '\xff';
  hash = 14695981039346656037ull;
  for (const char c : huge) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  for (int i = 0; i < 8; ++i) huge.push_back(static_cast<char>(hash >> (8 * i)));
  EXPECT_NE(loads(huge).find("damaged"), std::string::npos);
}

}  // namespace
}  // namespace ec
