#pragma once
// The kinds of declaration a module holds, and where one sits in its model:
// what the comparison pairs, the type links point at and the uses list.

#include <cstddef>
#include <string_view>

namespace ec {

enum class DeclarationKind { Subroutine, Class, Method, DataType, DllCommand, Constant, Global };

inline constexpr DeclarationKind kDeclarationKinds[] = {
    DeclarationKind::Subroutine, DeclarationKind::Class,    DeclarationKind::Method, DeclarationKind::DataType,
    DeclarationKind::DllCommand, DeclarationKind::Constant, DeclarationKind::Global};

// "subroutine", "class", "method", "dataType", "dllCommand", "constant", "global".
std::string_view KindName(DeclarationKind kind);

// Where a declaration sits in its model, 0-based: `outer` is the subroutine
// group of a subroutine or the class of a method, 0 for the other kinds;
// `index` is the position in that group, class or list.
struct DeclarationPlace {
  size_t outer = 0;
  size_t index = 0;
  bool operator==(const DeclarationPlace&) const = default;
};

}  // namespace ec
