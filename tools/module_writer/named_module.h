#pragma once
// A small module of given names: one program set whose public subroutines
// carry them, under a module name. For tests and tools that need modules
// declaring particular names (the site's search test, hostile names).

#include <string>
#include <string_view>
#include <vector>

namespace ec::writer {

// Names are UTF-8; texts GBK cannot hold become "?" in the file.
std::string NamedModuleBytes(std::string_view moduleName, const std::vector<std::string>& subroutineNames);

}  // namespace ec::writer
