#include "platform/registry_file_association.h"

#include "platform/recording_registry.h"
#include "platform/set_file_association.h"

namespace ec {
namespace {

// Registry texts are UTF-8; paths hold UTF-16 on Windows.
std::string PathText(const std::filesystem::path& program) {
  const auto text = program.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

RegistryFileAssociation::RegistryFileAssociation(std::unique_ptr<Registry> owned, RegistryRoot root)
    : owned_(std::move(owned)), registry_(*owned_), root_(root) {}

AssociationOutcome RegistryFileAssociation::Register(const std::filesystem::path& program) {
  const std::string path = PathText(program);
  return Apply(path, path);
}

AssociationOutcome RegistryFileAssociation::Remove(const std::filesystem::path& program) {
  return Apply("", PathText(program));
}

AssociationOutcome RegistryFileAssociation::Apply(const std::string& program_path,
                                                  const std::string& own_program) {
  RecordingRegistry recorder(registry_);
  SetFileAssociation(recorder, {.program_path = program_path,
                                .extensions = std::string(kModuleExtension),
                                .icon_file = "",
                                .description = std::string(kModuleTypeDescription),
                                .type_name = "",
                                .own_program = own_program,
                                .root = root_});
  return {recorder.changes(), recorder.failed_writes(), {}};
}

}  // namespace ec
