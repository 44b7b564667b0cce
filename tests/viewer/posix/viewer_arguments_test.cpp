#include "viewer/viewer_arguments.h"

#include <gtest/gtest.h>

namespace ec {
namespace {

TEST(ViewerArgumentsTest, ModulePathIsAbsoluteAndPictureOptionsGoTogether) {
  const std::filesystem::path here = "/home/user/work";
  EXPECT_EQ(AbsoluteModulePath("w1/x.ec", here), "/home/user/work/w1/x.ec");
  EXPECT_EQ(AbsoluteModulePath("../y.ec", here), "/home/user/y.ec");
  EXPECT_EQ(AbsoluteModulePath("/abs/./z.ec", here), "/abs/z.ec");
  EXPECT_EQ(AbsoluteModulePath("", here), "");

  ScreenshotRequest window{.output = "o.png", .findText = "取"};
  EXPECT_EQ(ScreenshotProblem(window, 1), "");
  EXPECT_NE(ScreenshotProblem(window, 0), "");  // no module
  EXPECT_NE(ScreenshotProblem(window, 2), "");
  ScreenshotRequest tree{.output = "o.png", .dirtreePath = "/etc"};
  EXPECT_EQ(ScreenshotProblem(tree, 0), "");
  EXPECT_NE(ScreenshotProblem(tree, 1), "");
  tree.findText = "x";  // a find belongs to the main window's picture
  EXPECT_NE(ScreenshotProblem(tree, 0), "");
  ScreenshotRequest search{.output = "o.png", .searchFolder = "/m"};
  EXPECT_EQ(ScreenshotProblem(search, 1), "");  // the search text
  EXPECT_NE(ScreenshotProblem(search, 0), "");
}

}  // namespace
}  // namespace ec
