#include "site/site_publisher.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

#include "model/module_analysis.h"
#include "reader/module_file.h"
#include "search/module_files.h"
#include "site/index_page.h"
#include "site/module_entry.h"
#include "site/module_page.h"
#include "support/natural_order.h"
#include "site/page_names.h"
#include "site/site_assets.h"
#include "site/site_manifest.h"
#include "support/file_bytes.h"
#include "support/program_version.h"
#include "support/utf8_path.h"

namespace ec::site {
namespace {

namespace fs = std::filesystem;

struct Listed {
  std::string path;  // UTF-8, as listed
  std::string file;  // below the folder, "/"-separated
  FileStamp stamp;
};

// One module of this run: kept from the last one, or to be rendered.
struct Planned {
  Listed listed;
  std::string page;
  bool render = true;
  bool hasPage = true;
  bool failed = false;  // a file of it could not be written: rendered again next time
  ModuleEntry entry;  // filled for rendered modules, read back for kept ones
};

std::string RelativeName(const std::string& path, const fs::path& folder) {
  const std::u8string relative = PathFromUtf8(path).lexically_relative(folder).generic_u8string();
  return std::string(relative.begin(), relative.end());
}

std::vector<Listed> ListModules(const SiteOptions& options, const fs::path& folder) {
  const std::string pattern = options.programs ? "*.ec|*.e" : "*.ec";
  std::vector<std::string> paths;
  if (options.recursive) ListModuleFilesRecursive(options.folder, pattern, paths);
  else ListModuleFiles(options.folder, pattern, paths);
  std::vector<Listed> listed;
  for (std::string& path : paths) {
    const std::optional<FileStamp> stamp = StampOf(path);
    if (!stamp) continue;  // gone since the listing, or no regular file
    std::string file = RelativeName(path, folder);
    listed.push_back({std::move(path), std::move(file), *stamp});
  }
  std::sort(listed.begin(), listed.end(), [](const Listed& a, const Listed& b) { return NaturalLess(a.file, b.file); });
  return listed;
}

// Nothing when OUT may be written to; otherwise why not.
std::optional<std::string> CheckOut(const fs::path& out, std::optional<SiteManifest>& manifest) {
  std::error_code error;
  if (!fs::exists(out, error)) {
    if (!fs::create_directories(out, error)) return "cannot create the folder " + Utf8FromPath(out);
    return std::nullopt;
  }
  if (!fs::is_directory(out, error)) return Utf8FromPath(out) + " is not a folder";
  manifest = ReadManifest(out);
  if (manifest) return std::nullopt;
  if (fs::exists(out / kStateFolder, error) || !fs::is_empty(out, error))
    return Utf8FromPath(out) + " is neither empty nor a site made by ecview-cli site; choose an empty folder";
  return std::nullopt;
}

fs::path RowPath(const fs::path& out, const std::string& page) { return out / kStateFolder / PathFromUtf8(page + ".row"); }
fs::path NamesPath(const fs::path& out, const std::string& page) { return out / kStateFolder / PathFromUtf8(page + ".js"); }
fs::path PagePath(const fs::path& out, const std::string& page) { return out / "modules" / PathFromUtf8(page + ".html"); }

void RemovePage(const fs::path& out, const std::string& page) {
  std::error_code error;
  fs::remove(PagePath(out, page), error);
  fs::remove(RowPath(out, page), error);
  fs::remove(NamesPath(out, page), error);
}

// Decides, module by module, what can be kept, and removes what is gone.
std::vector<Planned> Plan(std::vector<Listed> listed, const std::optional<SiteManifest>& old, const fs::path& out,
                          SiteReport& report) {
  std::unordered_map<std::string, const ManifestEntry*> before;
  const bool sameGenerator = old && old->generator == kProgramVersion;
  if (old)
    for (const ManifestEntry& e : old->modules) before.emplace(e.file, &e);
  PageNamer namer;
  std::vector<Planned> plan;
  plan.reserve(listed.size());
  // Modules seen before keep their page names, so links into the site stay.
  for (Listed& l : listed) {
    Planned p{std::move(l)};
    const auto found = before.find(p.listed.file);
    if (found != before.end() && namer.Reserve(found->second->page)) {
      const ManifestEntry& e = *found->second;
      p.page = e.page;
      p.hasPage = e.hasPage;
      p.render = !sameGenerator || e.stamp != p.listed.stamp;
      before.erase(found);
    }
    plan.push_back(std::move(p));
  }
  for (Planned& p : plan)
    if (p.page.empty()) p.page = namer.Assign(p.listed.file);
  for (const auto& [file, entry] : before) {
    RemovePage(out, entry->page);
    ++report.removed;
  }
  // A kept module whose fragments are missing is rendered again.
  for (Planned& p : plan) {
    if (p.render) continue;
    std::optional<std::string> row = ReadFileBytes(RowPath(out, p.page));
    std::optional<std::string> names = p.hasPage ? ReadFileBytes(NamesPath(out, p.page)) : std::string();
    std::error_code error;
    if (!row || !names || (p.hasPage && !fs::exists(PagePath(out, p.page), error))) {
      p.render = true;
      continue;
    }
    p.entry = {std::move(*row), std::move(*names)};
  }
  return plan;
}

bool WriteFile(const fs::path& path, std::string_view bytes) { return WriteFileBytes(path, bytes); }

// Reads one module and writes its page and fragments. False when a file
// could not be written.
bool Render(Planned& p, const fs::path& out) {
  ModuleModel model;
  analyseModule(p.listed.path, model, {.parts = ModelParts::All(), .readOnly = true});
  p.hasPage = !model.outcome.rejected;
  const std::string stem = Utf8FromPath(PathFromUtf8(p.listed.file).stem());
  bool written = true;
  if (p.hasPage) {
    std::ofstream page(PagePath(out, p.page), std::ios::binary | std::ios::trunc);
    WriteModulePage(model, stem, p.listed.file, page);
    written = static_cast<bool>(page.flush());
  } else {
    std::error_code error;
    fs::remove(PagePath(out, p.page), error);
  }
  p.entry = MakeModuleEntry(model, p.listed.file, p.page, p.hasPage);
  written = WriteFile(RowPath(out, p.page), p.entry.row) && written;
  if (p.hasPage) written = WriteFile(NamesPath(out, p.page), p.entry.search) && written;
  return written;
}

// Renders the planned modules that need it on `jobs` threads.
size_t RenderAll(std::vector<Planned>& plan, const fs::path& out, unsigned jobs, const SiteProgress& progress,
                 std::string& failed) {
  std::vector<Planned*> work;
  for (Planned& p : plan)
    if (p.render) work.push_back(&p);
  std::atomic<size_t> next{0};
  std::mutex mutex;
  size_t done = 0;
  const auto worker = [&] {
    const KeptReadBuffer keptBuffer;
    for (size_t i = next++; i < work.size(); i = next++) {
      const bool ok = Render(*work[i], out);
      std::lock_guard lock(mutex);
      work[i]->failed = !ok;
      if (!ok && failed.empty()) failed = "cannot write the page of " + work[i]->listed.file;
      ++done;
      if (progress) progress(done, work.size());
    }
  };
  {
    std::vector<std::jthread> threads;
    const size_t count = std::min<size_t>(std::max(1u, jobs), std::max<size_t>(work.size(), 1));
    for (size_t t = 1; t < count; ++t) threads.emplace_back(worker);
    worker();
  }
  return work.size();
}

bool WriteSiteFiles(const fs::path& out, const std::string& title, const std::vector<Planned>& plan) {
  std::vector<std::string> rows;
  rows.reserve(plan.size());
  IndexCounts counts{plan.size(), 0};
  size_t names = 64;
  for (const Planned& p : plan) {
    rows.push_back(p.entry.row);
    if (!p.hasPage) ++counts.unread;
    names += p.entry.search.size();
  }
  std::string index = "// The names of every module of the site, for search.js.\nvar EC_SITE_INDEX = [];\n";
  index.reserve(names);
  for (const Planned& p : plan) index += p.entry.search;
  bool ok = WriteFile(out / "index.html", IndexPage(title, rows, counts));
  ok = WriteFile(out / "search-index.js", index) && ok;
  ok = WriteFile(out / "search.html", SearchPage(title)) && ok;
  ok = WriteFile(out / "search.js", SearchScript()) && ok;
  ok = WriteFile(out / "pinyin.js", PinyinScript()) && ok;
  return WriteFile(out / "site.css", SiteStyleSheet()) && ok;
}

std::string TitleOf(const SiteOptions& options, const fs::path& folder) {
  if (!options.title.empty()) return options.title;
  const std::string name = Utf8FromPath(folder.filename());
  return name.empty() ? "模块" : name;
}

}  // namespace

SiteReport PublishSite(const SiteOptions& options, const SiteProgress& progress) {
  SiteReport report;
  std::error_code error;
  const fs::path folder = fs::absolute(PathFromUtf8(options.folder), error).lexically_normal();
  if (options.folder.empty() || !fs::is_directory(folder, error)) {
    report.error = "no such folder: " + options.folder;
    return report;
  }
  const fs::path out = PathFromUtf8(options.out);
  std::optional<SiteManifest> old;
  if (options.out.empty()) report.error = "no output folder given";
  else if (auto refused = CheckOut(out, old)) report.error = *refused;
  if (!report.error.empty()) return report;
  fs::create_directories(out / "modules", error);
  fs::create_directories(out / kStateFolder, error);

  std::vector<Planned> plan = Plan(ListModules(options, folder), old, out, report);
  report.modules = plan.size();
  std::string failed;
  const unsigned jobs = options.jobs != 0 ? options.jobs : std::max(1u, std::thread::hardware_concurrency());
  report.rendered = RenderAll(plan, out, jobs, progress, failed);
  report.unchanged = report.modules - report.rendered;
  for (const Planned& p : plan) report.unread += p.hasPage ? 0 : 1;

  const std::string title = TitleOf(options, folder);
  const bool indexStale = report.rendered > 0 || report.removed > 0 || !old || old->title != title ||
                          !fs::exists(out / "index.html", error) || !fs::exists(out / "search-index.js", error);
  if (indexStale && !WriteSiteFiles(out, title, plan) && failed.empty()) failed = "cannot write the site's index";

  SiteManifest manifest{kProgramVersion, title, {}};
  for (const Planned& p : plan)
    manifest.modules.push_back({p.listed.file, p.failed ? FileStamp{} : p.listed.stamp, p.page, p.hasPage});
  if ((indexStale || manifest != *old) && !WriteManifest(out, manifest) && failed.empty())
    failed = "cannot write the manifest";
  report.error = failed;
  report.ok = failed.empty();
  return report;
}

}  // namespace ec::site
