// Writes a crafted module whose record pages point every record at one body,
// for timing the programs on it end to end.
//
//   build/make_aliased_module OUT.ec [BYTES]     (default 1,048,576)
#include <iostream>
#include <string>

#include "support/file_bytes.h"
#include "tools/module_writer/aliased_module.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: make_aliased_module OUT.ec [BYTES]\n";
    return 2;
  }
  size_t bytes = 1 << 20;
  try {
    if (argc > 2) bytes = std::stoul(argv[2]);
  } catch (const std::exception&) {
    std::cerr << "make_aliased_module: BYTES must be a whole number\n";
    return 2;
  }
  if (!ec::WriteFileBytes(argv[1], ec::writer::AliasedPagesModuleBytes(bytes))) {
    std::cerr << "make_aliased_module: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
