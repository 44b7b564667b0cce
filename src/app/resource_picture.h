#pragma once
// A resource constant whose bytes are a picture in any format Qt reads
// (PNG, JPEG, GIF, BMP, ICO, CUR, and with Debian's qt6-image-formats-plugins
// TIFF, WebP, TGA, …) is shown on its page, with its size in pixels and
// bytes; a sound (WAV, MIDI, MP3) is shown as an item that saves it.

#include <QImage>

#include <string>

#include "model/module_model.h"

namespace ec {

// The picture the constant's bytes hold; a null image for anything else.
QImage ResourcePicture(const Constant& constant);

// The part of the page below the declarations that shows `picture` (the
// page view's own picture) and its sizes.
std::string ResourcePicturePage(const QImage& picture, size_t byteCount);

// The link of the page's "保存为文件…" item.
inline constexpr char kSaveResourceHref[] = "ecview-save:resource";

// For a constant holding a sound: the part of the page that names its kind
// and size and offers to save it; "" for anything else.
std::string ResourceSoundPage(const Constant& constant);

}  // namespace ec
