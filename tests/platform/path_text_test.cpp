#include "platform/path_text.h"

#include <gtest/gtest.h>

namespace ec {
namespace {

TEST(PathText, SplitsAtTheLastSeparator) {
  EXPECT_EQ(FolderPart("/home/u/模块/取文本.ec"), "/home/u/模块");
  EXPECT_EQ(FileNamePart("/home/u/模块/取文本.ec"), "取文本.ec");
  EXPECT_EQ(FolderPart("/a.ec"), "");
  EXPECT_EQ(FileNamePart("/a.ec"), "a.ec");
  EXPECT_EQ(FolderPart("这是模块文件路径"), "");
  EXPECT_EQ(FileNamePart("这是模块文件路径"), "这是模块文件路径");
  EXPECT_EQ(FolderPart(""), "");
  EXPECT_EQ(FileNamePart("/a/"), "");
#ifdef _WIN32
  // Windows takes either separator.
  EXPECT_EQ(FolderPart("C:\\m/a.ec"), "C:\\m");
  EXPECT_EQ(FileNamePart("C:/m\\a.ec"), "a.ec");
#endif
}

}  // namespace
}  // namespace ec
