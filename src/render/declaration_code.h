#pragma once
// Declarations as E source text: the lines an E programmer types in the IDE
// (".版本 2", ".子程序 ", ".参数 " ...), in plain-text or HTML mode.
//
// Each renderer renders a list in order. When the list is empty and `single`
// is given, it renders that one item, exactly as a one-item list. An empty list
// without a single item gives the header lines only.

#include <span>
#include <string>
#include <string_view>

#include "model/module_model.h"
#include "render/colour_span.h"

namespace ec {

class TypeLinks;

// What an HTML-mode declaration text starts with: its block's style.
inline constexpr std::string_view kCodeOpening =
    "<div style=\"font-size:14px;font-family:SimSun;line-height:1.5;\">";

// `header` is the class the subroutines are methods of; a header without a
// name (an ordinary program set) writes no ".程序集 " line. With `links`, the
// HTML mode links type names and declared type names (pages, documents).
std::string RenderSubroutineCode(std::span<const Subroutine> items, const Subroutine* single, CodeMode mode,
                                 const ClassInfo& header, const TypeLinks* links = nullptr);
std::string RenderDllCommandCode(std::span<const DllCommand> items, const DllCommand* single, CodeMode mode,
                          const TypeLinks* links = nullptr);
std::string RenderConstantCode(std::span<const Constant> items, const Constant* single, CodeMode mode,
                          const TypeLinks* links = nullptr);
std::string RenderGlobalVariableCode(std::span<const GlobalVar> items, const GlobalVar* single, CodeMode mode,
                          const TypeLinks* links = nullptr);
std::string RenderDataTypeCode(std::span<const DataType> items, const DataType* single, CodeMode mode,
                          const TypeLinks* links = nullptr);

// The items a renderer works through: the list, or else the single item.
template <typename T>
std::span<const T> ItemsOrSingle(std::span<const T> items, const T* single) {
  if (items.empty() && single != nullptr) return std::span<const T>(single, 1);
  return items;
}

}  // namespace ec
