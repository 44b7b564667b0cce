// One look at a file must tell what std::filesystem tells in several: the
// names index stores the size and time it gives and compares them later.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/file_facts.h"
#include "support/utf8_path.h"

namespace ec {
namespace {

namespace fs = std::filesystem;

TEST(LookAtFile, AgreesWithTheFileSystemOnFilesFoldersAndMissingPaths) {
  const fs::path folder = fs::temp_directory_path() / "ecview-file-facts-测试";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path file = folder / "模块.ec";
  std::ofstream(file, std::ios::binary) << std::string(1234, 'x');
  fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(30) + std::chrono::nanoseconds(123457));

  const std::optional<FileFacts> facts = LookAtFile(Utf8FromPath(file));
  ASSERT_TRUE(facts);
  EXPECT_TRUE(facts->regular);
  EXPECT_EQ(facts->size, 1234u);
  EXPECT_EQ(facts->modified, fs::last_write_time(file));
  EXPECT_TRUE(facts->ownerWritable);

  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(LookAtFile(Utf8FromPath(file))->ownerWritable);

  const std::optional<FileFacts> ofFolder = LookAtFile(Utf8FromPath(folder));
  ASSERT_TRUE(ofFolder);
  EXPECT_FALSE(ofFolder->regular);
  EXPECT_FALSE(LookAtFile(Utf8FromPath(folder / "无.ec")));
  EXPECT_FALSE(LookAtFile(""));
  fs::permissions(file, fs::perms::owner_all);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace ec
