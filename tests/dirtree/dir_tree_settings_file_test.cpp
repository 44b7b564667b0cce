// The panel's settings file on a disk that hangs or under a name that is no
// file: neither the panel's start, nor its saving, nor its close waits on it
// for more than the bounded close.
#include <QElapsedTimer>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "settings/settings_reads.h"
#include "settings/settings_writer.h"
#include "tests/dirtree/panel_fixture.h"

namespace ec::test {
namespace {

TEST_F(PanelTest, AHangingSettingsDiskHoldsUpNeitherTheSaveNorTheClose) {
  auto gate = std::make_shared<std::promise<void>>();
  std::shared_future<void> open = gate->get_future().share();
  auto writes = std::make_shared<std::atomic<int>>(0);
  services_.settingsWriteGate = [open, writes] {
    ++*writes;
    open.wait();
    return true;
  };
  MakeFolder("d/p");
  Root("虚拟夹");  // the panel starts and reads its settings
  QElapsedTimer timer;
  timer.start();
  QAction* save = Entry(Menu("目录树"), "立即保存目录树配置");
  ASSERT_NE(save, nullptr);
  save->trigger();
  EXPECT_LT(timer.elapsed(), 500);
  for (int i = 0; i < 250 && *writes == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  EXPECT_EQ(*writes, 1);  // the write is under way, and hangs

  timer.restart();
  Close();
  const auto waited = std::chrono::milliseconds(timer.elapsed());
  EXPECT_GE(waited, SettingsWriter::kCloseWait - std::chrono::milliseconds(100));
  EXPECT_LT(waited, SettingsWriter::kCloseWait + std::chrono::seconds(1));

  // Once the disk answers, the thread left behind finishes the file.
  gate->set_value();
  std::string saved = "(missing)";
  for (int i = 0; i < 200 && saved == "(missing)"; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    saved = SavedText("虚拟夹", "项目数");
  }
  EXPECT_EQ(saved, "1");
}

// The read at the start never comes back: the panel starts after the bounded
// wait with the defaults, and neither saving nor the close writes a file it
// has not read.
TEST_F(PanelTest, AHangingSettingsDiskAtTheStartGivesTheDefaultsAndWritesNothing) {
  auto gate = std::make_shared<std::promise<void>>();
  std::shared_future<void> open = gate->get_future().share();
  services_.settingsReadGate = [open](const std::filesystem::path&) {
    open.wait();
    return false;  // touches nothing once let go
  };
  QElapsedTimer timer;
  timer.start();
  Root("虚拟夹")->setExpanded(true);
  EXPECT_LT(timer.elapsed(), (kStartReadWait + std::chrono::seconds(1)).count());
  EXPECT_THAT(Texts(Root("虚拟夹")), testing::ElementsAre("本程序所在目录"));
  timer.restart();
  QAction* save = Entry(Menu("目录树"), "立即保存目录树配置");
  ASSERT_NE(save, nullptr);
  save->trigger();
  Close();
  EXPECT_LT(timer.elapsed(), 500);
  EXPECT_FALSE(std::filesystem::exists(settings_.path() / "目录树.ini"));
  gate->set_value();
}

#ifndef _WIN32
TEST_F(PanelTest, AFifoForTheSettingsFileIsNeitherReadNorWritten) {
  const auto file = settings_.path() / "目录树.ini";
  ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
  QElapsedTimer timer;
  timer.start();
  Root("虚拟夹")->setExpanded(true);
  EXPECT_THAT(Texts(Root("虚拟夹")), testing::ElementsAre("本程序所在目录"));  // the defaults
  Close();
  EXPECT_LT(timer.elapsed(), 1000);
  EXPECT_TRUE(std::filesystem::is_fifo(file));
}
#endif

}  // namespace
}  // namespace ec::test
