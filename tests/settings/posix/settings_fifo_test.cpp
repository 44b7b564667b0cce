// FIFOs where the settings store expects files: a FIFO opened for reading or
// writing waits for the other end, which would freeze the viewer at its start
// (reading the settings) or at its close (writing them).
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <thread>

#include "settings/control_state_store.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

namespace fs = std::filesystem;

// Runs `work` on a thread of its own and says whether it came back in time.
// A thread that hangs is left behind: the test has failed by then.
template <typename Work>
bool ReturnsSoon(Work work) {
  auto done = std::make_shared<std::promise<void>>();
  std::future<void> finished = done->get_future();
  std::thread([work, done] {
    work();
    done->set_value();
  }).detach();
  return finished.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
}

TEST(SettingsFifo, NeitherTheStartNorTheCloseWaitsOnAFifo) {
  test::TempDir dir;
  const fs::path ini = dir.path() / "settings.ini";
  const fs::path side = dir.path() / "inibin" / "主界面-图片.ibn";
  fs::create_directories(side.parent_path());
  ASSERT_EQ(::mkfifo(side.c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo(ini.c_str(), 0600), 0);

  auto store = std::make_shared<ControlStateStore>();
  // Start: the settings file and the side file are read.
  EXPECT_TRUE(ReturnsSoon([store, ini] {
    EXPECT_FALSE(store->Bind(ini));
    store->SetSection("主界面");
    EXPECT_EQ(store->ReadBytes("图片", "fallback"), "fallback");
    EXPECT_EQ(store->ReadText("路径", "none"), "none");
  }));
  // Close: the controls' states are written.
  EXPECT_TRUE(ReturnsSoon([store] {
    EXPECT_FALSE(store->WriteBytes("图片", "bytes"));
    store->WriteText("路径", "/tmp/x.ec");
    store->Release();
  }));
  EXPECT_TRUE(fs::is_fifo(side));
  EXPECT_TRUE(fs::is_fifo(ini));
}

}  // namespace
}  // namespace ec
