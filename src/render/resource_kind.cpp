#include "render/resource_kind.h"

#include <array>

namespace ec {
namespace {

struct Signature {
  std::string_view start;
  std::string_view extension;
};

constexpr std::array<Signature, 12> kSignatures{{
    {std::string_view("\x89PNG\r\n\x1a\n", 8), ".png"},
    {std::string_view("\xff\xd8\xff", 3), ".jpg"},
    {"GIF87a", ".gif"},
    {"GIF89a", ".gif"},
    {"BM", ".bmp"},
    {std::string_view("\0\0\1\0", 4), ".ico"},
    {std::string_view("\0\0\2\0", 4), ".cur"},
    {std::string_view("II*\0", 4), ".tif"},
    {std::string_view("MM\0*", 4), ".tif"},
    {"MThd", ".mid"},
    {"ID3", ".mp3"},
    {std::string_view("\xff\xfb", 2), ".mp3"},
}};

}  // namespace

std::string_view ResourceFileExtension(std::string_view bytes) {
  // RIFF files name their kind at offset 8.
  if (bytes.size() >= 12 && bytes.starts_with("RIFF") && bytes.substr(8, 4) == "WAVE") return ".wav";
  if (bytes.size() >= 12 && bytes.starts_with("RIFF") && bytes.substr(8, 4) == "WEBP") return ".webp";
  for (const Signature& s : kSignatures) {
    if (bytes.starts_with(s.start)) return s.extension;
  }
  return ".bin";
}

}  // namespace ec
