#include "app/resource_picture.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "app/page_view.h"
#include "render/resource_kind.h"

namespace ec {
namespace {
// Wider pictures are shown scaled down to fit a page view of the designed
// size; icons are shown enlarged, so that they can be made out.
constexpr int kWidestShown = 640;
constexpr int kNarrowestShown = 96;
}  // namespace

QImage ResourcePicture(const Constant& constant) {
  if (constant.value.kind != ConstantValue::Kind::Bytes) return {};
  const std::string& bytes = constant.value.bytes;
  // Only the formats the page shows are handed to a decoder.
  const std::string_view kind = ResourceFileExtension(bytes);
  if (kind != ".png" && kind != ".jpg" && kind != ".gif" && kind != ".bmp") return {};
  QImage picture;
  if (!picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(std::min<size_t>(bytes.size(), INT32_MAX)))) {
    return {};
  }
  return picture;
}

std::string ResourcePicturePage(const QImage& picture, size_t byteCount) {
  int width = std::max(picture.width(), 1);
  while (width < kNarrowestShown) width *= 2;
  width = std::min(width, kWidestShown);
  return "<br><br><hr><br><p><img src=\"" + std::string(kPagePictureUrl) + "\" width=\"" + std::to_string(width) +
         "\"></p><p style=\"font-size:14px;font-family:SimSun;\">" + std::to_string(picture.width()) + " × " +
         std::to_string(picture.height()) + " 像素，" + std::to_string(byteCount) + " 字节</p>";
}

}  // namespace ec
