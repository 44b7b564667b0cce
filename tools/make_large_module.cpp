// Writes a large generated module for timing the programs end to end.
//
//   build/make_large_module OUT.ec [PROGRAM_SETS [SUBROUTINES_PER_SET [PARAMETERS [EDITS [CONSTANTS [DLL_COMMANDS]]]]]]
//
// Defaults: 1,000 program sets of 100 subroutines with 3 parameters (~27 MB),
// one constant per ten program sets, no DLL commands.
// EDITS makes a later version of the same module, for timing `ecview-cli diff`:
// that many subroutines get a new return type, a new name or a parameter more.
#include <iostream>
#include <string>

#include "support/file_bytes.h"
#include "tools/module_writer/large_module.h"
#include "tools/module_writer/module_writer.h"

namespace {

constexpr const char* kUsage =
    "usage: make_large_module OUT.ec [PROGRAM_SETS [SUBROUTINES_PER_SET [PARAMETERS [EDITS [CONSTANTS "
    "[DLL_COMMANDS]]]]]]\n";

}  // namespace

int main(int argc, char** argv) {
  // An output name that looks like an option is a slip, not a file to create.
  const bool looksLikeOption = argc >= 2 && argv[1][0] == '-';
  const std::string option = looksLikeOption ? argv[1] : "";
  if (option == "--help" || option == "-h") {
    std::cout << kUsage;
    return 0;
  }
  if (looksLikeOption || argc < 2 || argc > 8) {
    std::cerr << kUsage;
    return 2;
  }
  ec::writer::LargeModuleShape shape;
  try {
    if (argc > 2) shape.programSets = std::stoi(argv[2]);
    if (argc > 3) shape.subroutinesPerSet = std::stoi(argv[3]);
    if (argc > 4) shape.parametersPerSubroutine = std::stoi(argv[4]);
    if (argc > 5) shape.edits = std::stoi(argv[5]);
    if (argc > 6) shape.constants = std::stoi(argv[6]);
    if (argc > 7) shape.dllCommands = std::stoi(argv[7]);
  } catch (const std::exception&) {
    std::cerr << "make_large_module: counts must be whole numbers\n";
    return 2;
  }
  if (!ec::WriteFileBytes(argv[1], ec::writer::LargeModuleBytes(shape))) {
    std::cerr << "make_large_module: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
