#pragma once
// The file association kept in the registry (the Windows backend; tests run
// it on the in-memory registry).

#include <memory>

#include "platform/file_association.h"
#include "platform/registry.h"

namespace ec {

class RegistryFileAssociation : public FileAssociation {
 public:
  RegistryFileAssociation(std::unique_ptr<Registry> owned, RegistryRoot root);
  // Works on a registry the caller keeps alive.
  explicit RegistryFileAssociation(Registry& registry, RegistryRoot root = RegistryRoot::kClassesRoot)
      : registry_(registry), root_(root) {}

  AssociationOutcome Register(const std::filesystem::path& program) override;
  AssociationOutcome Remove(const std::filesystem::path& program) override;

 private:
  AssociationOutcome Apply(const std::string& program_path, const std::string& own_program);

  std::unique_ptr<Registry> owned_;
  Registry& registry_;
  RegistryRoot root_;
};

}  // namespace ec
