#pragma once
// A whole module's declarations, or those of all its subroutine groups, in
// the order of the viewer's tree: the subroutine groups, the DLL commands,
// constants, global variables and data types, then each class with its
// methods. What the copy buttons copy for the module node and for the
// subroutine category, and what `ecview-cli dump` prints.

#include <string>

#include "model/module_model.h"

namespace ec {

enum class DeclarationForm { PlainCode, HtmlCode, Tables };

// One block per group, category and class; empty categories are left out.
// Plain code: blocks separated by one empty line, CR LF line ends throughout,
// ending with one. HTML code: the blocks' HTML with one empty line between
// them. Tables: the blocks' tables one after another.
std::string ModuleDeclarations(const ModuleModel& model, DeclarationForm form);
// Only the subroutine groups' blocks, in the same forms.
std::string GroupDeclarations(const ModuleModel& model, DeclarationForm form);

inline std::string ModuleDeclarationText(const ModuleModel& model) {
  return ModuleDeclarations(model, DeclarationForm::PlainCode);
}

}  // namespace ec
