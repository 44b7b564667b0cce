// ReadModuleFile on arbitrary bytes, through a real file so that the node
// walk, the check-value repairs and every segment parser run as they do for
// a module on disk. Check values that do not match are always reported.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "reader/module_file_reader.h"
#include "reader/read_report.h"
#include "tests/support/check_value_oracle.h"

namespace {

const std::string& FuzzFilePath() {
  static const std::string path =
      (std::filesystem::temp_directory_path() / ("ecview-fuzz-" + std::to_string(getpid()) + ".ec")).string();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = FuzzFilePath();
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  } else {
    return 0;
  }
  // The last byte picks the options, so every parser path is reached.
  const uint8_t pick = size ? data[size - 1] : 0;
  ec::ReaderOptions options;
  options.programHeaderOnly = (pick & 0x03) == 0x03;
  options.skipSubroutineBlocks = pick & 0x04;
  options.skipResourceData = pick & 0x08;
  options.readOnly = pick & 0x10;
  ec::ModuleSegments segments;
  ec::ReadReport report;
  ec::ReadModuleFile(path, options, segments, &report);
  // A file whose check values do not match is never reported clean, whether
  // or not the read then repairs them.
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (ec::test::AnyCheckValueMismatch(bytes) && report.ChecksMatch()) __builtin_trap();
  return 0;
}
