#pragma once
// Special folders held in memory, for tests: value names compare without
// regard to ASCII case, as registry value names do.

#include <map>
#include <string>

#include "platform/known_folders.h"
#include "support/plain_text.h"

namespace ec {

class MemoryKnownFolders : public KnownFolders {
 public:
  void Set(std::string_view valueName, std::string folder) { folders_[Fold(valueName)] = std::move(folder); }
  std::optional<std::string> Folder(std::string_view valueName) override {
    const auto found = folders_.find(Fold(valueName));
    if (found == folders_.end()) return std::nullopt;
    return found->second;
  }

 private:
  static std::string Fold(std::string_view text) { return LowerAscii(text); }
  std::map<std::string, std::string> folders_;
};

}  // namespace ec
