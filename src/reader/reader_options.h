#pragma once

namespace ec {

// How much of a module the reader decodes, and whether it may write to it.
struct ReaderOptions {
  bool programHeaderOnly = false;     // read the program segment up to its header only
  bool skipSubroutineBlocks = false;  // step over the six trailing blocks of each subroutine
  bool skipResourceData = false;      // step over the data of byte-data constants
  bool readOnly = false;              // never open for writing, never repair check values
  // Leave the subroutines in the segment's bytes (ProgramSegment::pending)
  // for a caller that takes them one at a time through ForEachSubroutine.
  bool subroutinesInPlace = false;
};

}  // namespace ec
