// The folder search on worker threads: results in file-list order whatever
// finishes first, the same results as searching one module at a time, names
// of unchanged modules taken from the cache, and stopping.
#include "search/folder_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/module_analysis.h"
#include "support/file_bytes.h"
#include "tests/support/corpus.h"
#include "tests/support/temp_dir.h"
#include "tools/module_writer/large_module.h"
#include "tools/module_writer/module_writer.h"

namespace ec {
namespace {

class FolderSearchTest : public testing::Test {
 protected:
  void SetUp() override {
    // A big module first, so that the small ones after it finish before it.
    files_.push_back(Write("big.ec", {.programSets = 200, .subroutinesPerSet = 50}));
    for (int i = 0; i < 6; ++i) files_.push_back(Write("small" + std::to_string(i) + ".ec", Small(i + 1)));
    files_.push_back(dir_.File("missing.ec"));
  }
  static writer::LargeModuleShape Small(int programSets) {
    return {.programSets = programSets, .subroutinesPerSet = 4, .parametersPerSubroutine = 1};
  }
  std::string Write(const std::string& name, const writer::LargeModuleShape& shape) {
    const std::string path = dir_.File(name);
    EXPECT_TRUE(WriteFileBytes(path, writer::LargeModuleBytes(shape)));
    return path;
  }
  FolderSearchRequest Request(const std::string& text) const {
    return {.files = files_, .text = text, .kinds = {}, .readOnly = true, .jobs = 3};
  }
  test::TempDir dir_;
  std::vector<std::string> files_;
};

TEST_F(FolderSearchTest, OutcomesComeInFileListOrderWithTheSameHitsAsOneByOne) {
  NamesCache cache;
  FolderSearch search(Request("1"), cache);
  std::vector<ModuleOutcome> outcomes;
  while (auto outcome = search.WaitNext()) outcomes.push_back(std::move(*outcome));
  ASSERT_EQ(outcomes.size(), files_.size());
  NameMatcher matcher("1");
  for (size_t i = 0; i < outcomes.size(); ++i) {
    EXPECT_EQ(outcomes[i].index, i);
    ModuleModel model;
    analyseModule(files_[i], model, {.readOnly = true});
    const ModuleSearchResult alone = SearchModule(NamesOf(model), matcher, {});
    EXPECT_EQ(outcomes[i].result.hitCount, alone.hitCount) << files_[i];
    ASSERT_EQ(outcomes[i].result.groups.size(), alone.groups.size()) << files_[i];
    for (size_t g = 0; g < alone.groups.size(); ++g) EXPECT_EQ(outcomes[i].result.groups[g].names, alone.groups[g].names);
  }
  EXPECT_GT(outcomes[0].result.hitCount, 0);
  EXPECT_EQ(outcomes.back().result.hitCount, 0);  // the missing file: no names
  EXPECT_TRUE(search.Finished());
  EXPECT_EQ(search.ModulesRead(), files_.size() - 1);
}

TEST_F(FolderSearchTest, UnchangedModulesAreNotReadAgain) {
  NamesCache cache;
  { FolderSearch first(Request("x"), cache); while (first.WaitNext()) {} }
  FolderSearch again(Request("y"), cache);
  while (again.WaitNext()) {}
  EXPECT_EQ(again.ModulesRead(), 0u);

  // A changed module is read again, the others still come from the cache.
  Write("small2.ec", Small(9));
  FolderSearch changed(Request("y"), cache);
  while (changed.WaitNext()) {}
  EXPECT_EQ(changed.ModulesRead(), 1u);

  // Names read without their remarks do not serve a search of remarks; names
  // read with them serve every scope.
  FolderSearchRequest remarks = Request("y");
  remarks.scope = SearchScope::Remarks;
  FolderSearch wider(remarks, cache);
  while (wider.WaitNext()) {
  }
  EXPECT_EQ(wider.ModulesRead(), files_.size() - 1);
  FolderSearch narrower(Request("y"), cache);
  while (narrower.WaitNext()) {
  }
  EXPECT_EQ(narrower.ModulesRead(), 0u);

  // A cache too small for a module keeps nothing and still answers.
  NamesCache tiny(16);
  FolderSearch uncached(Request("y"), tiny);
  while (uncached.WaitNext()) {}
  EXPECT_EQ(tiny.Size(), 0u);
}

// A search that may write repairs a module's check values once: the names are
// kept under the repaired file's stamp, and the next search takes them from the cache.
TEST_F(FolderSearchTest, ARepairedModuleIsKeptUnderItsNewStamp) {
  auto bad = writer::Segment("程序段", writer::ProgramSegmentBlock({}));
  bad.wrongDataCheck = true;
  const std::string path = dir_.File("repaired.ec");
  const std::string bytes = writer::ModuleWriter().Add(bad).Build();
  ASSERT_TRUE(WriteFileBytes(path, bytes));
  FolderSearchRequest request{.files = {path}, .text = "x", .kinds = {}, .readOnly = false, .jobs = 1};
  NamesCache cache;
  for (const size_t expectedReads : {1u, 0u}) {
    FolderSearch search(request, cache);
    while (search.WaitNext()) {}
    EXPECT_EQ(search.ModulesRead(), expectedReads);
  }
  EXPECT_NE(ReadFileBytes(path), bytes);  // the first search did rewrite the file
}

// The viewer's search repairs only modules read whole. A read for names steps
// over parameter pages: a module whose check values mismatch because a page
// was damaged must not have them rewritten, while one merely altered is.
TEST_F(FolderSearchTest, ANamesSearchRepairsOnlyWhatAWholeReadFindsWhole) {
  const auto segments = writer::LargeModuleSegments({.programSets = 1, .subroutinesPerSet = 2, .parametersPerSubroutine = 1});
  std::string damaged = writer::BuildModule(segments);
  const size_t page = damaged.find(writer::VariablePageBlock(segments.program->subroutines[0].parameters));
  ASSERT_NE(page, std::string::npos);
  damaged[page - 8] = 40;  // the page's count, far beyond its bytes
  auto altered = writer::Segment("程序段", writer::ProgramSegmentBlock({}));
  altered.wrongDataCheck = true;
  const std::string paths[] = {dir_.File("damaged.ec"), dir_.File("altered.ec")};
  const std::string bytes[] = {damaged, writer::ModuleWriter().Add(altered).Build()};
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(WriteFileBytes(paths[i], bytes[i]));
  NamesCache cache;
  FolderSearch search({.files = {paths[0], paths[1]}, .text = "x", .kinds = {}, .readOnly = false,
                       .repairOnlyWhole = true, .jobs = 1},
                      cache);
  const auto first = search.WaitNext();
  ASSERT_TRUE(first);
  EXPECT_GE(first->result.problems.size(), 2u);  // the page, and the check value
  EXPECT_EQ(ReadFileBytes(paths[0]), bytes[0]);
  ASSERT_TRUE(search.WaitNext());
  EXPECT_NE(ReadFileBytes(paths[1]), bytes[1]);
}

TEST_F(FolderSearchTest, StopLeavesTheRestUnread) {
  // Many copies: the first module may be the last of many to finish on a busy machine.
  for (int i = 0; i < 200; ++i) files_.push_back(files_[0]);
  NamesCache cache(0);  // nothing kept: every module would be read
  FolderSearch search(Request("*"), cache);
  ASSERT_TRUE(search.WaitNext());
  const size_t readBeforeStop = search.ModulesRead();
  search.Stop();
  EXPECT_FALSE(search.WaitNext());
  EXPECT_FALSE(search.TakeReady());
  EXPECT_TRUE(search.Finished());
  search.StopAndWait();
  EXPECT_LE(search.ModulesRead(), readBeforeStop + 3);  // each worker ends the module it is on
  EXPECT_LT(search.ModulesRead(), files_.size() / 2);
}

// Every search starts workers that read, fail on a cut module and end. What a
// worker kept for itself must go with it: MinGW's runtime frees a thread's
// thread_local storage before the destructors of the objects in it run,
// which then free garbage (under Wine's heap check, every time).
TEST(FolderSearchWorkers, EndCleanlyAfterGoodAndDamagedReads) {
  test::TempDir dir;
  const std::string good = dir.File("good.ec"), cut = dir.File("cut.ec");
  const std::string bytes = writer::LargeModuleBytes({.programSets = 2, .subroutinesPerSet = 4});
  ASSERT_TRUE(WriteFileBytes(good, bytes));
  ASSERT_TRUE(WriteFileBytes(cut, bytes.substr(0, 100)));
  FolderSearchRequest request{.files = {good, cut, good, cut}, .text = "1", .kinds = {}, .jobs = 4};
  int damaged = 0;
  for (int round = 0; round < 20; ++round) {
    NamesCache cache(0);
    FolderSearch search(request, cache);
    while (auto outcome = search.WaitNext()) damaged += outcome->result.problems.empty() ? 0 : 1;
  }
  EXPECT_EQ(damaged, 40);
}

}  // namespace
}  // namespace ec

namespace ec {
namespace {

// The names-only read steps over remarks and variable pages; every real
// module must still give exactly the names of the full analysis.
TEST(ModuleNames, NamesOnlyReadMatchesTheFullAnalysisOnRealModules) {
  EC_SKIP_WITHOUT_CORPUS();
  int modules = 0;
  for (const auto& entry : std::filesystem::directory_iterator(test::CorpusDir())) {
    if (entry.path().extension() == ".md") continue;
    ModuleModel model;
    ASSERT_TRUE(analyseModule(entry.path().string(), model, {.readOnly = true}));
    ModuleNames names;
    ASSERT_TRUE(ReadModuleNames(entry.path().string(), true, names));
    EXPECT_EQ(names, NamesOf(model)) << entry.path();
    ModuleNames withTexts;
    ASSERT_TRUE(ReadModuleNames(entry.path().string(), true, withTexts, true));
    EXPECT_EQ(withTexts, NamesOf(model, true)) << entry.path();
    ++modules;
  }
  EXPECT_GE(modules, 5);
}

}  // namespace
}  // namespace ec
