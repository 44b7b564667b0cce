#pragma once
// The page shown for a selected declaration: the coloured declaration text,
// a rule, and the IDE-style tables, all rendered from the same arguments.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "model/module_model.h"

namespace ec {

class TypeLinks;

inline constexpr std::string_view kItemPageSeparator = "<br><br><hr><br>";

// With `links`, type names link to their declarations and declared type
// names to their uses.
std::string ItemPage(std::span<const Subroutine> items, const Subroutine* single, const ClassInfo& header,
                     const TypeLinks* links = nullptr);
std::string ItemPage(std::span<const DllCommand> items, const DllCommand* single, const TypeLinks* links = nullptr);
std::string ItemPage(std::span<const Constant> items, const Constant* single, const TypeLinks* links = nullptr);
std::string ItemPage(std::span<const GlobalVar> items, const GlobalVar* single, const TypeLinks* links = nullptr);
std::string ItemPage(std::span<const DataType> items, const DataType* single, const TypeLinks* links = nullptr);

// The page of the subroutine category: how many subroutines and groups, then
// one line per group with its number, its count and its first names.
std::string SubroutineCategoryPage(const ModuleModel& model);

// The top of an item page, what its first screen shows: the page's code block
// cut after `lines` lines and closed (the whole block when it is shorter).
// Lines are separated by "<br>", which module texts cannot hold (they are
// escaped), so the cut never falls inside a text. "" for a page that does not
// start with a code block.
std::string ItemPageTop(std::string_view page, size_t lines);

}  // namespace ec
