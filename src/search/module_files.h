#pragma once
// Listing the module files of one folder, for the module search and the main
// window's menu of the modules beside the current one.

#include <string>
#include <string_view>
#include <vector>

namespace ec {

// Replaces `out` with the full paths of the entries of `folder` that match
// `pattern` and are not folders, in the order the file system lists them;
// subfolders are not entered. `pattern` may hold several wildcard patterns
// ("*" and "?") separated by "|", each listed in turn; "" means "*.*", which
// takes every name. Names match without regard to ASCII case ("*.ec" takes
// X.EC). The path separator is appended to `folder` when it does not end with
// one, so "" lists the root folder (of the current drive, on Windows).
// A folder that cannot be listed gives an empty list. Paths are UTF-8.
void ListModuleFiles(std::string_view folder, std::string_view pattern, std::vector<std::string>& out);

// The same for `folder` and, after its own files, each of its subfolders in
// turn, depth first; links to folders are not followed, so a link back up
// cannot make the listing endless.
void ListModuleFilesRecursive(std::string_view folder, std::string_view pattern, std::vector<std::string>& out);

// Puts module paths in natural order (support/natural_order.h) of their
// file names, whatever order the file system listed them in: 2_x.ec before
// 10_x.ec. The files of a folder come before those of its subfolders, and
// subfolders are ordered the same way, so a recursive listing stays depth
// first.
void SortNaturally(std::vector<std::string>& paths);

// Whether a file name matches one wildcard pattern ("*" any run of
// characters, "?" one character), ASCII letters without regard to case.
bool WildcardMatchesFileName(std::string_view pattern, std::string_view name);

}  // namespace ec
