#pragma once
// Which declaration of a module a type name stands for: the data type or the
// class of that name, so pages can link a parameter's type to its declaration.
//
// Type codes resolve to basic types before the module's own types, and to data
// types before classes; names follow the same order, so "整数型" never names
// a data type of that name, and a data type shadows a class of the same name.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "declarations/declaration_link.h"
#include "model/module_model.h"

namespace ec {

class TypeTargets {
 public:
  explicit TypeTargets(const ModuleModel& model);

  // The data type or class named `typeName` (kind DataType or Class, place
  // {0, index}); nothing for basic types, library types and unknown names.
  std::optional<DeclarationLink> Find(std::string_view typeName) const;

 private:
  std::unordered_map<std::string, DeclarationLink> targets_;
};

}  // namespace ec
