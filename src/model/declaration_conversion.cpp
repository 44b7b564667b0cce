#include "model/declaration_conversion.h"

#include "model/model_cost.h"
#include "support/gbk_codec.h"

namespace ec {

std::vector<Parameter> ConvertVariables(const std::vector<VariableRecord>& records, const TypeNameTable& types,
                                        ReadReport* budget) {
  std::vector<Parameter> params;
  if (BudgetSpent(budget)) return params;
  params.reserve(records.size());
  for (const VariableRecord& record : records) {
    const int word = record.attributeWord;
    const Parameter& param =
        params.emplace_back(Parameter{GbkToUtf8(record.name), GbkToUtf8(record.remarks), types.Name(record.typeCode),
                                      (word & kByRefBit) != 0, (word & kOptionalBit) != 0, (word & kArrayBit) != 0});
    if (!ChargeRead(budget, ModelCost(param))) break;
  }
  return params;
}

Subroutine ConvertSubroutine(const SubroutineRecord& record, const TypeNameTable& types, ReadReport* budget) {
  Subroutine sub{GbkToUtf8(record.name), GbkToUtf8(record.remarks), types.Name(record.returnTypeCode), {}};
  if (ChargeRead(budget, ModelCost(sub))) sub.params = ConvertVariables(record.parameters, types, budget);
  return sub;
}

}  // namespace ec
