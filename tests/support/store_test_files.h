#pragma once
// Temporary folders and whole-file bytes for the settings-store tests, in the
// names those tests use; the pieces themselves are the shared test helpers.

#include <filesystem>
#include <string>
#include <string_view>

#include "tests/support/module_writer.h"
#include "tests/support/temp_dir.h"

namespace ec::testing {

using TempFolder = ec::test::TempDir;

inline std::string FileBytes(const std::filesystem::path& path) { return ec::test::ReadFileBytes(PathToUtf8(path)); }

inline void PutFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  ec::test::WriteFileBytes(PathToUtf8(path), bytes);
}

}  // namespace ec::testing
