#include "dirtree/core/drive_text.h"

namespace ec {

std::string_view DriveTypeWord(DriveType type) {
  switch (type) {
    case DriveType::kFixed: return "硬盘";
    case DriveType::kCdRom: return "光盘";
    case DriveType::kRemovable: return "移动盘";
    case DriveType::kOther: break;
  }
  return "其他盘";
}

std::string DriveText(std::string_view label, DriveType type, std::string_view name) {
  std::string text(label.empty() ? DriveTypeWord(type) : label);
  text += " (";
  text += name;
  text += ")";
  return text;
}

// The drive sits in the last brackets, so a label may hold brackets of its own.
std::string DriveNameOfText(std::string_view text) {
  const size_t open = text.rfind(" (");
  if (open == std::string_view::npos || text.size() < open + 3 || text.back() != ')') return {};
  return std::string(text.substr(open + 2, text.size() - open - 3));
}

std::string DriveLabelOfText(std::string_view text) {
  const size_t open = text.rfind(" (");
  return std::string(open == std::string_view::npos ? text : text.substr(0, open));
}

}  // namespace ec
