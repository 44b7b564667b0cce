#pragma once
// The user's special folders (desktop, documents, fonts, ...), asked for by
// the value names of the Windows "Shell Folders" registry key ("Desktop",
// "Personal", "Fonts", "My Music", ...). On Windows the registry answers; on
// Linux the XDG user directories and well-known paths do, and names with no
// Linux equivalent have no folder.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace ec {

class KnownFolders {
 public:
  virtual ~KnownFolders() = default;
  // The folder (UTF-8) for a value name; nullopt when there is none. Whether
  // it exists is the caller's question.
  virtual std::optional<std::string> Folder(std::string_view valueName) = 0;
};

std::unique_ptr<KnownFolders> CreatePlatformKnownFolders();

}  // namespace ec
