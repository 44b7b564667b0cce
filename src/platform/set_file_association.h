#pragma once
// Registers a program as the opener of file extensions under
// HKEY_CLASSES_ROOT (or the user's part of it), or removes that registration.

#include <string>

#include "platform/registry.h"

namespace ec {

struct AssociationRequest {
  std::string program_path;  // blank means: remove the association
  std::string extensions;    // without dots, separated by "|"
  std::string icon_file;     // empty: the program path
  std::string description;   // the default value of the type key
  std::string type_name;     // empty: the extension list text
  // The program whose registration removal may undo. Removal leaves a type
  // alone whose open command runs any other program.
  std::string own_program;
  // Where the types and extensions live.
  RegistryRoot root = RegistryRoot::kClassesRoot;
};

// The open command written for a program: "E" "%1".
std::string OpenCommandFor(std::string_view program_path);

// The program an open command runs: the quoted first word, or everything
// up to the first blank.
std::string ProgramOfCommand(std::string_view command);

// Never fails as a whole: a step the registry refuses is skipped and the
// rest still run. Ends with the shell notification in every case.
void SetFileAssociation(Registry& registry, const AssociationRequest& request);

}  // namespace ec
