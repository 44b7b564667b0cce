#pragma once

namespace ec {

// How much of a module the reader decodes, and whether it may write to it.
struct ReaderOptions {
  bool programHeaderOnly = false;     // read the program segment up to its header only
  bool skipSubroutineBlocks = false;  // step over the six trailing blocks of each subroutine
  bool skipResourceData = false;      // step over the data of byte-data constants
  bool readOnly = false;              // never open for writing, never repair check values
};

}  // namespace ec
