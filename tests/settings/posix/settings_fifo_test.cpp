// FIFOs where the settings store expects files: a FIFO opened for reading or
// writing waits for the other end, which would freeze the viewer at its start
// (reading the settings) or at its close (writing them).
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <thread>

#include "settings/control_state_store.h"
#include "support/file_bytes.h"
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

// A side file whose writing never ends (a disk that does not answer; here a
// writer that waits on a gate) holds up neither the write, nor a read of the
// same value, nor the close beyond its bounded wait; and what was written
// before it, and the newest value behind it, still reach the disk.
TEST(SettingsFifo, ASlowSideFileWriteHoldsUpNoCaller) {
  test::TempDir dir;
  auto gate = std::make_shared<std::promise<void>>();
  std::shared_future<void> open = gate->get_future().share();
  auto store = std::make_unique<ControlStateStore>();
  store->SetSideFileWriter([open](const fs::path& path, std::string_view bytes) {
    if (path.filename() == "主界面-慢.ibn") open.wait();
    return WriteFileBytesAtomically(path, bytes);
  });
  store->Bind(dir.path() / "settings.ini");
  store->SetSection("主界面");
  ASSERT_TRUE(store->WriteBytes("快", "first"));
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(store->WriteBytes("慢", "old"));
  ASSERT_TRUE(store->WriteBytes("慢", "new"));  // replaces the waiting one
  EXPECT_EQ(store->ReadBytes("慢", "none"), "new");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
  // The close gives up after its bounded wait; the window would go on.
  const auto closing = std::chrono::steady_clock::now();
  store.reset();
  const auto waited = std::chrono::steady_clock::now() - closing;
  EXPECT_GE(waited, SettingsWriter::kCloseWait - std::chrono::milliseconds(100));
  EXPECT_LT(waited, SettingsWriter::kCloseWait + std::chrono::seconds(2));
  EXPECT_EQ(ReadFileBytes(dir.path() / "inibin" / "主界面-快.ibn"), "first");
  // Once the disk answers, the thread left behind finishes the newest value.
  gate->set_value();
  for (int i = 0; i < 100 && ReadFileBytes(dir.path() / "inibin" / "主界面-慢.ibn") != "new"; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(ReadFileBytes(dir.path() / "inibin" / "主界面-慢.ibn"), "new");
}

// A side file whose read never comes back (a disk that does not answer; here
// a gate that waits): the control gets its fallback after the short bounded
// wait, later side files are not asked at all, the side file that was not read
// is not written over, and the settings file itself goes on as before.
TEST(SettingsFifo, AHangingSideFileReadGivesTheFallbackInTime) {
  test::TempDir dir;
  const fs::path side = dir.path() / "inibin" / "主界面-图片.ibn";
  fs::create_directories(side.parent_path());
  ASSERT_TRUE(WriteFileBytes(side, "stored"));
  auto gate = std::make_shared<std::promise<void>>();
  std::shared_future<void> open = gate->get_future().share();
  auto passed = std::make_shared<std::atomic<int>>(0);
  auto store = std::make_unique<ControlStateStore>();
  store->SetFileReadGate([open, passed](const fs::path& path) {
    if (path.extension() == ".ibn") open.wait();
    ++*passed;
    return true;
  });
  ASSERT_TRUE(store->Bind(dir.path() / "settings.ini"));
  store->SetSection("主界面");
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(store->ReadBytes("图片", "fallback"), "fallback");
  EXPECT_GE(std::chrono::steady_clock::now() - start, kLaterReadWait - std::chrono::milliseconds(50));
  EXPECT_LT(std::chrono::steady_clock::now() - start, kLaterReadWait + std::chrono::milliseconds(700));
  start = std::chrono::steady_clock::now();
  EXPECT_EQ(store->ReadBytes("其他", "none"), "none");
  EXPECT_FALSE(store->WriteBytes("图片", "new"));
  EXPECT_EQ(store->ReadBytes("图片", "fallback"), "new");
  EXPECT_TRUE(store->WriteText("路径", "x"));
  store.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
  EXPECT_EQ(*passed, 1);  // the settings file's read only
  EXPECT_EQ(ReadFileBytes(side), "stored");
  EXPECT_NE(ReadFileBytes(dir.path() / "settings.ini").value_or("").find("x"), std::string::npos);

  gate->set_value();
  for (int i = 0; i < 100 && *passed < 2; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(*passed, 2);  // the read left behind came back, to nobody
}

}  // namespace
}  // namespace ec
