#include "platform/code_font.h"

namespace ec {

std::vector<std::string> CodeFontFamilies() { return {"SimSun", "NSimSun"}; }

}  // namespace ec
