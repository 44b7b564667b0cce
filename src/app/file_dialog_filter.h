#pragma once
// Open-dialog filters written the Windows way, "description|patterns|…", as
// the filter string a QFileDialog takes.

#include <QString>

#include <string_view>

namespace ec {

// "易模块(*.ec)|*.ec|所有文件(*.*)|*.*" → "易模块(*.ec);;所有文件(*.*)". A
// description that does not end with its patterns in parentheses gets them
// appended; ";"-separated patterns become Qt's space-separated ones. A
// trailing description without patterns is dropped.
QString QtFileFilter(std::string_view windowsFilter);

}  // namespace ec
