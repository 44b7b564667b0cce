#include "app/resource_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

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
// A header may claim any size; a picture beyond this is not decoded.
constexpr int kMostPixels = 64 * 1024 * 1024;

bool IsSound(std::string_view extension) { return extension == ".wav" || extension == ".mid" || extension == ".mp3"; }

}  // namespace

QImage ResourcePicture(const Constant& constant) {
  if (constant.value.kind != ConstantValue::Kind::Bytes) return {};
  const std::string& bytes = constant.value.bytes;
  if (bytes.empty() || bytes.size() > INT32_MAX || IsSound(ResourceFileExtension(bytes))) return {};
  // Qt tells the format by the bytes themselves, whatever the constant is called.
  const QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  if (reader.format().isEmpty()) return {};
  const QSize size = reader.size();
  if (size.isValid() && static_cast<int64_t>(size.width()) * size.height() > kMostPixels) return {};
  QImage picture = reader.read();
  return picture.isNull() ? QImage() : picture;
}

std::string ResourcePicturePage(const QImage& picture, size_t byteCount) {
  int width = std::max(picture.width(), 1);
  while (width < kNarrowestShown) width *= 2;
  width = std::min(width, kWidestShown);
  return "<br><br><hr><br><p><img src=\"" + std::string(kPagePictureUrl) + "\" width=\"" + std::to_string(width) +
         "\"></p><p style=\"font-size:14px;font-family:SimSun;\">" + std::to_string(picture.width()) + " × " +
         std::to_string(picture.height()) + " 像素，" + std::to_string(byteCount) + " 字节</p>";
}

std::string ResourceSoundPage(const Constant& constant) {
  if (constant.value.kind != ConstantValue::Kind::Bytes) return {};
  const std::string_view extension = ResourceFileExtension(constant.value.bytes);
  if (!IsSound(extension)) return {};
  std::string kind(extension.substr(1));
  std::transform(kind.begin(), kind.end(), kind.begin(), [](char c) { return static_cast<char>(c - 'a' + 'A'); });
  return "<br><br><hr><br><p style=\"font-size:14px;font-family:SimSun;\">声音（" + kind + "），" +
         std::to_string(constant.value.bytes.size()) + " 字节　<a href=\"" + kSaveResourceHref +
         "\">保存为文件…</a></p>";
}

}  // namespace ec
