#pragma once
// A folder the user pinned under "虚拟夹".

#include <string>

#include "dirtree/core/folder_path.h"

namespace ec {

struct VirtualFolder {
  std::string path;  // "" once removed: the slot stays until the list is next shown
  std::string name;  // "" shows the last element of the path
};

inline std::string DisplayName(const VirtualFolder& folder) {
  return folder.name.empty() ? LastComponent(folder.path) : folder.name;
}

}  // namespace ec
