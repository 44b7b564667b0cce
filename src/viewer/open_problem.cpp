#include "viewer/open_problem.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "support/utf8_path.h"

namespace ec {

PathProblem ProblemOpening(const std::string& path, uint64_t largestBytes) {
  if (path.empty()) return PathProblem::kNotFound;
  const std::filesystem::path file = PathFromUtf8(path);
  std::error_code error;
  const auto status = std::filesystem::status(file, error);
  if (error || !std::filesystem::exists(status)) return PathProblem::kNotFound;
  if (std::filesystem::is_directory(status)) return PathProblem::kFolder;
  if (!std::filesystem::is_regular_file(status)) return PathProblem::kUnreadable;  // a device or a pipe
  const uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return PathProblem::kUnreadable;
  if (size > largestBytes) return PathProblem::kTooBig;
  if (!std::ifstream(file, std::ios::binary).is_open()) return PathProblem::kUnreadable;
  return size == 0 ? PathProblem::kEmpty : PathProblem::kNone;
}

std::string OpenProblemText(PathProblem problem) {
  switch (problem) {
    case PathProblem::kNone:
      return {};
    case PathProblem::kNotFound:
      return "没有这个文件";
    case PathProblem::kFolder:
      return "这是文件夹，不是模块";
    case PathProblem::kTooBig:
      return "文件太大（超过 " + std::to_string(kLargestModuleBytes >> 20) + " MB），不是易模块";
    case PathProblem::kUnreadable:
      return "无法读取文件（没有读取权限，或不是普通文件）";
    // The reader would only say "头标志1错误", which sends the user looking
    // for damage in a file that holds nothing.
    case PathProblem::kEmpty:
      return "文件是空的（0 字节），不是易模块（头标志1错误）";
  }
  return {};
}

std::string OpenProblemLine(const std::string& path, const std::string& reason) {
  return "未能打开 " + path + "：" + reason;
}

}  // namespace ec
