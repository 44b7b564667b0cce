// Times the item pages of big categories in the main window, offscreen:
// from selecting a tree node to its page on screen, then End to its real
// end, when the scroll bar's length last changed (its final range: the
// length of its scale, the bar's range plus its page), and how long the
// worker takes to measure every block; the longest time the window thread went without
// handling events meanwhile (a 5 ms heartbeat timer measures the gaps), the
// window thread's CPU time, and how much the process grew for the page.
//
// The pages: a module with the biggest categories of real modules (1,300
// constants, 700 DLL commands, one program set of 1,200 subroutines), and
// the large generated module (100,000 subroutines). Beside each, the former
// page view's cost: the whole page set into one text document and laid out
// (what its worker did before the page was whole), and what that document
// holds in memory.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScrollBar>
#include <QTimer>

#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "app/main_window.h"
#include "app/module_loader.h"
#include "app/page_document.h"
#include "app/page_view.h"
#include "platform/file_association.h"
#include "render/page_blocks.h"
#include "settings/control_state_store.h"
#include "support/file_bytes.h"
#include "tests/support/temp_dir.h"
#include "tools/module_writer/large_module.h"

namespace {

class NoFileAssociation : public ec::FileAssociation {
 public:
  ec::AssociationOutcome Register(const std::filesystem::path&) override { return {}; }
  ec::AssociationOutcome Remove(const std::filesystem::path&) override { return {}; }
};

// The window thread's own CPU time (user and system).
double ThreadCpuMilliseconds() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  const auto ms = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
  };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The longest gap between two ticks of a 5 ms timer while it runs.
class Heartbeat {
 public:
  Heartbeat() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Beat(); });
  }
  void Start() {
    longest_ = 0;
    clock_.start();
    last_ = 0;
    timer_.start();
  }
  qint64 Stop() {
    Beat();
    timer_.stop();
    return longest_;
  }

 private:
  void Beat() {
    const qint64 now = clock_.elapsed();
    longest_ = std::max(longest_, now - last_);
    last_ = now;
  }
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 last_ = 0;
  qint64 longest_ = 0;
};

int FindNode(ec::TreeViewHelper& tree, const std::string& prefix) {
  for (int i = 0; i < tree.Count(); ++i)
    if (tree.Text(i).starts_with(prefix)) return i;
  return -1;
}

// The heap in use, in KB: what a page holds, without what was freed.
long HeapKb() { return static_cast<long>(mallinfo2().uordblks / 1024); }

// Handles events until `done`, looking every 5 ms, or `milliseconds` have passed.
void WaitUntil(const std::function<bool()>& done, int milliseconds) {
  QEventLoop loop;
  QElapsedTimer clock;
  clock.start();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (done() || clock.elapsed() >= milliseconds) loop.quit();
  });
  poll.start(5);
  loop.exec();
}

struct Timing {
  qint64 select = -1;    // ms the selection took: the page rendered, cut and its first screen laid out
  qint64 shown = -1;     // ms from the selection to the page on screen
  qint64 end = -1;       // ms from the selection to End done, the last block drawn
  qint64 range = 0;      // ms from the selection to the last change of the scroll bar's length, 0 if none
  qint64 measured = -1;  // ms from the selection to every block measured
  qint64 stall = 0;      // longest ms without handling events, to 100 ms after measured
  double windowCpu = 0;  // window thread CPU ms over the same time
  long grownKb = 0;      // heap in use grown from before the selection to measured
  bool lastDrawn = false;
};

// The last line of text of the page shown.
QString LastLine(const ec::PageView& page) {
  const QStringList lines = page.PlainText().split(u'\n', Qt::SkipEmptyParts);
  for (auto line = lines.rbegin(); line != lines.rend(); ++line)
    if (!line->trimmed().isEmpty()) return line->trimmed();
  return {};
}

Timing TimeSelection(ec::MainWindow& window, int node) {
  Timing timing;
  ec::PageView* page = window.Page();
  QElapsedTimer clock;
  Heartbeat heartbeat;
  const long before = HeapKb();
  auto connection = QObject::connect(page, &ec::PageView::PageShown, [&] { timing.shown = clock.elapsed(); });
  QScrollBar* bar = page->verticalScrollBar();
  int length = -1;
  auto ranging = QObject::connect(bar, &QScrollBar::rangeChanged, [&] {
    if (bar->maximum() + bar->pageStep() == length) return;
    length = bar->maximum() + bar->pageStep();
    timing.range = clock.elapsed();
  });
  const double cpu = ThreadCpuMilliseconds();
  heartbeat.Start();
  clock.start();
  window.Tree().Select(node);
  timing.select = clock.elapsed();
  QCoreApplication::processEvents();  // the End key comes as an event of its own
  page->ScrollToEnd();
  timing.end = clock.elapsed();
  const QString seen = page->VisibleText();
  const bool atMaximum = page->verticalScrollBar()->value() == page->verticalScrollBar()->maximum();
  WaitUntil([&] { return page->IsMeasured(); }, 120000);
  timing.measured = clock.elapsed();
  WaitUntil([] { return false; }, 100);  // a stall right after would count
  timing.windowCpu = ThreadCpuMilliseconds() - cpu;
  timing.stall = heartbeat.Stop();
  timing.grownKb = HeapKb() - before;
  QObject::disconnect(connection);
  QObject::disconnect(ranging);
  timing.lastDrawn = atMaximum && seen.contains(LastLine(*page));
  return timing;
}

// The former page view: the whole page parsed and laid out as one document.
struct Former {
  qint64 ms = 0;
  long heldKb = 0;
};

Former TimeOneDocument(const std::string& html, int width, const ec::PageFace& face) {
  const long before = HeapKb();
  QElapsedTimer clock;
  clock.start();
  auto document = ec::BuildPageDocument(html, width, face);
  Former former{clock.elapsed(), HeapKb() - before};
  return former;
}

void TimeModule(const char* label, const ec::writer::LargeModuleShape& shape,
                std::initializer_list<const char*> nodes) {
  ec::test::TempDir dir;
  const std::string path = dir.File("module.ec");
  if (!ec::WriteFileBytes(path, ec::writer::LargeModuleBytes(shape))) return;
  ec::ControlStateStore store;
  NoFileAssociation association;
  ec::MainWindow window(store, association, "");
  window.show();
  window.loadModule(path);
  std::printf("%s\n", label);
  std::printf("  %-14s %8s %7s %7s %7s %9s %7s %8s %8s %6s | %9s %9s\n", "node", "page KB", "select", "End", "range",
              "measured", "stall", "win cpu", "heap KB", "end ok", "one doc", "heap KB");
  for (const char* prefix : nodes) {
    const int node = FindNode(window.Tree(), prefix);
    if (node < 0) continue;
    window.Tree().Select(0);  // the module's small page: the big one before is freed
    const Timing t = TimeSelection(window, node);
    const std::string html = window.Page()->Page();
    const Former former = TimeOneDocument(html, window.Page()->viewport()->width() - 8, window.Page()->Face());
    QElapsedTimer cutting;
    cutting.start();
    const size_t blocks = ec::SplitPage(html).size();
    std::fprintf(stderr, "    (%zu blocks cut in %lld ms)\n", blocks, static_cast<long long>(cutting.elapsed()));
    std::printf("  %-14s %8zu %5lld ms %4lld ms %4lld ms %6lld ms %4lld ms %5.0f ms %8ld %6s | %6lld ms %9ld\n",
                window.Tree().Text(node).c_str(), html.size() / 1024, static_cast<long long>(t.select),
                static_cast<long long>(t.end), static_cast<long long>(t.range), static_cast<long long>(t.measured), static_cast<long long>(t.stall),
                t.windowCpu, t.grownKb, t.lastDrawn ? "yes" : "NO", static_cast<long long>(former.ms), former.heldKb);
    std::fflush(stdout);
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  TimeModule("biggest categories of real modules",
             {.programSets = 1, .subroutinesPerSet = 1200, .constants = 1300, .dllCommands = 700},
             {"常量(", "API(", "第一集(", "外部命令_3", "澜禾"});
  TimeModule("large generated module (100,000 subroutines)", {}, {"第一集(", "常量(", "全局变量(", "澜禾"});
  return 0;
}
