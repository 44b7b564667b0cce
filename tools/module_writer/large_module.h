#pragma once
// A large, realistic module for benchmarks: program sets full of public and
// private subroutines with parameters, plus globals, data types, DLL commands
// and constants in proportion.

#include <string>

#include "reader/module_file_reader.h"

namespace ec::writer {

struct LargeModuleShape {
  int programSets = 1000;
  int subroutinesPerSet = 100;
  int parametersPerSubroutine = 3;
  // A later version of the same module: this many subroutines, spread evenly,
  // are edited, a third each with a new return type, a new name, or a new
  // parameter. The rest stays as it was.
  int edits = 0;
  int constants = -1;  // -1: one per ten program sets
  int dllCommands = 0;
  // The module's own types, for the where-used index: this many data types
  // (each with a member of the one before), named by some return values,
  // parameters and globals; and the last `classes` program sets made classes,
  // each based on the one before, named by some parameters. None by default.
  int dataTypes = 0;
  int classes = 0;
};

ModuleSegments LargeModuleSegments(const LargeModuleShape& shape = {});
std::string LargeModuleBytes(const LargeModuleShape& shape = {});

}  // namespace ec::writer
