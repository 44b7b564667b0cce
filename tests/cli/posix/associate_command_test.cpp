// Runs the built ecview-cli in temporary XDG folders. PATH is emptied so the
// desktop database tools are not run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

namespace fs = std::filesystem;

struct CliResult {
  int status = -1;
  std::string output;
};

class AssociateCommandTest : public testing::Test {
 protected:
  void SetUp() override { std::ofstream(root_ / "viewer") << ""; }

  CliResult Run(const std::vector<std::string>& arguments) const {
    const ChildProcessOptions options{
        .working_directory = root_,
        .environment = {{"PATH", ""},
                        {"XDG_DATA_HOME", (root_ / "data").string()},
                        {"XDG_CONFIG_HOME", (root_ / "config").string()}}};
    const test::CliResult r = test::RunCli(arguments, options);
    return {r.status, r.out + r.err};
  }

  test::TempDir temp_;
  const fs::path root_ = temp_.path();
};

TEST_F(AssociateCommandTest, OnAndOffReportWhatChangedAndRelativeProgramsBecomeAbsolute) {
  auto on = Run({"associate", "on", "--program", "viewer"});
  EXPECT_EQ(on.status, 0) << on.output;
  EXPECT_NE(on.output.find("wrote " + (root_ / "data/applications/ecview.desktop").string()),
            std::string::npos)
      << on.output;
  std::ifstream entry(root_ / "data/applications/ecview.desktop");
  std::string text((std::istreambuf_iterator<char>(entry)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("Exec=\"" + (root_ / "viewer").string() + "\" %f"), std::string::npos) << text;

  EXPECT_EQ(Run({"associate", "on", "--program", "viewer"}).output, "nothing changed\n");

  auto off = Run({"associate", "off", "--program", "viewer"});
  EXPECT_EQ(off.status, 0) << off.output;
  EXPECT_NE(off.output.find("removed "), std::string::npos) << off.output;
  EXPECT_FALSE(fs::exists(root_ / "data/applications/ecview.desktop"));
}

TEST_F(AssociateCommandTest, MissingProgramOrBadModeIsAUsageError) {
  EXPECT_EQ(Run({"associate", "on", "--program", "no-such-viewer"}).status, 2);
  EXPECT_FALSE(fs::exists(root_ / "data"));
  EXPECT_EQ(Run({"associate", "maybe", "--program", "viewer"}).status, 2);
  EXPECT_EQ(Run({"associate", "off", "--program", "no-such-viewer"}).status, 0);
}

}  // namespace
}  // namespace ec
