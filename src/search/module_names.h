#pragma once
// The declared names of one module, all a folder search compares by default:
// nothing else of a module (parameters, remarks, values, byte data) is read
// for it. A search of remarks or parameters asks for their texts as well.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "model/module_model.h"

namespace ec {

// What a declaration says about itself beside its name: its remarks, and the
// names and remarks of its parameters (of a data type: its members).
struct DeclarationTexts {
  std::string remarks;
  std::vector<std::pair<std::string, std::string>> params;  // name, remarks
  bool operator==(const DeclarationTexts&) const = default;
};

struct ClassNames {
  std::string name;
  std::vector<std::string> methods;
  DeclarationTexts texts;                     // of the class; empty without texts
  std::vector<DeclarationTexts> methodTexts;  // parallel to methods, or empty
  bool operator==(const ClassNames&) const = default;
};

struct ModuleNames {
  std::vector<std::string> subroutines;  // of every program set, in order
  std::vector<ClassNames> classes;
  std::vector<std::string> dataTypes;
  std::vector<std::string> dllCommands;
  std::vector<std::string> constants;
  std::vector<std::string> globals;
  // With texts, each list below runs parallel to the names above; without,
  // they are empty.
  bool withTexts = false;
  std::vector<DeclarationTexts> subroutineTexts, dataTypeTexts, dllCommandTexts, constantTexts, globalTexts;
  // How the module was read: a search says which modules were damaged.
  ReadOutcome outcome;
  // The same names and texts; the outcomes of two reads may differ in what
  // they looked at.
  bool operator==(const ModuleNames& other) const;

  // Roughly the memory the names take, for bounding a cache of them.
  size_t ByteSize() const;
};

ModuleNames NamesOf(const ModuleModel& model, bool withTexts = false);

// Reads only what the names need: the program segment without the
// subroutines' trailing blocks, the constants without their byte data; with
// `withTexts`, the remarks and parameters too.
// False when the reader rejects the file; `names` is then empty. With
// repairOnlyWhole check values are rewritten only in a module read whole.
bool ReadModuleNames(const std::string& path, bool readOnly, ModuleNames& names, bool withTexts = false,
                     bool repairOnlyWhole = false);

}  // namespace ec
