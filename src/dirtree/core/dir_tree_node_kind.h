#pragma once
// The kinds of the directory tree's nodes. A node's image index is its kind.

namespace ec {

enum class DirTreeNodeKind : int {
  kFolder = 0,             // a listed folder (selected image 1)
  kDesktop = 2,            // root "桌面"
  kComputer = 3,           // root "我的电脑"
  kDrive = 4,
  kSystemFolderRoot = 5,   // root "系统夹"
  kVirtualFolderRoot = 6,  // root "虚拟夹"
  kEntry = 7,              // a folder under "系统夹" or "虚拟夹"
  kSystemDrive = 10,
  kDocuments = 11,         // root "我的文档"
};

inline constexpr int kFolderSelectedImage = 1;
inline constexpr int kDirTreeImageCount = 12;

inline constexpr bool IsDriveKind(DirTreeNodeKind kind) {
  return kind == DirTreeNodeKind::kDrive || kind == DirTreeNodeKind::kSystemDrive;
}
// The roots whose commands are the menu "特殊夹".
inline constexpr bool IsSpecialRoot(DirTreeNodeKind kind) {
  return kind == DirTreeNodeKind::kComputer || kind == DirTreeNodeKind::kSystemFolderRoot ||
         kind == DirTreeNodeKind::kVirtualFolderRoot;
}

}  // namespace ec
