// make_named_module OUT.ec MODULE-NAME [SUBROUTINE-NAME ...]: writes a module
// whose one program set declares the named public subroutines; the site's
// browser test builds its modules with it.
#include <iostream>
#include <string>
#include <vector>

#include "support/file_bytes.h"
#include "support/utf8_path.h"
#include "tools/module_writer/named_module.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: make_named_module OUT.ec MODULE-NAME [SUBROUTINE-NAME ...]\n";
    return 2;
  }
  const std::vector<std::string> names(argv + 3, argv + argc);
  if (!ec::WriteFileBytes(ec::PathFromUtf8(argv[1]), ec::writer::NamedModuleBytes(argv[2], names))) {
    std::cerr << "make_named_module: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
