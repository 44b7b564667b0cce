// Writes the seed corpus of read_module_fuzz: small modules with every
// segment kind, damaged check values and a protected header.
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
    std::cerr << "usage: read_module_fuzz_seeds FOLDER\n";
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  int n = 0;
  auto save = [&](const std::string& bytes) { WriteFileBytes((dir / ("seed" + std::to_string(n++))).string(), bytes); };

  ModuleSegments small = LargeModuleSegments({.programSets = 2, .subroutinesPerSet = 2, .parametersPerSubroutine = 2});
  DataTypeRecord type;
  type.entry.key = 0x41000001;
  type.name = G("类型");
  type.members = small.program->subroutines[0].parameters;
  small.program->dataTypes = {type};
  DllCommandRecord dll;
  dll.entry.key = 0x0A000001;
  dll.name = "Api";
  dll.libraryFile = "kernel32.dll";
  small.program->dllCommands = {dll};
  small.program->classes[1].baseTypeCode = 0x09000001;
  ConstantRecord bytesConstant;
  bytesConstant.key = 0x20000001;
  bytesConstant.value = ConstantValue::OfBytes("data");
  small.resources->constants.push_back(bytesConstant);
  small.resources->windows.resize(1);
  save(BuildModule(small));

  auto damaged = Segment("程序段", ProgramSegmentBlock(*small.program));
  damaged.wrongDataCheck = true;
  damaged.nameKey = {1, 2, 3, 4};
  save(ModuleWriter().Add(damaged).Add(Segment("易包信息段1", "x")).Build());
  save(ModuleWriter().Add(Segment("用户信息段", UserInfoBlock(*small.userInfo))).Build(true));
  save(ModuleWriter().Build());
  save(AliasedPagesModuleBytes(32 * 1024));  // every record of every page at one body
  std::cout << "wrote " << n << " seeds to " << dir << '\n';
  return 0;
}
