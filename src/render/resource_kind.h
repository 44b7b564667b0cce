#pragma once
// What the bytes of a resource constant hold, told by their first bytes: the
// file extension to save them under.

#include <string_view>

namespace ec {

// ".png", ".jpg", ".gif", ".bmp", ".ico", ".cur", ".tif", ".webp", ".wav",
// ".mid", ".mp3", or ".bin"
// for bytes no known format starts with.
std::string_view ResourceFileExtension(std::string_view bytes);

}  // namespace ec
