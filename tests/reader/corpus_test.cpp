// Real modules written by other people, read from temporary copies.
#include <gtest/gtest.h>

#include <filesystem>

#include "reader/last_read_error.h"
#include "reader/module_file_reader.h"
#include "support/file_bytes.h"
#include "tools/module_writer/module_writer.h"
#include "tests/support/temp_dir.h"
#include "tests/support/corpus.h"

namespace ec {
namespace {

struct CorpusCase {
  const char* file;
  bool compiledModule;  // .ec: ends with an unknown packaging segment
  size_t subroutines;
  size_t dllCommands;
};

class Corpus : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(Corpus, EverySegmentIsReadAndNothingIsWritten) {
  EC_SKIP_WITHOUT_CORPUS();
  const CorpusCase& c = GetParam();
  test::TempDir dir;
  const std::string path = dir.File(c.file);
  std::filesystem::copy_file(test::CorpusDir() / c.file, path);
  const std::string before = ReadFileBytes(path).value_or("");

  SetLastReadError("");
  ModuleSegments segments;
  ASSERT_TRUE(ReadModuleFile(path, {}, segments));
  EXPECT_TRUE(segments.systemInfo && segments.userInfo && segments.resources && segments.program &&
              segments.initialModules);
  EXPECT_EQ(LastReadError(), c.compiledModule ? "未知段[易包信息段1]" : "");
  EXPECT_EQ(segments.program->subroutines.size(), c.subroutines);
  EXPECT_EQ(segments.program->dllCommands.size(), c.dllCommands);
  EXPECT_FALSE(segments.program->header.libraries.empty());
  // Their check values are all correct, so reading them writes nothing.
  EXPECT_EQ(ReadFileBytes(path), before);
  if (!c.compiledModule) {
    EXPECT_TRUE(segments.losableProgram && segments.editInfo2 && segments.auxInfo1);
  }
}

INSTANTIATE_TEST_SUITE_P(RealModules, Corpus,
                         ::testing::Values(CorpusCase{"Super-PE.ec", true, 34, 15},
                                           CorpusCase{"Super-EAsm.ec", true, 60, 2},
                                           CorpusCase{"mksetup.e", false, 90, 1},
                                           CorpusCase{"setup.e", false, 27, 5},
                                           CorpusCase{"not_cracked_yet.e", false, 27, 1}),
                         [](const auto& info) {
                           std::string name = info.param.file;
                           for (char& ch : name)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return name;
                         });

TEST(CorpusDetails, MksetupDeclarations) {
  EC_SKIP_WITHOUT_CORPUS();
  test::TempDir dir;
  const std::string path = dir.File("mksetup.e");
  std::filesystem::copy_file(test::CorpusDir() / "mksetup.e", path);
  ModuleSegments segments;
  ASSERT_TRUE(ReadModuleFile(path, {.readOnly = true}, segments));
  EXPECT_EQ(segments.program->header.libraries.size(), 6u);
  EXPECT_EQ(segments.program->dataTypes.size(), 1u);
  size_t byteData = 0;
  for (const auto& c : segments.resources->constants)
    byteData += c.value.kind == ConstantValue::Kind::Bytes;
  EXPECT_GT(byteData, 0u);
  EXPECT_EQ(segments.userInfo->name, writer::G("安装软件制作工具"));
}

}  // namespace
}  // namespace ec
