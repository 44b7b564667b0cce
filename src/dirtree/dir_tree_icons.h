#pragma once
// The directory tree's twelve pictures, 24 × 24 pixels, index = node kind:
// 0 folder, 1 open folder (a selected folder), 2 desktop, 3 computer, 4 drive,
// 5 special folders, 6 pinned folders, 7 entry, 10 system drive,
// 11 documents; 8 and 9 are unused and blank.

#include <QIcon>

#include <vector>

namespace ec {

inline constexpr int kDirTreeIconSize = 24;

std::vector<QIcon> DirTreeIcons();

}  // namespace ec
