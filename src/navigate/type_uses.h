#pragma once
// Where a module's own types are used: for every data type and class, the
// declarations whose interface names it (a return type, a parameter, a
// member, a global variable, a base class). Built once per model; the uses
// point into the model, which must outlive the index and stay unchanged.

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "declarations/declaration_link.h"
#include "model/module_model.h"

namespace ec {

// Which part of the using declaration names the type.
enum class TypeUseRole { ReturnValue, Parameter, Member, Type, BaseClass };

// "returnValue", "parameter", "member", "type", "baseClass".
std::string_view RoleName(TypeUseRole role);

struct TypeUsePlace {
  TypeUseRole role = TypeUseRole::Type;
  std::string_view name;  // the parameter or member; "" for the other roles
  bool operator==(const TypeUsePlace&) const = default;
};

// One declaration that uses a type, however often: a subroutine with two
// parameters of the type is one use with two places. The kind is user.kind:
// a member of a data type is a use by that data type, a base type one by the
// class.
struct TypeUse {
  DeclarationLink user;
  std::string_view container;  // the class of a method, "" otherwise
  std::string_view name;
  std::span<const TypeUsePlace> places;  // in declaration order, never empty; held by the index
};

class TypeUseIndex {
 public:
  explicit TypeUseIndex(const ModuleModel& model);

  TypeUseIndex(TypeUseIndex&&) noexcept = default;
  TypeUseIndex& operator=(TypeUseIndex&&) noexcept = default;
  // Copying would leave the uses' places pointing into the original.
  TypeUseIndex(const TypeUseIndex&) = delete;
  TypeUseIndex& operator=(const TypeUseIndex&) = delete;

  // The uses of the data type or class `target` (kind DataType or Class,
  // place {0, index}), in model order; nothing for any other link.
  std::span<const TypeUse> UsesOf(const DeclarationLink& target) const;

  // What one type's uses hold. The places of each use lie together in
  // `places`, so a use costs no allocation of its own.
  struct Uses {
    std::vector<TypeUse> uses;
    std::vector<TypeUsePlace> places;
  };

 private:
  std::vector<Uses> dataTypeUses_;  // by data type index
  std::vector<Uses> classUses_;     // by class index
};

inline TypeUseIndex BuildTypeUseIndex(const ModuleModel& model) { return TypeUseIndex(model); }

}  // namespace ec
