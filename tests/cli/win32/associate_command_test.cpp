// ecview-cli associate on the real registry (Wine's under test): the user's
// own classes, HKEY_CURRENT_USER\Software\Classes. Each test starts and ends
// with no .ec registration there.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "platform/win32/win32_registry.h"
#include "support/utf8_path.h"
#include "tests/support/cli_runner.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

constexpr auto kRoot = RegistryRoot::kCurrentUserClasses;

void DeleteTree(const wchar_t* key) {
  RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\Classes\\") + key).c_str());
}

std::optional<DWORD> ReadNumber(const wchar_t* key, const wchar_t* name) {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

class AssociateOnWindows : public testing::Test {
 protected:
  void SetUp() override {
    Clean();
    std::filesystem::create_directories(viewer_.parent_path());
    std::ofstream(viewer_) << "";
  }
  void TearDown() override { Clean(); }
  static void Clean() {
    for (const wchar_t* key : {L"ec", L".ec", L"Other.Module"}) DeleteTree(key);
  }
  test::CliResult Associate(const char* mode, const ChildProcessOptions& options = {}) const {
    return test::RunCli({"associate", mode, "--program", Utf8FromPath(viewer_)}, options);
  }
  std::optional<std::string> Read(std::string_view key, std::string_view name = "") {
    return registry_.ReadString(kRoot, key, name);
  }

  test::TempDir temp_;
  const std::filesystem::path viewer_ = temp_.path() / PathFromUtf8("澜禾 观澄") / "ecview.exe";
  Win32Registry registry_;
};

TEST_F(AssociateOnWindows, RegisterReRegisterAndRemoveInTheUsersClasses) {
  const std::string program = Utf8FromPath(viewer_);
  const test::CliResult on = Associate("on");
  ASSERT_EQ(on.status, 0) << on.err;
  EXPECT_NE(on.out.find("set HKEY_CURRENT_USER\\Software\\Classes\\.ec (default) = ec\n"), std::string::npos)
      << on.out;
  EXPECT_EQ(Read("ec"), "易语言模块");
  EXPECT_EQ(ReadNumber(L"Software\\Classes\\ec", L"EditFlags"), 2u);
  EXPECT_EQ(Read("ec", "EditFlags"), std::nullopt);  // a number, not a text
  EXPECT_EQ(Read("ec\\Shell\\Open\\Command"), "\"" + program + "\" \"%1\"");
  EXPECT_EQ(Read("ec\\DefaultIcon"), program + ",0");
  EXPECT_EQ(Read(".ec"), "ec");

  // Registering again writes the same values over the old ones.
  EXPECT_EQ(Associate("on").status, 0);
  EXPECT_EQ(Read("ec\\Shell\\Open\\Command"), "\"" + program + "\" \"%1\"");

  const test::CliResult off = Associate("off");
  ASSERT_EQ(off.status, 0) << off.err;
  EXPECT_NE(off.out.find("deleted key HKEY_CURRENT_USER\\Software\\Classes\\ec\n"), std::string::npos) << off.out;
  EXPECT_EQ(Read("ec"), std::nullopt);
  EXPECT_EQ(Read("ec\\Shell\\Open\\Command"), std::nullopt);
  EXPECT_EQ(Read(".ec"), "");  // the key .ec stays, emptied
  EXPECT_EQ(Associate("off").out.find("deleted"), std::string::npos);
}

TEST_F(AssociateOnWindows, AnotherProgramsRegistrationIsLeftAlone) {
  ASSERT_TRUE(registry_.WriteString(kRoot, ".ec", "", "Other.Module"));
  ASSERT_TRUE(registry_.WriteString(kRoot, "Other.Module\\Shell\\Open\\Command", "", "\"C:\\Other\\o.exe\" \"%1\""));
  EXPECT_EQ(Associate("off").status, 0);
  EXPECT_EQ(Read(".ec"), "Other.Module");
  EXPECT_EQ(Read("Other.Module\\Shell\\Open\\Command"), "\"C:\\Other\\o.exe\" \"%1\"");

  // Registering takes .ec over and leaves the other type itself in place.
  EXPECT_EQ(Associate("on").status, 0);
  EXPECT_EQ(Read(".ec"), "ec");
  EXPECT_EQ(Read("Other.Module\\Shell\\Open\\Command"), "\"C:\\Other\\o.exe\" \"%1\"");
}

TEST_F(AssociateOnWindows, AnExpandableOpenCommandIsRecognisedAsOurs) {
  ASSERT_TRUE(registry_.WriteString(kRoot, ".ec", "", "ec"));
  const std::wstring command = LR"("%ECVIEW_TEST_HOME%\ecview.exe" "%1")";
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Classes\\ec\\Shell\\Open\\Command", nullptr,
                            REG_EXPAND_SZ, command.c_str(), static_cast<DWORD>((command.size() + 1) * 2)),
            ERROR_SUCCESS);
  const ChildProcessOptions options{.environment = {{"ECVIEW_TEST_HOME", Utf8FromPath(viewer_.parent_path())}}};
  EXPECT_EQ(Associate("off", options).status, 0);
  EXPECT_EQ(Read("ec\\Shell\\Open\\Command"), std::nullopt);
  EXPECT_EQ(Read(".ec"), "");
}

}  // namespace
}  // namespace ec
