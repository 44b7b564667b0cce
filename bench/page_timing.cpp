// Times the item pages of big categories in the main window, offscreen: from
// selecting a tree node to its page's top on screen and to the whole page,
// and the longest time the window thread went without handling events
// meanwhile (a 5 ms heartbeat timer measures the gaps).
//
// The pages: a module with the biggest categories of real modules (1,300
// constants, 700 DLL commands, one program set of 1,200 subroutines), and
// the large generated module (100,000 subroutines). For comparison each page
// is also set into a QTextBrowser, the former page view, which parsed and
// laid out every page on the window thread.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTextBrowser>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/main_window.h"
#include "app/module_loader.h"
#include "app/page_view.h"
#include "platform/file_association.h"
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
  const auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; };
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

struct Timing {
  qint64 top = -1;    // ms from the selection to the page's top on screen
  qint64 whole = -1;  // ms to the whole page
  qint64 stall = 0;   // longest ms without handling events
  double windowCpu = 0;  // window thread CPU ms from the selection to 100 ms after the whole page
};

Timing TimeSelection(ec::MainWindow& window, int node) {
  Timing timing;
  QElapsedTimer clock;
  Heartbeat heartbeat;
  QEventLoop waiting;
  auto connection = QObject::connect(window.Page(), &ec::PageView::PageShown, [&](bool complete) {
    if (timing.top < 0) timing.top = clock.elapsed();
    if (complete) {
      timing.whole = clock.elapsed();
      // A little longer, to catch a stall right after the page went up.
      QTimer::singleShot(100, &waiting, &QEventLoop::quit);
    }
  });
  QTimer::singleShot(120000, &waiting, &QEventLoop::quit);
  const double cpu = ThreadCpuMilliseconds();
  heartbeat.Start();
  clock.start();
  window.Tree().Select(node);
  waiting.exec();
  timing.windowCpu = ThreadCpuMilliseconds() - cpu;
  timing.stall = heartbeat.Stop();
  QObject::disconnect(connection);
  return timing;
}

// The former page view: setHtml, then handling events until it is laid out.
qint64 TimeTextBrowser(const std::string& html) {
  QTextBrowser browser;
  browser.resize(712, 520);
  browser.show();
  QCoreApplication::processEvents();
  QElapsedTimer clock;
  clock.start();
  browser.setHtml(QString::fromStdString(html));
  QCoreApplication::processEvents();
  browser.document()->size();  // the rest of the lazy layout
  return clock.elapsed();
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
  std::printf("  %-16s %10s %8s %8s %9s %11s %13s\n", "node", "page KB", "top ms", "whole ms", "stall ms",
              "window cpu", "QTextBrowser");
  for (const char* prefix : nodes) {
    const int node = FindNode(window.Tree(), prefix);
    if (node < 0) continue;
    const Timing t = TimeSelection(window, node);
    const std::string page = window.Page()->Page();
    const qint64 before = TimeTextBrowser(page);
    std::printf("  %-16s %10zu %8lld %8lld %9lld %8.0f ms %10lld ms\n", window.Tree().Text(node).c_str(),
                page.size() / 1024, static_cast<long long>(t.top), static_cast<long long>(t.whole),
                static_cast<long long>(t.stall), t.windowCpu, static_cast<long long>(before));
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  TimeModule("biggest categories of real modules",
             {.programSets = 1, .subroutinesPerSet = 1200, .constants = 1300, .dllCommands = 700},
             {"常量(", "API(", "第一集(", "外部命令_3", "澜禾"});
  TimeModule("large generated module (100,000 subroutines)", {}, {"第一集(", "常量(", "全局变量(", "澜禾"});
  return 0;
}
