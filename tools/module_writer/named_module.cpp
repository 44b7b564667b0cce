#include "tools/module_writer/named_module.h"

#include "tools/module_writer/module_writer.h"

namespace ec::writer {

std::string NamedModuleBytes(std::string_view moduleName, const std::vector<std::string>& subroutineNames) {
  ModuleSegments segments;
  segments.userInfo = UserInfoRecord{.name = G(moduleName), .versionMajor = 1};
  ProgramSegment program;
  ClassRecord set;
  set.entry.key = 0x09000001;
  int32_t key = 0x04000001;
  for (const std::string& name : subroutineNames) {
    SubroutineRecord s;
    s.entry.key = key++;
    s.attributes = SubroutineRecord::kPublic;
    s.name = G(name);
    set.memberKeys.push_back(s.entry.key);
    program.subroutines.push_back(std::move(s));
  }
  program.classes.push_back(std::move(set));
  segments.program = std::move(program);
  return BuildModule(segments);
}

}  // namespace ec::writer
