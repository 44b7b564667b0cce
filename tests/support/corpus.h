#pragma once
// The real modules of ../shared/corpus (EC_CORPUS_DIR), which a plain clone of
// the repository does not have: tests that read them skip without it.

#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

namespace ec::test {

inline std::filesystem::path CorpusDir() { return std::filesystem::path(EC_CORPUS_DIR); }

inline bool HasCorpus() {
  std::error_code error;
  return std::filesystem::is_directory(CorpusDir(), error);
}

}  // namespace ec::test

// Skips the running test when the corpus folder is absent.
#define EC_SKIP_WITHOUT_CORPUS() \
  if (!::ec::test::HasCorpus()) GTEST_SKIP() << "corpus folder absent: " << ::ec::test::CorpusDir().string()
