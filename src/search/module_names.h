#pragma once
// The declared names of one module, all a folder search compares: nothing
// else of a module (parameters, remarks, values, byte data) is read for it.

#include <cstddef>
#include <string>
#include <vector>

#include "model/module_model.h"

namespace ec {

struct ClassNames {
  std::string name;
  std::vector<std::string> methods;
  bool operator==(const ClassNames&) const = default;
};

struct ModuleNames {
  std::vector<std::string> subroutines;  // of every program set, in order
  std::vector<ClassNames> classes;
  std::vector<std::string> dataTypes;
  std::vector<std::string> dllCommands;
  std::vector<std::string> constants;
  std::vector<std::string> globals;
  // How the module was read: a search says which modules were damaged.
  ReadOutcome outcome;
  // The same names; the outcomes of two reads may differ in what they looked at.
  bool operator==(const ModuleNames& other) const;

  // Roughly the memory the names take, for bounding a cache of them.
  size_t ByteSize() const;
};

ModuleNames NamesOf(const ModuleModel& model);

// Reads only what the names need: the program segment without the
// subroutines' trailing blocks, the constants without their byte data.
// False when the reader rejects the file; `names` is then empty. With
// repairOnlyWhole check values are rewritten only in a module read whole.
bool ReadModuleNames(const std::string& path, bool readOnly, ModuleNames& names, bool repairOnlyWhole = false);

}  // namespace ec
