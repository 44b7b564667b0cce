#pragma once
// Why a path typed, dropped or named on the command line cannot be shown,
// told before anything is read: the module shown stays shown, and the user
// is told the path and the reason in one line.

#include <cstdint>
#include <string>

namespace ec {

enum class PathProblem { kNone, kNotFound, kFolder, kTooBig, kUnreadable, kEmpty };

// Modules are read whole and their analysis takes a few times their size;
// a file beyond this is no module anyone wrote.
inline constexpr uint64_t kLargestModuleBytes = 512ull << 20;

// What stands in the way of reading `path` (UTF-8), checked on the file
// system only: kNone when it is a non-empty file that can be opened.
PathProblem ProblemOpening(const std::string& path, uint64_t largestBytes = kLargestModuleBytes);

// The reason in words ("没有这个文件", …); "" for kNone.
std::string OpenProblemText(PathProblem problem);

// The message line: "未能打开 " + path + "：" + reason.
std::string OpenProblemLine(const std::string& path, const std::string& reason);

}  // namespace ec
