#include "model/declaration_conversion.h"

#include "support/gbk_codec.h"

namespace ec {

std::vector<Parameter> ConvertVariables(const std::vector<VariableRecord>& records,
                                        const TypeNameTable& types) {
  std::vector<Parameter> params;
  params.reserve(records.size());
  for (const VariableRecord& record : records) {
    const int word = record.attributeWord;
    params.push_back({GbkToUtf8(record.name), GbkToUtf8(record.remarks), types.Name(record.typeCode),
                      (word & kByRefBit) != 0, (word & kOptionalBit) != 0, (word & kArrayBit) != 0});
  }
  return params;
}

Subroutine ConvertSubroutine(const SubroutineRecord& record, const TypeNameTable& types) {
  return {GbkToUtf8(record.name), GbkToUtf8(record.remarks), types.Name(record.returnTypeCode),
          ConvertVariables(record.parameters, types)};
}

}  // namespace ec
