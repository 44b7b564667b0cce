// `ecview-cli site FOLDER OUT [--recursive] [--programs] [--title TEXT]
// [--jobs N]`: publishes the modules of a folder as a static site (see
// site/site_publisher.h), with a progress line on a terminal.
#include <chrono>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "platform/terminal.h"
#include "site/site_publisher.h"

namespace ec::cli {
namespace {

// "module k of N, elapsed" on one line that rewrites itself; only on a
// terminal, only once a run has taken a second, at most ten times a second.
class ProgressLine {
 public:
  explicit ProgressLine(bool enabled) : enabled_(enabled) {}
  ~ProgressLine() {
    if (shown_) std::cerr << '\n';
  }

  void Update(size_t done, size_t total) {
    if (!enabled_) return;
    const auto now = std::chrono::steady_clock::now();
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    if (elapsed < 1.0 || (done < total && now - last_ < std::chrono::milliseconds(100))) return;
    last_ = now;
    shown_ = true;
    std::cerr << "\rmodule " << done << " of " << total << ", " << static_cast<long>(elapsed) << " s elapsed"
              << std::flush;
  }

 private:
  bool enabled_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point last_{};
};

void RunSite(const site::SiteOptions& options) {
  site::SiteReport report;
  {
    ProgressLine line(StandardErrorIsTerminal());
    report = site::PublishSite(options, [&line](size_t done, size_t total) { line.Update(done, total); });
  }
  if (report.modules == 0 && !report.error.empty()) {
    std::cerr << "ecview-cli: " << report.error << '\n';
    return SetExitStatus(kExitUsage);
  }
  std::cout << report.modules << " modules: " << report.rendered << " written, " << report.unchanged
            << " unchanged, " << report.removed << " removed, " << report.unread << " unreadable\n";
  if (!report.ok) {
    std::cerr << "ecview-cli: " << report.error << '\n';
    return SetExitStatus(kExitRejected);
  }
  SetExitStatus(kExitOk);
}

}  // namespace

void AddSiteCommand(CLI::App& app) {
  auto options = std::make_shared<site::SiteOptions>();
  CLI::App* cmd = app.add_subcommand("site", "Publish the modules of a folder as a static site with search");
  cmd->add_option("FOLDER", options->folder, "Folder whose modules (*.ec) are published")->required();
  cmd->add_option("OUT", options->out, "Folder the site is written to: missing, empty, or a site made before")
      ->required();
  cmd->add_flag("--recursive", options->recursive, "Publish the modules of the subfolders too");
  cmd->add_flag("--programs", options->programs, "Publish program files (*.e) too");
  cmd->add_option("--title", options->title, "Title of the site (default: the folder's name)");
  cmd->add_option("--jobs", options->jobs, "Modules read at the same time (default: one per core)")
      ->check(CLI::Range(1u, 256u));
  cmd->footer(
      "OUT gets index.html (every module), modules/*.html (one page per module) and\n"
      "search.html (search by name, wildcard or pinyin initials, in the browser, with no\n"
      "server). A second run over the same folder writes only the modules whose size or\n"
      "time changed and removes the pages of modules that are gone. Modules are never\n"
      "written to.\n"
      "Exit status: 0 the site was written; 1 a file could not be written; 2 usage error,\n"
      "missing folder, or an OUT that is neither empty nor a site.");
  cmd->callback([options] { RunSite(*options); });
}

}  // namespace ec::cli
