#pragma once
// Declarations as HTML tables laid out like the declaration tables of the E
// IDE: a caption row, the item's own row, then a caption row and one row per
// parameter or member. Module texts are HTML-escaped.
//
// List and single-item rendering work as for the declaration text: an empty
// list with a `single` item renders that item as a one-item list.

#include <span>
#include <string>

#include "model/module_model.h"

namespace ec {

class TypeLinks;

// With a named `header` the class table comes first and the name column of
// every subroutine table is captioned "方法名" instead of "子程序名". With
// `links`, type names and declared type names are links (pages, documents).
std::string RenderSubroutineTables(std::span<const Subroutine> items, const Subroutine* single,
                                   const ClassInfo& header, const TypeLinks* links = nullptr);
std::string RenderDllCommandTables(std::span<const DllCommand> items, const DllCommand* single,
                                   const TypeLinks* links = nullptr);
// Constants have no type names; `links` is there for a uniform signature.
std::string RenderConstantTable(std::span<const Constant> items, const Constant* single,
                                const TypeLinks* links = nullptr);
std::string RenderGlobalVariableTable(std::span<const GlobalVar> items, const GlobalVar* single,
                                      const TypeLinks* links = nullptr);
std::string RenderDataTypeTables(std::span<const DataType> items, const DataType* single,
                                 const TypeLinks* links = nullptr);

}  // namespace ec
