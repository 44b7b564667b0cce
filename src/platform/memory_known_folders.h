#pragma once
// Special folders held in memory, for tests: value names compare without
// regard to ASCII case, as registry value names do.

#include <map>
#include <string>

#include "platform/known_folders.h"

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
  static std::string Fold(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return folded;
  }
  std::map<std::string, std::string> folders_;
};

}  // namespace ec
