#pragma once
// The page shown for a selected declaration: the coloured declaration text,
// a rule, and the IDE-style tables, all rendered from the same arguments.

#include <span>
#include <string>

#include "model/module_model.h"

namespace ec {

inline constexpr std::string_view kItemPageSeparator = "<br><br><hr><br>";

std::string ItemPage(std::span<const Subroutine> items, const Subroutine* single, const ClassInfo& header);
std::string ItemPage(std::span<const DllCommand> items, const DllCommand* single);
std::string ItemPage(std::span<const Constant> items, const Constant* single);
std::string ItemPage(std::span<const GlobalVar> items, const GlobalVar* single);
std::string ItemPage(std::span<const DataType> items, const DataType* single);

}  // namespace ec
