#include "tests/support/type_use_module.h"

#include "support/file_bytes.h"
#include "support/utf8_path.h"
#include "tools/module_writer/module_writer.h"

namespace ec::test {
namespace {

constexpr int32_t kInt = static_cast<int32_t>(0x80000301);
constexpr int32_t kPoint = 0x50001;
constexpr int32_t kUnused = 0x50002;

VariableRecord Var(int32_t key, const char* name, int32_t type) {
  VariableRecord v;
  v.key = key;
  v.name = writer::G(name);
  v.typeCode = type;
  return v;
}

}  // namespace

std::string WriteTypeUseModule(const std::string& path) {
  ProgramSegment program;
  SubroutineRecord s;
  s.entry.key = 0x04000001;
  s.attributes = SubroutineRecord::kPublic;
  s.name = writer::G("画");
  s.returnTypeCode = kPoint;
  s.parameters = {Var(0x25000001, "起", kPoint), Var(0x25000002, "宽", kInt), Var(0x25000003, "止", kPoint)};
  ClassRecord set;
  set.entry.key = 0x09000001;
  set.memberKeys = {s.entry.key};
  program.subroutines.push_back(std::move(s));
  program.classes.push_back(std::move(set));
  program.dataTypes = {DataTypeRecord{{kPoint, 0}, 0, writer::G("点"), "", {Var(0x15000001, "横", kInt)}},
                       DataTypeRecord{{kUnused, 0}, 0, writer::G("空"), "", {}}};
  program.globals = {Var(0x05000001, "原点", kPoint)};
  const writer::ModuleWriter module =
      writer::ModuleWriter().Add(writer::Segment("程序段", writer::ProgramSegmentBlock(program)));
  WriteFileBytes(PathFromUtf8(path), module.Build());
  return path;
}

}  // namespace ec::test
