#pragma once
// File names of a folder turned into the names of the pages that show them.
// A file name may hold anything a file system allows ("../", "<script>", a
// name of 250 bytes, Chinese); a page name holds only ASCII letters, digits,
// "-", "_" and characters beyond ASCII, is short enough for every file
// system, is no device name of Windows, and differs from every other page
// name of the site even where file systems ignore letter case.

#include <set>
#include <string>
#include <string_view>

namespace ec::site {

// The page name, without ".html", that `relativePath` ("sub/模块.ec") asks
// for; not yet unique.
std::string SafePageName(std::string_view relativePath);

// Hands out unique page names.
class PageNamer {
 public:
  // Reserves `name` (a name kept from an earlier run); false when taken.
  bool Reserve(const std::string& name);
  // The safe name of `relativePath`, with "-2", "-3" … added when taken.
  std::string Assign(std::string_view relativePath);

 private:
  std::set<std::string> taken_;  // ASCII-lower-cased
};

}  // namespace ec::site
