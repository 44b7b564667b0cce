#pragma once
// A fresh folder under the system's temp folder, removed with its contents.
// Names and paths are UTF-8 text, as everywhere in the program.

#include <filesystem>
#include <random>
#include <string>
#include <string_view>

#include "support/utf8_path.h"

namespace ec::test {

class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("ecview-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / PathFromUtf8(name); }
  std::string File(const std::string& name) const { return Utf8FromPath(*this / name); }

 private:
  std::filesystem::path path_;
};

}  // namespace ec::test
