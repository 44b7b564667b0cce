#pragma once
// Publishing a folder of modules as a static site (`ecview-cli site`):
//
//   OUT/index.html           every module, in natural order of file names
//   OUT/modules/PAGE.html    one page per module that could be read
//   OUT/search.html          the search page, with search.js, pinyin.js and
//                            search-index.js beside it, and site.css
//   OUT/.ecview-site/        the manifest and each module's index fragments
//
// A second run re-renders only the modules whose size or modification time
// changed, and removes the pages of modules that are gone. OUT must be
// missing, empty, or a site made here; anything else is refused untouched.

#include <cstddef>
#include <functional>
#include <string>

namespace ec::site {

struct SiteOptions {
  std::string folder;  // UTF-8 paths
  std::string out;
  bool recursive = false;  // the subfolders' modules too
  bool programs = false;   // .e program files too
  std::string title;       // "" for the folder's name
  unsigned jobs = 0;       // worker threads; 0 for one per core
};

struct SiteReport {
  bool ok = false;
  std::string error;     // why nothing or not everything was written
  size_t modules = 0;    // listed
  size_t rendered = 0;   // read and written by this run
  size_t unchanged = 0;  // kept from the run before
  size_t removed = 0;    // pages of modules that are gone
  size_t unread = 0;     // rejected by the reader (listed with the reason)
};

// Called after each module read, with how many are done of how many; from
// the worker threads, one call at a time.
using SiteProgress = std::function<void(size_t done, size_t total)>;

SiteReport PublishSite(const SiteOptions& options, const SiteProgress& progress = {});

}  // namespace ec::site
