// The screenshot command's arguments: flags and options in any order before
// the module, and a usage error for anything left over.
#include <gtest/gtest.h>

#include "app/screenshot_command.h"

namespace ec {
namespace {

TEST(ScreenshotCommand, ReadsEndAndZoomBesideTheOtherOptions) {
  std::string error;
  auto request =
      ParseScreenshotArguments({"--screenshot", "out.png", "--end", "--find", "API", "--zoom", "150", "big.ec"}, error);
  ASSERT_TRUE(request);
  EXPECT_EQ(error, "");
  EXPECT_TRUE(request->atEnd);
  EXPECT_EQ(request->zoomPercent, 150);
  EXPECT_EQ(request->findText, "API");
  EXPECT_EQ(request->module, "big.ec");

  request = ParseScreenshotArguments({"--screenshot", "out.png", "big.ec"}, error);
  ASSERT_TRUE(request);
  EXPECT_FALSE(request->atEnd);
  EXPECT_EQ(request->zoomPercent, 0);

  // "--end" is a flag: it never takes the module as its value.
  request = ParseScreenshotArguments({"--screenshot", "out.png", "--end"}, error);
  ASSERT_TRUE(request);
  EXPECT_NE(error, "");
  error.clear();
  ParseScreenshotArguments({"--screenshot", "out.png", "--zoom", "150"}, error);
  EXPECT_NE(error, "");
  EXPECT_FALSE(ParseScreenshotArguments({"big.ec"}, error));
}

}  // namespace
}  // namespace ec
