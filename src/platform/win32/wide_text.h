#pragma once
// UTF-8 <-> UTF-16 for the Windows API's W functions.

#include <string>
#include <string_view>

namespace ec {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

}  // namespace ec
