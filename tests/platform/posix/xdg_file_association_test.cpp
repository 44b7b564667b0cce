#include "platform/posix/xdg_file_association.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <map>
#include <sstream>

#include "platform/posix/desktop_entry.h"

namespace ec {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

class XdgFileAssociationTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "ecview-xdg-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
  }
  void TearDown() override { fs::remove_all(root_); }

  XdgFileAssociation Association() {
    return XdgFileAssociation({root_ / "data", root_ / "config"},
                              [this](const std::vector<std::string>& argv) { commands_.push_back(argv); });
  }
  fs::path MimeAppsList() const { return root_ / "config" / "mimeapps.list"; }
  fs::path DesktopEntry() const { return root_ / "data" / "applications" / "ecview.desktop"; }
  fs::path MimePackage() const { return root_ / "data" / "mime" / "packages" / "ecview-e-module.xml"; }

  fs::path root_;
  std::vector<std::vector<std::string>> commands_;
};

const fs::path kProgram = "/opt/my apps/ecview";

TEST_F(XdgFileAssociationTest, RegisteringWritesTheThreeFilesAndRefreshesTheDatabases) {
  auto association = Association();
  const auto outcome = association.Register(kProgram);
  EXPECT_EQ(outcome.changes.size(), 3u);
  EXPECT_TRUE(outcome.failures.empty());

  EXPECT_EQ(ReadFile(MimePackage()),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            "  <mime-type type=\"application/x-e-module\">\n"
            "    <comment>易语言模块</comment>\n"
            "    <glob pattern=\"*.ec\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n");
  const std::string entry = ReadFile(DesktopEntry());
  EXPECT_TRUE(entry.starts_with("[Desktop Entry]\nType=Application\n")) << entry;
  EXPECT_NE(entry.find("\nExec=\"/opt/my apps/ecview\" %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nMimeType=application/x-e-module;\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nIcon=ecview\n"), std::string::npos) << entry;
  EXPECT_EQ(ReadFile(MimeAppsList()), "[Default Applications]\napplication/x-e-module=ecview.desktop;\n");

  const std::vector<std::vector<std::string>> expected = {
      {"update-mime-database", (root_ / "data" / "mime").string()},
      {"update-desktop-database", (root_ / "data" / "applications").string()}};
  EXPECT_EQ(commands_, expected);
}

TEST_F(XdgFileAssociationTest, RegisteringTwiceGivesTheSameFiles) {
  WriteFile(MimeAppsList(), "[Default Applications]\ntext/plain=gedit.desktop;\n");
  auto association = Association();
  association.Register(kProgram);
  const std::string list = ReadFile(MimeAppsList());
  const std::string entry = ReadFile(DesktopEntry());
  const auto again = association.Register(kProgram);
  EXPECT_TRUE(again.changes.empty());
  EXPECT_EQ(ReadFile(MimeAppsList()), list);
  EXPECT_EQ(ReadFile(DesktopEntry()), entry);
  EXPECT_EQ(list,
            "[Default Applications]\napplication/x-e-module=ecview.desktop;\n"
            "text/plain=gedit.desktop;\n");
}

TEST_F(XdgFileAssociationTest, RemovingKeepsOtherApplicationsAndLines) {
  const std::string original =
      "# mine\n"
      "[Added Associations]\n"
      "application/x-e-module=ecview.desktop;\n"
      "\n"
      "[Default Applications]\n"
      "text/plain=gedit.desktop;\n"
      "application/x-e-module = other.desktop;\n";
  WriteFile(MimeAppsList(), original);
  auto association = Association();
  association.Register(kProgram);
  EXPECT_NE(ReadFile(MimeAppsList()).find("application/x-e-module=ecview.desktop;other.desktop;\n"),
            std::string::npos);

  const auto outcome = association.Remove(kProgram);
  EXPECT_TRUE(outcome.failures.empty());
  EXPECT_FALSE(fs::exists(DesktopEntry()));
  EXPECT_FALSE(fs::exists(MimePackage()));
  // The previous default comes back; [Added Associations] was never ours.
  EXPECT_EQ(ReadFile(MimeAppsList()),
            "# mine\n[Added Associations]\napplication/x-e-module=ecview.desktop;\n\n"
            "[Default Applications]\ntext/plain=gedit.desktop;\n"
            "application/x-e-module=other.desktop;\n");
  EXPECT_EQ(commands_.size(), 4u);

  // Our own line alone goes entirely; a file without a trailing line end
  // that holds nothing of ours is not rewritten.
  WriteFile(MimeAppsList(), "[Default Applications]\napplication/x-e-module=ecview.desktop;\n");
  association.Remove(kProgram);
  EXPECT_EQ(ReadFile(MimeAppsList()), "[Default Applications]\n");
  WriteFile(MimeAppsList(), "[Default Applications]\ntext/plain=gedit.desktop;");
  EXPECT_TRUE(association.Remove(kProgram).changes.empty());
  EXPECT_EQ(ReadFile(MimeAppsList()), "[Default Applications]\ntext/plain=gedit.desktop;");
}

TEST_F(XdgFileAssociationTest, RemovingLeavesAnotherProgramsEntryAlone) {
  auto association = Association();
  association.Register("/usr/bin/ecview");
  const std::string entry = ReadFile(DesktopEntry());
  const std::string list = ReadFile(MimeAppsList());
  commands_.clear();
  const auto outcome = association.Remove(kProgram);
  EXPECT_TRUE(outcome.changes.empty());
  EXPECT_EQ(outcome.notes.size(), 1u);
  EXPECT_EQ(ReadFile(DesktopEntry()), entry);
  EXPECT_EQ(ReadFile(MimeAppsList()), list);
  EXPECT_TRUE(fs::exists(MimePackage()));
  EXPECT_TRUE(commands_.empty());
}

TEST(DesktopEntry, ExecLineQuotesAnyPathAndReadsBackToIt) {
  EXPECT_EQ(DesktopExecLine("/a b/$x%y\"z\\w`"), R"("/a b/\\$x%%y\\"z\\\\w\\`" %f)");
  for (const std::string path : {"/usr/bin/ecview", "/a b/$x%y\"z\\w`", "/tab\there/new\nline", "/%%f"}) {
    const std::string text = DesktopEntryText(path, "ecview", "application/x-e-module");
    EXPECT_EQ(DesktopExecProgram(DesktopEntryValue(text, "Exec")), path);
  }
  EXPECT_EQ(DesktopExecProgram("/usr/bin/other %U"), "/usr/bin/other");
  EXPECT_EQ(DesktopEntryValue("[Other]\nExec=x\n[Desktop Entry]\nName=n\n", "Exec"), "");
}

TEST(XdgBaseDirectories, VariablesWinAndRelativeOrEmptyOnesFallBackToHome) {
  std::map<std::string, std::string> env = {{"HOME", "/home/u"}};
  const EnvironmentLookup lookup = [&env](const char* name) -> std::optional<std::string> {
    const auto found = env.find(name);
    return found == env.end() ? std::nullopt : std::optional<std::string>(found->second);
  };
  auto dirs = ResolveXdgBaseDirectories(lookup);
  ASSERT_TRUE(dirs);
  EXPECT_EQ(dirs->data_home, fs::path("/home/u/.local/share"));
  EXPECT_EQ(dirs->config_home, fs::path("/home/u/.config"));

  env["XDG_DATA_HOME"] = "/d";
  env["XDG_CONFIG_HOME"] = "relative/c";
  dirs = ResolveXdgBaseDirectories(lookup);
  ASSERT_TRUE(dirs);
  EXPECT_EQ(dirs->data_home, fs::path("/d"));
  EXPECT_EQ(dirs->config_home, fs::path("/home/u/.config"));

  env.erase("HOME");
  EXPECT_FALSE(ResolveXdgBaseDirectories(lookup));
  env["XDG_CONFIG_HOME"] = "/c";
  EXPECT_TRUE(ResolveXdgBaseDirectories(lookup));
}

}  // namespace
}  // namespace ec
