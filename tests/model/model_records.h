#pragma once
// Small builders of raw program records for the model tests. Names are UTF-8
// literals, stored as GBK as the reader would deliver them.

#include <initializer_list>
#include <string_view>

#include "reader/program_segment.h"
#include "tools/module_writer/module_writer.h"

namespace ec::test {

using namespace ec::writer;

inline VariableRecord Var(std::string_view name, int32_t typeCode = 0x80000301, int16_t attributes = 0,
                          std::vector<int32_t> dimensions = {}) {
  VariableRecord v;
  v.name = G(name);
  v.typeCode = typeCode;
  v.attributeWord = attributes;
  v.dimensionCount = static_cast<uint8_t>(dimensions.size());
  v.dimensions = std::move(dimensions);
  return v;
}

inline SubroutineRecord Sub(int32_t key, std::string_view name, int32_t attributes = SubroutineRecord::kPublic,
                            std::vector<VariableRecord> params = {}) {
  SubroutineRecord s;
  s.entry.key = key;
  s.name = G(name);
  s.attributes = attributes;
  s.parameters = std::move(params);
  return s;
}

inline ClassRecord ProgramSet(int32_t key, std::string_view name, std::vector<int32_t> memberKeys,
                              int32_t baseTypeCode = 0) {
  ClassRecord c;
  c.entry.key = key;
  c.name = G(name);
  c.memberKeys = std::move(memberKeys);
  c.baseTypeCode = baseTypeCode;
  return c;
}

}  // namespace ec::test
