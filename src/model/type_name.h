#pragma once
// Turns the 32-bit type codes of declarations into type names (UTF-8).
//
// A code is, in this order of precedence: a basic type, a custom data type of
// the module, a program set or class of the module (by declaration key), or a
// window unit or object type of a support library. Anything else has no name.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "reader/program_segment.h"

namespace ec {

// Name of a basic type, or empty when `code` is none.
std::string_view BasicTypeName(int32_t code);

// True for the name of a basic type ("整数型", "文本型", ...).
bool IsBasicTypeName(std::string_view name);

// Name of a window-unit or library type from the fixed table, or empty.
std::string_view LibraryTypeName(int32_t code);

// The name of `code` in the module `program`; "" when it has none. Scans the
// module's declarations, so callers naming many types use TypeNameTable.
std::string typeName(int32_t code, const ProgramSegment& program);

// The same answers as typeName, from a table built once per module.
class TypeNameTable {
 public:
  explicit TypeNameTable(const ProgramSegment& program);
  std::string Name(int32_t code) const;

 private:
  std::unordered_map<int32_t, std::string> moduleTypes_;  // key -> UTF-8 name
};

}  // namespace ec
