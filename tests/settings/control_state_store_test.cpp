#include "settings/control_state_store.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#include <csignal>
#endif

#include "support/file_bytes.h"
#include "support/gbk_codec.h"
#include "tests/support/temp_dir.h"

namespace ec {
namespace {

using test::TempDir;

class ControlStateStoreTest : public ::testing::Test {
 protected:
  // The content as text, checking on the way that the file holds exactly it
  // once the writes are done.
  std::string Content() {
    EXPECT_TRUE(store_.Flush());
    EXPECT_EQ(ReadFileBytes(path_), store_.RawContent());
    return GbkToUtf8(store_.RawContent());
  }

  TempDir folder_;
  std::filesystem::path path_ = folder_ / "设置.ini";
  ControlStateStore store_;
};

TEST_F(ControlStateStoreTest, NewKeysGoOnTopAndNewSectionsAtTheEnd) {
  ASSERT_TRUE(store_.Bind(path_));
  EXPECT_TRUE(std::filesystem::exists(path_));
  store_.SetSection("s");
  EXPECT_TRUE(store_.WriteText("a", "1"));
  EXPECT_EQ(Content(), "[s]\r\na=1");
  EXPECT_TRUE(store_.WriteText("b", "2"));
  EXPECT_EQ(Content(), "[s]\r\nb=2\r\na=1");
  store_.SetSection("主界面");
  EXPECT_TRUE(store_.WriteNumber("宽度", 640));
  EXPECT_EQ(Content(), "[s]\r\nb=2\r\na=1\r\n[主界面]\r\n宽度=640");
  // Rewriting a value keeps its place, whether it grows, shrinks or stays as long.
  store_.SetSection("s");
  EXPECT_TRUE(store_.WriteText("b", "longer"));
  EXPECT_TRUE(store_.WriteText("a", "x"));
  EXPECT_TRUE(store_.WriteText("a", "y"));
  EXPECT_TRUE(store_.WriteText("b", ""));
  EXPECT_EQ(Content(), "[s]\r\nb=\r\na=y\r\n[主界面]\r\n宽度=640");
  EXPECT_EQ(ReadFileBytes(path_), Utf8ToGbk("[s]\r\nb=\r\na=y\r\n[主界面]\r\n宽度=640"));
}

TEST_F(ControlStateStoreTest, ValuesReadBackTypedAndMissingOnesGiveTheDefault) {
  ASSERT_TRUE(store_.Bind(path_));
  store_.SetSection("s");
  store_.WriteText("x", "第一行\r\n第二行");
  store_.WriteLogical("on", true);
  store_.WriteLogical("off", false);
  store_.WriteText("one", "1");
  store_.WriteText("empty", "");
  store_.WriteNumber("n", -2.5);
  store_.SetSection("t");
  store_.WriteText("y", "why");

  EXPECT_EQ(store_.ReadText("y", "default"), "why");
  store_.SetSection("s");
  EXPECT_EQ(store_.ReadText("y", "default"), "default");  // y belongs to t
  EXPECT_EQ(store_.ReadText("x", ""), "第一行\r\n第二行");
  EXPECT_NE(Content().find("x=第一行┊*┊第二行"), std::string::npos);
  EXPECT_TRUE(store_.ReadLogical("on", false));
  EXPECT_FALSE(store_.ReadLogical("off", true));
  EXPECT_FALSE(store_.ReadLogical("one", true));  // only "真" is true
  EXPECT_EQ(store_.ReadNumber("n", 0), -2.5);
  EXPECT_EQ(store_.ReadNumber("one", 0), 1);
  // An empty stored value is a value, not a missing one.
  EXPECT_EQ(store_.ReadText("empty", "default"), "");
  EXPECT_FALSE(store_.ReadLogical("empty", true));
  EXPECT_EQ(store_.ReadNumber("empty", 7), 0);
  EXPECT_EQ(store_.ReadNumber("missing", 7), 7);
  store_.SetSection("u");
  EXPECT_TRUE(store_.ReadLogical("on", true));

  // A new store on the same file finds everything again.
  store_.Release();
  EXPECT_TRUE(store_.RawContent().empty());
  ControlStateStore again;
  ASSERT_TRUE(again.Bind(path_));
  again.SetSection("s");
  EXPECT_EQ(again.ReadText("x", ""), "第一行\r\n第二行");
  EXPECT_TRUE(again.ReadLogical("on", false));
}

TEST_F(ControlStateStoreTest, HeaderTextInsideValuesAndHeaderLinesWithJunk) {
  // Written by hand: "[t]" inside a value, a header line with trailing text.
  WriteFileBytes(path_, "[s]\r\nv=[t]\r\n[u] old\r\nk=1");
  ASSERT_TRUE(store_.Bind(path_));
  store_.SetSection("t");
  EXPECT_EQ(store_.ReadText("v", "none"), "none");
  EXPECT_TRUE(store_.WriteText("w", "2"));
  EXPECT_EQ(Content(), "[s]\r\nv=[t]\r\n[u] old\r\nk=1\r\n[t]\r\nw=2");
  // A header line is found by its prefix; a new key goes below the whole line.
  store_.SetSection("u");
  EXPECT_EQ(store_.ReadText("k", ""), "1");
  EXPECT_TRUE(store_.WriteText("n", "3"));
  EXPECT_EQ(Content(), "[s]\r\nv=[t]\r\n[u] old\r\nn=3\r\nk=1\r\n[t]\r\nw=2");
}

TEST_F(ControlStateStoreTest, NamesThatWouldBreakTheFileAreRefused) {
  ASSERT_TRUE(store_.Bind(path_));
  store_.SetSection("s");
  ASSERT_TRUE(store_.WriteText("k", "1"));
  const std::string before = Content();
  EXPECT_FALSE(store_.WriteText("a\r\n[x]", "1"));
  EXPECT_FALSE(store_.WriteText("[s]", "1"));
  EXPECT_FALSE(store_.WriteText("😀", "1"));  // would collide with every other such key as "?"
  store_.SetSection("s]x");
  EXPECT_FALSE(store_.WriteText("k", "1"));
  store_.SetSection("a\nb");
  EXPECT_FALSE(store_.WriteLogical("k", true));
  EXPECT_EQ(store_.ReadText("k", "d"), "d");
  EXPECT_EQ(Content(), before);
  store_.SetSection("s");
  EXPECT_EQ(store_.ReadText("k", ""), "1");
  // Brackets, "=" and line breaks are fine inside values.
  EXPECT_TRUE(store_.WriteText("k", "[t]=\r\n]"));
  EXPECT_EQ(store_.ReadText("k", ""), "[t]=\r\n]");
  EXPECT_EQ(Content(), "[s]\r\nk=[t]=┊*┊]");
}

TEST_F(ControlStateStoreTest, AWriteFromInsideAWriteIsAppliedAfterItInOrder) {
  ASSERT_TRUE(store_.Bind(path_));
  store_.SetSection("s");
  std::vector<bool> nested_answers;
  int pumps = 0;
  store_.SetEventPump([&] {
    if (++pumps != 1) return;
    // An event handler running inside the write of "first".
    nested_answers.push_back(store_.WriteText("second", "2"));
    nested_answers.push_back(store_.WriteText("third", "3"));
    nested_answers.push_back(store_.WriteText("second", "2b"));
    EXPECT_EQ(store_.ReadText("second", "not yet"), "not yet");
  });
  EXPECT_TRUE(store_.WriteText("first", "1"));
  EXPECT_EQ(nested_answers, (std::vector<bool>{false, false, false}));
  EXPECT_EQ(Content(), "[s]\r\nthird=3\r\nsecond=2b\r\nfirst=1");
  // Reads let events run as well.
  const int before = pumps;
  store_.ReadText("first", "");
  EXPECT_GT(pumps, before);
}

TEST_F(ControlStateStoreTest, AValueThatCannotBePlacedIsReportedAndDropped) {
  ASSERT_TRUE(store_.Bind(path_));
  store_.SetSection("s");
  // A handler that keeps undoing the write: every pass finds the section missing.
  store_.SetEventPump([&] {
    store_.Release();
    WriteFileBytes(path_, "");
    store_.Bind(path_);
  });
  std::vector<StoreWriteFailure> failures;
  store_.SetFailureHandler([&](const StoreWriteFailure& failure) { failures.push_back(failure); });
  EXPECT_FALSE(store_.WriteText("键", "v"));
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].section, "s");
  EXPECT_EQ(failures[0].key, "键");
  EXPECT_EQ(failures[0].content, "[s]");
  // The store goes on.
  store_.SetEventPump({});
  EXPECT_TRUE(store_.WriteText("键", "v"));
  EXPECT_EQ(Content(), "[s]\r\n键=v");
}

TEST_F(ControlStateStoreTest, WithoutAWritableFileTheStoreWorksInMemory) {
  ControlStateStore store;
  EXPECT_FALSE(store.Bind(folder_ / "missing-folder" / "x.ini"));
  store.SetSection("s");
  EXPECT_FALSE(store.WriteText("k", "v"));
  EXPECT_EQ(store.ReadText("k", ""), "v");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "missing-folder"));
  EXPECT_FALSE(store.Bind(folder_.path()));  // a folder is no settings file
  store.SetSection("s");
  EXPECT_EQ(store.ReadText("k", "d"), "d");
  EXPECT_FALSE(store.WriteText("k", "v"));

  // A second store is kept from writing while the first holds the file, but
  // still reads what is there.
  ASSERT_TRUE(store_.Bind(path_));
  store_.SetSection("s");
  ASSERT_TRUE(store_.WriteText("k", "first"));
  ASSERT_TRUE(store_.Flush());  // another viewer sees a value once it is written
  ControlStateStore second;
  EXPECT_FALSE(second.Bind(path_));
  second.SetSection("s");
  EXPECT_EQ(second.ReadText("k", ""), "first");
  EXPECT_FALSE(second.WriteText("k", "second"));
  EXPECT_EQ(Content(), "[s]\r\nk=first");
  // Once the first has let go, the second's next write gets hold of the file:
  // what the first left there, with the second's writes on top.
  EXPECT_FALSE(second.WriteLogical("only-second", true));
  ASSERT_TRUE(store_.WriteText("only-first", "1"));
  store_.Release();
  EXPECT_TRUE(second.WriteText("k2", "x"));
  ASSERT_TRUE(second.Flush());
  EXPECT_EQ(GbkToUtf8(ReadFileBytes(path_).value_or("")), "[s]\r\nk2=x\r\nonly-second=真\r\nonly-first=1\r\nk=second");
  EXPECT_EQ(ReadFileBytes(path_), second.RawContent());
}

#ifndef _WIN32
// Limits how large this process may make files, so writes past it fail.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit old_{};
  void (*old_handler_)(int) = nullptr;
};

// A disk that fills up: the values stay in memory, the file keeps its older
// content whole, later writes say the file is behind, and once there is room
// again the file catches up with everything.
TEST_F(ControlStateStoreTest, AFailedFileWriteKeepsTheOldFileAndIsMadeGoodLater) {
  ASSERT_TRUE(store_.Bind(path_));
  store_.SetSection("s");
  ASSERT_TRUE(store_.WriteText("a", "1"));
  ASSERT_TRUE(store_.WriteText("b", "2"));
  const std::string before = Content();
  {
    FileSizeLimit limit(before.size() + 4);
    store_.WriteText("b", std::string(100, 'x'));  // value grows past the limit
    EXPECT_FALSE(store_.Flush());
    EXPECT_EQ(ReadFileBytes(path_), Utf8ToGbk(before));
    EXPECT_FALSE(store_.WriteText("new", std::string(100, 'y')));  // the file is known to be behind
    EXPECT_FALSE(store_.Flush());
    EXPECT_EQ(ReadFileBytes(path_), Utf8ToGbk(before));
    EXPECT_EQ(store_.ReadText("b", ""), std::string(100, 'x'));
  }
  EXPECT_FALSE(store_.WriteText("b", "3"));  // still answers for the failure before it
  EXPECT_TRUE(store_.Flush());
  EXPECT_TRUE(store_.WriteText("a", "4"));
  EXPECT_EQ(Content(), "[s]\r\nnew=" + std::string(100, 'y') + "\r\nb=3\r\na=4");
  // The file is let go of up to date even when the last write before it failed.
  {
    FileSizeLimit limit(1);
    store_.WriteText("a", "5");
    EXPECT_FALSE(store_.Flush());
  }
  store_.Release();
  EXPECT_EQ(GbkToUtf8(ReadFileBytes(path_).value_or("")), "[s]\r\nnew=" + std::string(100, 'y') + "\r\nb=3\r\na=5");
}
#endif

TEST_F(ControlStateStoreTest, BytesLiveInSideFiles) {
  ASSERT_TRUE(store_.Bind(path_));
  store_.SetSection("批量搜索");
  const std::string bytes("\0\x01\xFF\r\n[x]", 8);
  EXPECT_TRUE(store_.WriteBytes("列表", bytes));
  EXPECT_EQ(store_.ReadBytes("列表", "d"), bytes);  // at once, written or not
  EXPECT_EQ(store_.RawContent(), "");               // nothing in the settings file itself
  // The side files are written by the time the store lets go of the file.
  store_.Release();
  EXPECT_EQ(ReadFileBytes(folder_ / "inibin/批量搜索-列表.ibn"), bytes);
  ASSERT_TRUE(store_.Bind(path_));
  store_.SetSection("批量搜索");
  EXPECT_EQ(store_.ReadBytes("列表", "d"), bytes);
  EXPECT_TRUE(store_.WriteBytes("列表", ""));
  EXPECT_EQ(store_.ReadBytes("列表", "d"), "d");  // empty reads as missing
  EXPECT_EQ(store_.ReadBytes("other", "d"), "d");
  // A name must not lead out of the folder.
  store_.SetSection("../..");
  EXPECT_FALSE(store_.WriteBytes("k", "x"));
  store_.SetSection("s");
  EXPECT_FALSE(store_.WriteBytes("a\\b", "x"));
  EXPECT_FALSE(store_.WriteBytes("c:d", "x"));
  // The emptied file is rewritten through a temporary one: count once it is done.
  ASSERT_TRUE(store_.FlushSideFiles());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_ / "inibin"), {}), 1);
  // Without a bound file there is no folder to keep them in.
  ControlStateStore unbound;
  EXPECT_FALSE(unbound.WriteBytes("k", "x"));
  EXPECT_EQ(unbound.ReadBytes("k", "d"), "d");
}

// A gate for the settings file's writes: the first write waits until the
// test opens it, and every write is counted.
class BlockedDisk {
 public:
  IniFileWriter::WriteGate Gate() {
    return [this] {
      if (writes_.fetch_add(1) == 0) {
        entered_.set_value();
        open_.wait();
      }
      return true;
    };
  }
  void WaitUntilBlocked() { entered_.get_future().wait(); }
  void Open() { opener_.set_value(); }
  int Writes() const { return writes_; }

 private:
  std::atomic<int> writes_ = 0;
  std::promise<void> entered_;
  std::promise<void> opener_;
  std::shared_future<void> open_ = opener_.get_future().share();
};

// While the disk does not answer, writes and reads go on at memory speed and
// see the newest values; once it answers, everything written meanwhile reaches
// the file in one write, new keys and sections included.
TEST_F(ControlStateStoreTest, ASlowFileHoldsUpNoWriteAndCatchesUpInOneWrite) {
  BlockedDisk disk;
  store_.SetFileWriteGate(disk.Gate());
  ASSERT_TRUE(store_.Bind(path_));
  store_.SetSection("s");
  ASSERT_TRUE(store_.WriteText("first", "1"));
  disk.WaitUntilBlocked();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 200; ++i) {
    store_.SetSection("节" + std::to_string(i % 7));
    EXPECT_TRUE(store_.WriteNumber("键" + std::to_string(i % 13), i));
    EXPECT_TRUE(store_.WriteText("长", std::string(static_cast<size_t>(i % 5), 'x')));
  }
  store_.SetSection("s");
  EXPECT_TRUE(store_.WriteText("first", "一"));
  EXPECT_EQ(store_.ReadText("first", ""), "一");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
  EXPECT_FALSE(store_.Flush(std::chrono::milliseconds(50)));  // still waiting on the disk

  disk.Open();
  const std::string content = Content();
  EXPECT_EQ(disk.Writes(), 2);  // the one that waited, then the newest of the rest
  store_.SetSection("节6");
  EXPECT_EQ(store_.ReadNumber("键12", -1), 181);
  store_.Release();
  ControlStateStore again;
  ASSERT_TRUE(again.Bind(path_));
  EXPECT_EQ(GbkToUtf8(again.RawContent()), content);
}

// A write that never ends costs its thread, not the close: the settings file
// and a side file both hanging make Release wait the bounded time once, and
// the file stays locked until the hanging write lets go.
TEST_F(ControlStateStoreTest, AHangingDiskLetsTheCloseGoOnInTime) {
  BlockedDisk disk;
  auto side_gate = std::make_shared<std::promise<void>>();
  std::shared_future<void> side_open = side_gate->get_future().share();
  store_.SetFileWriteGate(disk.Gate());
  store_.SetSideFileWriter([side_open](const std::filesystem::path& path, std::string_view bytes) {
    side_open.wait();
    return WriteFileBytes(path, bytes);
  });
  ASSERT_TRUE(store_.Bind(path_));
  store_.SetSection("s");
  ASSERT_TRUE(store_.WriteText("k", "v"));
  ASSERT_TRUE(store_.WriteBytes("b", "bytes"));
  disk.WaitUntilBlocked();
  const auto closing = std::chrono::steady_clock::now();
  store_.Release();
  const auto waited = std::chrono::steady_clock::now() - closing;
  EXPECT_GE(waited, SettingsWriter::kCloseWait - std::chrono::milliseconds(100));
  EXPECT_LT(waited, SettingsWriter::kCloseWait + std::chrono::seconds(1));
  ControlStateStore other;
  EXPECT_FALSE(other.Bind(path_));  // the hanging write still holds the lock

  disk.Open();
  side_gate->set_value();
  bool caught_up = false;
  for (int i = 0; i < 200 && !caught_up; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    caught_up = other.Bind(path_);
  }
  ASSERT_TRUE(caught_up);
  other.SetSection("s");
  EXPECT_EQ(other.ReadText("k", ""), "v");
}

// A disk that does not answer the reads `hangs` picks until the test opens it.
// Shared with the reading threads, which may outlive the store.
class HangingReads {
 public:
  static ReadGate Gate(std::shared_ptr<HangingReads> disk, std::function<bool(const std::filesystem::path&)> hangs) {
    return [disk, hangs](const std::filesystem::path& path) {
      if (!hangs(path)) return true;
      ++disk->waiting_;
      disk->open_.wait();
      --disk->waiting_;
      return true;
    };
  }
  // Lets the held-up reads go on and waits until they are past the gate.
  void Open() {
    opener_.set_value();
    for (int i = 0; i < 250 && waiting_ > 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(4));
    EXPECT_EQ(waiting_, 0);
  }
  int Waiting() const { return waiting_; }

 private:
  std::atomic<int> waiting_ = 0;
  std::promise<void> opener_;
  std::shared_future<void> open_ = opener_.get_future().share();
};

using Clock = std::chrono::steady_clock;

// A settings file whose read never comes back: the start goes on after its
// bounded wait with the defaults, the store works in memory, and neither the
// settings file nor a side file is written, even by the close. Once the disk
// answers, the thread left behind lets go of the file.
TEST_F(ControlStateStoreTest, AReadThatHangsAtTheStartLeavesTheFolderUntouched) {
  ASSERT_TRUE(WriteFileBytes(path_, "[s]\r\nk=stored"));
  auto disk = std::make_shared<HangingReads>();
  auto store = std::make_unique<ControlStateStore>();
  store->SetFileReadGate(HangingReads::Gate(disk, [](const auto&) { return true; }));
  auto start = Clock::now();
  EXPECT_FALSE(store->Bind(path_));
  EXPECT_GE(Clock::now() - start, kStartReadWait - std::chrono::milliseconds(100));
  EXPECT_LT(Clock::now() - start, kStartReadWait + std::chrono::seconds(1));
  store->SetSection("s");
  start = Clock::now();
  EXPECT_EQ(store->ReadText("k", "default"), "default");
  EXPECT_FALSE(store->WriteText("k", "mine"));
  EXPECT_FALSE(store->WriteText("k2", "more"));
  EXPECT_EQ(store->ReadText("k", ""), "mine");
  EXPECT_EQ(store->ReadBytes("b", "d"), "d");  // the side folder is not asked either
  EXPECT_FALSE(store->WriteBytes("b", "bytes"));
  EXPECT_EQ(store->ReadBytes("b", "d"), "bytes");
  store.reset();
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(200));
  EXPECT_EQ(disk->Waiting(), 1);  // only the start's read was tried
  EXPECT_EQ(ReadFileBytes(path_), "[s]\r\nk=stored");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "inibin"));

  disk->Open();
  bool held = false;
  for (int i = 0; i < 100 && !held; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(20)))
    held = store_.Bind(path_);
  ASSERT_TRUE(held);
  store_.SetSection("s");
  EXPECT_EQ(store_.ReadText("k", ""), "stored");
}

// A viewer that could not hold the file tries again at its next write; when
// that try hangs, the write goes on after the shorter wait, no later write
// tries again, and what the first viewer left in the file stays.
TEST_F(ControlStateStoreTest, ARetakeThatHangsIsGivenUpForGood) {
  ASSERT_TRUE(store_.Bind(path_));
  store_.SetSection("s");
  ASSERT_TRUE(store_.WriteText("k", "first"));
  auto disk = std::make_shared<HangingReads>();
  auto bound = std::make_shared<std::atomic<bool>>(false);
  ControlStateStore second;
  second.SetFileReadGate(HangingReads::Gate(disk, [bound](const auto&) { return bound->load(); }));
  EXPECT_FALSE(second.Bind(path_));
  *bound = true;
  store_.Release();
  second.SetSection("s");
  auto start = Clock::now();
  EXPECT_FALSE(second.WriteText("k", "second"));
  EXPECT_GE(Clock::now() - start, kLaterReadWait - std::chrono::milliseconds(50));
  EXPECT_LT(Clock::now() - start, kLaterReadWait + std::chrono::milliseconds(700));
  start = Clock::now();
  EXPECT_FALSE(second.WriteText("k", "third"));
  EXPECT_EQ(second.ReadText("k", ""), "third");
  second.Release();
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(200));
  EXPECT_EQ(disk->Waiting(), 1);
  disk->Open();
  EXPECT_EQ(GbkToUtf8(ReadFileBytes(path_).value_or("")), "[s]\r\nk=first");
}

// A file too large to be settings is neither read nor written over.
TEST_F(ControlStateStoreTest, AnOversizedFileIsLeftAlone) {
  ASSERT_TRUE(WriteFileBytes(path_, "[s]\r\nk=1"));
  std::filesystem::resize_file(path_, kMaxSettingsFileBytes + 1);  // sparse: costs no disk
  EXPECT_FALSE(store_.Bind(path_));
  EXPECT_EQ(store_.RawContent(), "");
  store_.SetSection("s");
  EXPECT_EQ(store_.ReadText("k", "none"), "none");
  EXPECT_FALSE(store_.WriteText("k", "2"));
  store_.Release();
  EXPECT_EQ(std::filesystem::file_size(path_), kMaxSettingsFileBytes + 1);
  std::ifstream in(path_, std::ios::binary);
  std::string head(8, '\0');
  in.read(head.data(), 8);
  EXPECT_EQ(head, "[s]\r\nk=1");
}

class FakeMenuItem : public MenuCheckItem {
 public:
  FakeMenuItem(std::string caption, bool checked) : caption_(std::move(caption)), checked_(checked) {}
  std::string Caption() const override { return caption_; }
  bool IsChecked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }

 private:
  std::string caption_;
  bool checked_;
};

TEST_F(ControlStateStoreTest, MenuCheckMarksAreLogicalsUnderTheCaption) {
  ASSERT_TRUE(store_.Bind(path_));
  store_.SetSection("主界面");
  FakeMenuItem item("自动换行", true);
  EXPECT_TRUE(store_.SaveMenuCheck(item));
  EXPECT_EQ(Content(), "[主界面]\r\n自动换行=真");
  FakeMenuItem restored("自动换行", false);
  store_.LoadMenuCheck(restored);
  EXPECT_TRUE(restored.IsChecked());
  FakeMenuItem unknown("其他", true);
  store_.LoadMenuCheck(unknown);  // missing: the current mark stays
  EXPECT_TRUE(unknown.IsChecked());
}

}  // namespace
}  // namespace ec
