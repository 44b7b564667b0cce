#pragma once
// The pictures of the main window's banner, drawn at run time so that the
// viewer carries no image files.

#include <QPixmap>

namespace ec {

QPixmap LogoPicture();      // 195 × 64: the product's name
QPixmap NotesPicture();     // 64 × 64: a question mark
QPixmap HomepagePicture();  // 64 × 64: a house

}  // namespace ec
