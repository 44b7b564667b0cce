#pragma once
// A whole module as E declaration text, in the order of the viewer's tree:
// the subroutine groups, the DLL commands, constants, global variables and
// data types, then each class with its methods.

#include <string>

#include "model/module_model.h"

namespace ec {

// Plain-text declaration blocks separated by one empty line; CR LF line ends
// throughout, and the text ends with one. Empty categories are left out.
std::string ModuleDeclarationText(const ModuleModel& model);

}  // namespace ec
