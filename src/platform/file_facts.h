#pragma once
// What one look at a file tells: whether it is a regular file, its size,
// whether its mode lets its owner write it, and when it was last written.
// A folder search looks at every module of a folder this way, so it is one
// system call on systems that have one for it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace ec {

struct FileFacts {
  bool regular = false;
  std::uint64_t size = 0;
  bool ownerWritable = false;
  std::filesystem::file_time_type modified{};
};

// Nothing when the path names nothing that can be looked at. Symbolic links
// are followed.
std::optional<FileFacts> LookAtFile(std::string_view utf8Path);

}  // namespace ec
