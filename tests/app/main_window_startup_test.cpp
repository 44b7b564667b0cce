// Start-up and settings: the command line, texts that GBK cannot hold, and
// two viewers on one settings file.
#include <QDir>
#include <QLineEdit>

#include <filesystem>

#include "app/settings_location.h"
#include "platform/child_process.h"
#include "tests/app/window_fixture.h"
#include "viewer/viewer_arguments.h"

namespace ec::test {
namespace {

TEST(ViewerArgumentsTest, HelpAndVersionLeaveTheSettingsAlone) {
  TempDir settings;
  const ChildProcessOptions options{
      .environment = {{"ECVIEW_SETTINGS_DIR", settings.path().string()}, {"QT_QPA_PLATFORM", "offscreen"}}};
  // A viewer that took an option for a module would run until it is stopped.
  const auto viewer = [&](const std::string& argument) {
    return RunChildProcess("/usr/bin/timeout", {"20", EC_BINARY_DIR "/ecview", argument}, options);
  };
  const ChildProcessResult help = viewer("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("usage: ecview"), std::string::npos) << help.out;
  const ChildProcessResult version = viewer("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(version.out.starts_with("ecview 1.")) << version.out;
  const ChildProcessResult bogus = viewer("--bogus");
  EXPECT_EQ(bogus.status, 2);
  EXPECT_NE(bogus.err.find("unknown option --bogus"), std::string::npos) << bogus.err;
  EXPECT_TRUE(std::filesystem::is_empty(settings.path()));
}

using StartupTest = WindowTest;

TEST_F(StartupTest, APathGbkCannotHoldComesBackAtTheNextStart) {
  std::filesystem::create_directories(files_.path() / "jörg");
  const std::string module = CopyOf(SampleModule(), "jörg/模块😀.ec");
  Window().OnFirstActivation();
  Window().loadModule(module);
  Stop();
  Start();
  Window().OnFirstActivation();
  EXPECT_EQ(Window().Loader().CurrentPath(), module);
}

TEST_F(StartupTest, OfTwoViewersOnOneSettingsFileTheOneClosedLastKeepsItsSettings) {
  const std::string first = CopyOf(SampleModule(), "first.ec"), second = CopyOf(SampleModule(), "second.ec");
  const auto savedPath = [this] {
    Start();
    Window().OnFirstActivation();
    return Window().Loader().CurrentPath();
  };
  for (const bool firstClosesLast : {false, true}) {
    Start(first);
    Window().OnFirstActivation();
    ViewerApplication other(settings_.path(), std::make_unique<FakeAssociation>(calls_), second);
    other.Window().OnFirstActivation();
    // Closing a viewer saves its controls; its store lets go of the file
    // when the viewer ends (Stop).
    if (firstClosesLast) {
      other.Window().close();
      Stop();
    } else {
      Stop();
      other.Window().close();
    }
    EXPECT_EQ(savedPath(), firstClosesLast ? first : second);
    Stop();
  }
}

}  // namespace
}  // namespace ec::test
