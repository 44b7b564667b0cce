#pragma once
// The pictures of the declaration tree (and of the search results, which
// show the same kinds). The image index of a node is its kind, so the list
// has an entry for every kind number, used or not.

#include <QIcon>
#include <QPixmap>

#include <vector>

namespace ec {

inline constexpr int kNodeIconCount = 12;

// Twelve icons, index = node kind: 0 module, 3 global variables, 4 data
// types, 5 class, 6 subroutine, 7 subroutine category, 8 constants, 9 DLL
// commands, 10 subroutine group, 11 class method; 1 and 2 are spare marks.
// Each icon holds a 16 and a 32 pixel rendering.
std::vector<QIcon> NodeIcons();

// One icon drawn at `size` × `size` pixels; a kind outside 0..11 gives a
// transparent picture.
QPixmap NodeIconPixmap(int kind, int size);

}  // namespace ec
