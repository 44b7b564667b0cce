// Damaged copies of real modules, made by a seeded mutator: the reader's word
// is checked against an independent look at each copy's check values. A copy
// whose check values do not match is never reported clean; none crashes.
// ECVIEW_MUTANTS sets how many copies are tried (default 2,000).
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "model/module_analysis.h"
#include "support/file_bytes.h"
#include "tests/support/check_value_oracle.h"
#include "tests/support/corpus.h"
#include "tests/support/module_mutator.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

namespace fs = std::filesystem;

long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

TEST(MutationRun, DamagedCopiesAreNeverReportedClean) {
  EC_SKIP_WITHOUT_CORPUS();
  std::vector<std::string> originals;
  for (const auto& entry : fs::directory_iterator(test::CorpusDir()))
    if (entry.path().extension() != ".md") originals.push_back(ReadFileBytes(entry.path()).value_or(""));
  originals.push_back(ReadFileBytes(fs::path(EC_SOURCE_DIR) / "examples/sample.ec").value_or(""));
  size_t largest = 0;
  for (const std::string& bytes : originals) largest = std::max(largest, bytes.size());

  const char* wanted = std::getenv("ECVIEW_MUTANTS");
  const long mutants = wanted ? std::atol(wanted) : 2000;
  test::ModuleMutator mutator(originals, 22);
  test::TempDir dir;
  const std::string path = dir.File("mutant.ec");
  const long rssBefore = PeakRssKb();
  long damaged = 0, mismatched = 0, cleanDespiteMismatch = 0;
  for (long i = 0; i < mutants; ++i) {
    const std::string bytes = mutator.Next();
    ASSERT_TRUE(WriteFileBytes(path, bytes));
    ModuleModel model;
    analyseModule(path, model, {.readOnly = true});
    const bool mismatch = test::AnyCheckValueMismatch(bytes);
    mismatched += mismatch;
    damaged += !model.outcome.Clean();
    if (mismatch && model.outcome.Clean()) ++cleanDespiteMismatch;
    if (mismatch) {
      EXPECT_FALSE(model.outcome.checksMatch) << "mutant " << i;
    }
  }
  const double rssRatio = static_cast<double>(PeakRssKb() - rssBefore) * 1024 / static_cast<double>(largest);
  std::cout << "mutants tried " << mutants << ", reported damaged " << damaged << ", check values mismatching "
            << mismatched << ", reported clean although mismatching " << cleanDespiteMismatch
            << ", crashes 0, peak RSS growth " << rssRatio << " x the largest original\n";
  EXPECT_EQ(cleanDespiteMismatch, 0);
  EXPECT_GT(damaged, mutants / 2);
}

}  // namespace
}  // namespace ec
