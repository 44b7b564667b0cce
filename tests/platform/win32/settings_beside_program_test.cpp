// On Windows the settings files live beside the program, GBK on disk, and a
// bound store keeps other writers out while readers still get in.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/settings_folder.h"
#include "settings/control_state_store.h"
#include "support/file_bytes.h"
#include "support/gbk_codec.h"
#include "support/utf8_path.h"

namespace ec {
namespace {

namespace fs = std::filesystem;

class SettingsBesideProgram : public testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  void Clean() {
    std::error_code error;
    fs::remove(file_, error);
    fs::remove_all(folder_ / "inibin", error);
  }

  const fs::path folder_ = PlatformSettingsFolder();
  const fs::path file_ = folder_ / PathFromUtf8("澜禾·观澄.ini");
};

TEST_F(SettingsBesideProgram, TheFolderIsTheProgramsOwn) {
  // The test program is built into the top of the build folder.
  std::error_code error;
  EXPECT_TRUE(fs::equivalent(folder_, fs::path(EC_BINARY_DIR), error)) << Utf8FromPath(folder_);
}

TEST_F(SettingsBesideProgram, GbkFileLockedAgainstOtherWritersWhileBound) {
  ControlStateStore store;
  ASSERT_TRUE(store.Bind(file_));
  store.SetSection("批量搜索");
  ASSERT_TRUE(store.WriteText("目录路径", "D:\\易语言\\模块"));
  ASSERT_TRUE(store.Flush());  // the file is written by a thread of its own
  EXPECT_EQ(ReadFileBytes(file_), Utf8ToGbk("[批量搜索]\r\n目录路径=D:\\易语言\\模块"));

  ControlStateStore second;
  EXPECT_FALSE(second.Bind(file_));
  EXPECT_FALSE(second.IsFileOpen());
  second.SetSection("批量搜索");
  EXPECT_FALSE(second.WriteText("目录路径", "C:\\"));
  EXPECT_EQ(ReadFileBytes(file_), Utf8ToGbk("[批量搜索]\r\n目录路径=D:\\易语言\\模块"));

  ASSERT_TRUE(store.WriteBytes("列表", std::string("\x00\xff", 2)));
  ASSERT_TRUE(store.FlushSideFiles());
  EXPECT_EQ(ReadFileBytes(folder_ / PathFromUtf8("inibin/批量搜索-列表.ibn")), std::string("\x00\xff", 2));

  store.Release();
  ASSERT_TRUE(second.Bind(file_));
  EXPECT_EQ(second.ReadText("目录路径", ""), "D:\\易语言\\模块");
}

}  // namespace
}  // namespace ec
