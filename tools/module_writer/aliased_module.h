#pragma once
// A crafted module whose record pages point every record at one body: the
// global variables, the constants, the parameters of one subroutine and the
// members of one data type. Each page spends half its bytes on the tables and
// half on the one body, whose name and remarks fill it. Read in full for
// every record, such a module would cost memory in the square of its size.

#include <cstddef>
#include <string>

namespace ec::writer {

// About `bytes` bytes in all.
std::string AliasedPagesModuleBytes(size_t bytes);

}  // namespace ec::writer
