// Writes the seed corpus of analyse_fuzz: small modules with program sets,
// classes with public and private methods, declarations of every kind.
#include <filesystem>
#include <iostream>

#include "support/file_bytes.h"
#include "tools/module_writer/aliased_module.h"
#include "tools/module_writer/large_module.h"
#include "tools/module_writer/module_writer.h"

using namespace ec;
using namespace ec::writer;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: analyse_fuzz_seeds FOLDER\n";
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  int n = 0;
  auto save = [&](const std::string& bytes) { WriteFileBytes((dir / ("seed" + std::to_string(n++))).string(), bytes); };

  ModuleSegments small = LargeModuleSegments({.programSets = 3, .subroutinesPerSet = 3, .parametersPerSubroutine = 2});
  ProgramSegment& program = *small.program;
  program.classes[1].baseTypeCode = 0x10001;  // a class
  program.classes[2].memberKeys.push_back(program.subroutines[0].entry.key);  // listed twice
  program.subroutines[4].attributes = 0;  // a private method
  program.subroutines[8].name.clear();
  DataTypeRecord type;
  type.entry.key = program.classes[0].entry.key;  // a data type and a program set with one key
  type.name = G("类型");
  type.members = program.subroutines[0].parameters;
  program.dataTypes = {type};
  DllCommandRecord dll;
  dll.entry.key = 0x0A000001;
  dll.name = "Api";
  dll.libraryFile = "kernel32.dll";
  program.dllCommands = {dll};
  ConstantRecord text;
  text.key = 0x10000001;
  text.name = G("标题");
  text.value = ConstantValue::OfText(G("易"));
  small.resources->constants.push_back(text);
  save(BuildModule(small));
  save(BuildModule(small) + '\xC5');  // the same, asking for a subset of parts
  save(ModuleWriter().Build());
  save(AliasedPagesModuleBytes(32 * 1024));  // every record of every page at one body
  std::cout << "wrote " << n << " seeds to " << dir << '\n';
  return 0;
}
