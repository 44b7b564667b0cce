// The viewer's command line, parsed without a window.
#include "app/viewer_command_line.h"

#include <gtest/gtest.h>

namespace ec {
namespace {

using Action = ViewerArguments::Action;

ViewerArguments Parse(const QStringList& arguments) { return ParseViewerCommandLine(arguments, "/home/user/work"); }

TEST(ViewerCommandLine, ModulePathAndOptionsInAnyOrder) {
  EXPECT_EQ(Parse({"w1/x.ec"}).modulePath, "/home/user/work/w1/x.ec");
  EXPECT_EQ(Parse({"../y.ec", "ignored.ec"}).modulePath, "/home/user/y.ec");
  EXPECT_EQ(Parse({}).modulePath, "");
  EXPECT_EQ(Parse({"--", "-dash.ec"}).modulePath, "/home/user/work/-dash.ec");
  for (const QStringList& order : {QStringList{"--new-window", "x.ec"}, QStringList{"x.ec", "--new-window"}}) {
    const ViewerArguments start = Parse(order);
    EXPECT_EQ(start.action, Action::Open);
    EXPECT_TRUE(start.newWindow);
    EXPECT_EQ(start.modulePath, "/home/user/work/x.ec");
  }
  EXPECT_EQ(Parse({"x.ec", "--help"}).action, Action::Help);
  EXPECT_EQ(Parse({"-h"}).action, Action::Help);
  EXPECT_EQ(Parse({"--bogus", "--version"}).action, Action::Version);
  EXPECT_EQ(Parse({"--", "--help"}).action, Action::Open);
  const ViewerArguments bogus = Parse({"x.ec", "--bogus"});
  EXPECT_EQ(bogus.action, Action::Refuse);
  EXPECT_NE(bogus.message.find("unknown option --bogus"), std::string::npos) << bogus.message;
  EXPECT_EQ(Parse({"--find", "取", "x.ec"}).action, Action::Refuse);  // a find needs a picture
  EXPECT_EQ(Parse({"x.ec", "--screenshot"}).action, Action::Refuse);  // no file to write
}

TEST(ViewerCommandLine, PictureOptionsInAnyOrderAndWithANewWindow) {
  const ViewerArguments shot =
      Parse({"--new-window", "m.ec", "--uses", "坐标", "--screenshot", "out.png", "--find", "取文本"});
  ASSERT_EQ(shot.action, Action::Screenshot) << shot.message;
  EXPECT_EQ(shot.screenshot.output, "out.png");
  EXPECT_EQ(shot.screenshot.module, "m.ec");
  EXPECT_EQ(shot.screenshot.usesOf, "坐标");
  EXPECT_EQ(shot.screenshot.findText, "取文本");
  const ViewerArguments tree = Parse({"--dirtree", "/etc", "--screenshot", "t.png"});
  ASSERT_EQ(tree.action, Action::Screenshot) << tree.message;
  EXPECT_EQ(tree.screenshot.dirtreePath, "/etc");
  const ViewerArguments search = Parse({"--screenshot", "s.png", "--search", "/m", "qwb"});
  ASSERT_EQ(search.action, Action::Screenshot) << search.message;
  EXPECT_EQ(search.screenshot.searchFolder, "/m");
  EXPECT_EQ(search.screenshot.searchText, "qwb");
  EXPECT_EQ(Parse({"--screenshot", "t.png", "--dirtree", "/etc", "extra"}).action, Action::Refuse);
}

// Every option the README names is in the help, which is made from the same
// table the parser uses: an option missing from one is missing from both.
TEST(ViewerCommandLine, HelpListsEveryOptionTheParserTakes) {
  const std::string help = Parse({"--help"}).message;
  for (const char* option : {"--new-window", "--screenshot OUT.png", "--find TEXT", "--compare OLD.ec", "--uses TYPE",
                             "--dirtree PATH", "--search FOLDER", "-h, --help", "--version"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option << "\n" << help;
    const QString name = QString::fromUtf8(option).section(' ', 0, 0).remove(',');
    EXPECT_EQ(Parse({name, "v", "x.ec"}).message.find("unknown option"), std::string::npos) << option;
  }
  EXPECT_EQ(help.rfind("usage: ecview", 0), 0u);
}

}  // namespace
}  // namespace ec
