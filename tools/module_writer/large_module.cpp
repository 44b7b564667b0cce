#include "tools/module_writer/large_module.h"

#include <algorithm>

#include "tools/module_writer/module_writer.h"

namespace ec::writer {
namespace {

constexpr int32_t kInt = static_cast<int32_t>(0x80000301);
constexpr int32_t kText = static_cast<int32_t>(0x80000004);

VariableRecord Parameter(int32_t key, int index) {
  VariableRecord v;
  v.key = key;
  v.typeCode = index % 2 ? kText : kInt;
  v.attributeWord = static_cast<int16_t>(index == 2 ? 4 : 0);
  v.name = G("参数") + std::to_string(index);
  v.remarks = G("参数的说明文字");
  return v;
}

SubroutineRecord Subroutine(int32_t key, int set, int index, int parameters) {
  SubroutineRecord s;
  s.entry.key = key;
  s.attributes = index % 4 ? SubroutineRecord::kPublic : 0;
  s.returnTypeCode = kInt;
  s.name = G("子程序_") + std::to_string(set) + "_" + std::to_string(index);
  s.remarks = G("这个子程序做一件有用的事情，并返回结果。");
  for (int p = 0; p < parameters; ++p) s.parameters.push_back(Parameter(0x25000000 + key * 8 + p, p));
  s.trailingBlocks = {std::string(24, '\x01'), "", "", "", "", ""};
  return s;
}

// Edit i (0-based) of the later version, applied to one subroutine.
void Edit(SubroutineRecord& s, int i) {
  switch (i % 3) {
    case 0: s.returnTypeCode = kText; break;
    case 1: s.name += G("_新"); break;
    default: s.parameters.push_back(Parameter(0x26000000 + s.entry.key, 1)); break;
  }
}

DllCommandRecord DllCommand(int32_t key, int index) {
  DllCommandRecord d;
  d.entry.key = key;
  d.returnTypeCode = kInt;
  d.name = G("外部命令_") + std::to_string(index);
  d.remarks = G("调用系统接口");
  d.libraryFile = G("user32.dll");
  d.nameInLibrary = G("MessageBoxA");
  for (int p = 0; p < 4; ++p) d.parameters.push_back(Parameter(0x28000000 + index * 8 + p, p));
  return d;
}

constexpr int32_t kFirstDataType = 0x41000001;
constexpr int32_t kFirstSet = 0x09000001;

DataTypeRecord DataType(int index) {
  DataTypeRecord d;
  d.entry.key = kFirstDataType + index;
  d.name = G("数据类型_") + std::to_string(index);
  d.remarks = G("一条记录");
  d.members = {Parameter(0x29000000 + index * 4, 0), Parameter(0x29000000 + index * 4 + 1, 1)};
  if (index > 0) {
    d.members.push_back(Parameter(0x29000000 + index * 4 + 2, 2));
    d.members.back().typeCode = kFirstDataType + index - 1;
  }
  return d;
}

// Every fifth subroutine takes a data type as its first parameter and every
// seventh returns one; the second parameter of every fifth but one is a class.
void UseOwnTypes(ProgramSegment& program, const LargeModuleShape& shape) {
  const int firstClass = shape.programSets - shape.classes;
  for (int c = std::max(firstClass, 0); c < shape.programSets; ++c)
    program.classes[static_cast<size_t>(c)].baseTypeCode = c == firstClass ? 0x10001 : kFirstSet + c - 1;
  for (int d = 0; d < shape.dataTypes; ++d) program.dataTypes.push_back(DataType(d));
  for (size_t i = 0; i < program.subroutines.size(); ++i) {
    SubroutineRecord& s = program.subroutines[i];
    if (shape.dataTypes > 0 && i % 7 == 0) s.returnTypeCode = kFirstDataType + static_cast<int32_t>(i % shape.dataTypes);
    if (shape.dataTypes > 0 && i % 5 == 0 && !s.parameters.empty())
      s.parameters[0].typeCode = kFirstDataType + static_cast<int32_t>(i / 5 % shape.dataTypes);
    if (shape.classes > 0 && i % 5 == 1 && s.parameters.size() > 1)
      s.parameters[1].typeCode = kFirstSet + firstClass + static_cast<int32_t>(i % shape.classes);
  }
  for (size_t g = 0; shape.dataTypes > 0 && g < program.globals.size(); g += 2)
    program.globals[g].typeCode = kFirstDataType + static_cast<int32_t>(g % shape.dataTypes);
}

}  // namespace

ModuleSegments LargeModuleSegments(const LargeModuleShape& shape) {
  ModuleSegments segments;
  segments.systemInfo = SystemInfoRecord{.systemVersionMajor = 5, .systemVersionMinor = 6};
  segments.userInfo = UserInfoRecord{.name = G("大模块"), .remarks = G("基准测试用的大模块"), .author = G("ecview")};
  ProgramSegment program;
  program.header.libraries = {G("krnln\r{d09f2340818511d396f6aaf844c7e325}\r5\r6\r系统核心支持库")};
  int32_t key = 0x04000001;
  for (int set = 0; set < shape.programSets; ++set) {
    ClassRecord c;
    c.entry.key = kFirstSet + set;
    c.name = G("程序集") + std::to_string(set);
    for (int i = 0; i < shape.subroutinesPerSet; ++i, ++key) {
      c.memberKeys.push_back(key);
      program.subroutines.push_back(Subroutine(key, set, i, shape.parametersPerSubroutine));
    }
    program.classes.push_back(std::move(c));
  }
  const size_t step = shape.edits > 0 ? std::max<size_t>(1, program.subroutines.size() / shape.edits) : 0;
  for (int i = 0; i < shape.edits && static_cast<size_t>(i) * step < program.subroutines.size(); ++i)
    Edit(program.subroutines[static_cast<size_t>(i) * step], i);
  for (int g = 0; g < shape.programSets / 10; ++g) program.globals.push_back(Parameter(0x05000001 + g, g));
  for (int d = 0; d < shape.dllCommands; ++d) program.dllCommands.push_back(DllCommand(0x0A000001 + d, d));
  UseOwnTypes(program, shape);
  segments.program = std::move(program);
  ResourceSegment resources;
  const int constants = shape.constants < 0 ? shape.programSets / 10 : shape.constants;
  for (int k = 0; k < constants; ++k) {
    ConstantRecord c;
    c.key = 0x10000001 + k;
    c.name = G("常量") + std::to_string(k);
    c.value = ConstantValue::OfNumber(k * 1.5);
    resources.constants.push_back(std::move(c));
  }
  segments.resources = std::move(resources);
  segments.initialModules = SegmentPlaceholder{};
  return segments;
}

std::string LargeModuleBytes(const LargeModuleShape& shape) { return BuildModule(LargeModuleSegments(shape)); }

}  // namespace ec::writer
