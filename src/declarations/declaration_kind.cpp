#include "declarations/declaration_kind.h"

namespace ec {

std::string_view KindName(DeclarationKind kind) {
  switch (kind) {
    case DeclarationKind::Subroutine:
      return "subroutine";
    case DeclarationKind::Class:
      return "class";
    case DeclarationKind::Method:
      return "method";
    case DeclarationKind::DataType:
      return "dataType";
    case DeclarationKind::DllCommand:
      return "dllCommand";
    case DeclarationKind::Constant:
      return "constant";
    case DeclarationKind::Global:
      return "global";
  }
  return "";
}

}  // namespace ec
