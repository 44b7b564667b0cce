#include "viewer/viewer_arguments.h"

#include <gtest/gtest.h>

namespace ec {
namespace {

using Action = ViewerArguments::Action;

TEST(ViewerArgumentsTest, ModulePathIsAbsoluteAndOptionsAreAnsweredOrRefused) {
  const std::filesystem::path here = "/home/user/work";
  EXPECT_EQ(ParseViewerArguments({"w1/x.ec"}, here).modulePath, "/home/user/work/w1/x.ec");
  EXPECT_EQ(ParseViewerArguments({"../y.ec", "ignored.ec"}, here).modulePath, "/home/user/y.ec");
  EXPECT_EQ(ParseViewerArguments({"/abs/z.ec"}, here).modulePath, "/abs/z.ec");
  EXPECT_EQ(ParseViewerArguments({}, here).modulePath, "");
  EXPECT_EQ(ParseViewerArguments({"--", "-dash.ec"}, here).modulePath, "/home/user/work/-dash.ec");
  EXPECT_EQ(ParseViewerArguments({"x.ec", "--help"}, here).action, Action::Help);
  EXPECT_EQ(ParseViewerArguments({"-platform", "--version"}, here).action, Action::Version);
  EXPECT_EQ(ParseViewerArguments({"--", "--help"}, here).action, Action::Open);
  EXPECT_TRUE(ParseViewerArguments({"--new-window", "x.ec"}, here).newWindow);
  const ViewerArguments bogus = ParseViewerArguments({"x.ec", "--bogus"}, here);
  EXPECT_EQ(bogus.action, Action::Refuse);
  EXPECT_NE(bogus.message.find("--bogus"), std::string::npos);
}

}  // namespace
}  // namespace ec
