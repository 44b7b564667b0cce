#pragma once
// A resource constant whose bytes are a picture Qt can read (PNG, JPEG, BMP,
// GIF) is shown on its page, with its size in pixels and bytes.

#include <QImage>

#include <string>

#include "model/module_model.h"

namespace ec {

// The picture the constant's bytes hold; a null image for anything else.
QImage ResourcePicture(const Constant& constant);

// The part of the page below the declarations that shows `picture` (the
// page view's own picture) and its sizes.
std::string ResourcePicturePage(const QImage& picture, size_t byteCount);

}  // namespace ec
