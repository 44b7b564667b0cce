// The screenshot's end and zoom options: flags and options in any order, and
// a usage error when the module is missing.
#include <gtest/gtest.h>

#include "app/viewer_command_line.h"

namespace ec {
namespace {

using Action = ViewerArguments::Action;

ViewerArguments Parse(const QStringList& arguments) { return ParseViewerCommandLine(arguments, "/home/user/work"); }

TEST(ScreenshotCommand, ReadsEndAndZoomBesideTheOtherOptions) {
  ViewerArguments parsed = Parse({"--screenshot", "out.png", "--end", "--find", "API", "--zoom", "150", "big.ec"});
  ASSERT_EQ(parsed.action, Action::Screenshot) << parsed.message;
  EXPECT_TRUE(parsed.screenshot.atEnd);
  EXPECT_EQ(parsed.screenshot.zoomPercent, 150);
  EXPECT_EQ(parsed.screenshot.findText, "API");
  EXPECT_EQ(parsed.screenshot.module, "big.ec");

  parsed = Parse({"--screenshot", "out.png", "big.ec"});
  ASSERT_EQ(parsed.action, Action::Screenshot);
  EXPECT_FALSE(parsed.screenshot.atEnd);
  EXPECT_EQ(parsed.screenshot.zoomPercent, 0);

  // "--end" is a flag: it never takes the module as its value.
  EXPECT_EQ(Parse({"--screenshot", "out.png", "--end"}).action, Action::Refuse);
  EXPECT_EQ(Parse({"--screenshot", "out.png", "--zoom", "150"}).action, Action::Refuse);
  // Without --screenshot they mean nothing, and say so.
  EXPECT_EQ(Parse({"--end", "big.ec"}).action, Action::Refuse);
  EXPECT_EQ(Parse({"--screenshot", "out.png", "--end", "--dirtree", "/etc"}).action, Action::Refuse);
}

}  // namespace
}  // namespace ec
