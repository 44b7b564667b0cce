#pragma once

#include <cstdint>

namespace ec {

// How much of a module the reader decodes, and whether it may write to it.
struct ReaderOptions {
  bool programHeaderOnly = false;     // read the program segment up to its header only
  bool skipSubroutineBlocks = false;  // step over the six trailing blocks of each subroutine
  bool skipResourceData = false;      // step over the data of byte-data constants
  bool readOnly = false;              // never open for writing, never repair check values
  // Rewrite check values only when the whole module was read without any
  // other damage: a file cut short or damaged elsewhere is left as it is.
  bool repairOnlyWhole = false;
  // Leave the subroutines in the segment's bytes (ProgramSegment::pending)
  // for a caller that takes them one at a time through ForEachSubroutine.
  bool subroutinesInPlace = false;
  // Leave the pages the model converts (constants and, with
  // subroutinesInPlace, globals, parameters and members) in the segments'
  // bytes, to be read one record at a time (VariablePageRef, ConstantPageRef),
  // so that a dense page is never held as raw records beside the model.
  bool pagesInPlace = false;
  // Declarations are wanted for their names only (a folder search): the
  // remarks and variable pages (parameters, members) of subroutines, data
  // types and DLL commands are stepped over, not read.
  bool namesOnly = false;
  // The memory budget of the read in bytes (reader/read_budget.h); 0 for the
  // one proportional to the file.
  uint64_t budgetLimit = 0;
};

}  // namespace ec
