#pragma once
// The text of a drive node: the volume label, or a word for the drive's type
// when it has none, then " (", the drive and ")": "系统 (C:)", "硬盘 (D:)",
// "移动盘 (/media/usb)".

#include <string>
#include <string_view>

#include "platform/drive_list.h"

namespace ec {

std::string_view DriveTypeWord(DriveType type);
std::string DriveText(std::string_view label, DriveType type, std::string_view name);
// The drive of a drive node's text ("C:"), and the text without it ("系统").
std::string DriveNameOfText(std::string_view text);
std::string DriveLabelOfText(std::string_view text);

}  // namespace ec
