#pragma once
// Which of the files dropped on the main window to open.

#include <string>
#include <vector>

namespace ec {

// Only the last dropped path counts, and only when its extension (the text
// after its last ".", the whole path when there is none) is "ec", or "e" for
// a program, in any letter case. Answers that path, or "" when nothing is to be opened.
std::string DroppedModulePath(const std::vector<std::string>& paths);

}  // namespace ec
