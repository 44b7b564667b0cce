#pragma once
// The faces the page view shows code in, best first: the view takes the
// first one installed. Windows has SimSun, the face the pages were designed
// for; Linux has no SimSun, and fontconfig would stand a proportional serif
// in for it, so the view asks for a monospaced face that covers CJK.

#include <string>
#include <vector>

namespace ec {

std::vector<std::string> CodeFontFamilies();

}  // namespace ec
