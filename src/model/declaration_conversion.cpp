#include "model/declaration_conversion.h"

#include "model/model_cost.h"
#include "support/gbk_codec.h"

namespace ec {

namespace {

Parameter ToParameter(const VariableRecord& record, const TypeNameTable& types) {
  const int word = record.attributeWord;
  return {GbkToUtf8(record.name),  GbkToUtf8(record.remarks),  types.Name(record.typeCode),
          (word & kByRefBit) != 0, (word & kOptionalBit) != 0, (word & kArrayBit) != 0};
}

}  // namespace

std::vector<Parameter> ConvertVariables(const std::vector<VariableRecord>& records, const VariablePageRef& inPlace,
                                        const TypeNameTable& types, ReadReport* budget) {
  std::vector<Parameter> params;
  if (BudgetSpent(budget)) return params;
  params.reserve(records.size() + ExpectedRecords(inPlace, sizeof(Parameter), budget));
  ForEachVariable(records, inPlace, budget, [&](const VariableRecord& record) {
    return ChargeRead(budget, ModelCost(params.emplace_back(ToParameter(record, types))));
  });
  return params;
}

std::vector<Parameter> ConvertVariables(const std::vector<VariableRecord>& records, const TypeNameTable& types,
                                        ReadReport* budget) {
  return ConvertVariables(records, {}, types, budget);
}

void CheckPage(const VariablePageRef& inPlace, ReadReport* found) {
  ForEachVariable({}, inPlace, found, [](const VariableRecord&) { return true; });
}

Subroutine ConvertSubroutine(const SubroutineRecord& record, const VariablePageRef& parametersInPlace,
                             const TypeNameTable& types, ReadReport* budget) {
  Subroutine sub{GbkToUtf8(record.name), GbkToUtf8(record.remarks), types.Name(record.returnTypeCode), {}};
  if (ChargeRead(budget, ModelCost(sub)))
    sub.params = ConvertVariables(record.parameters, parametersInPlace, types, budget);
  return sub;
}

Subroutine ConvertSubroutine(const SubroutineRecord& record, const TypeNameTable& types, ReadReport* budget) {
  return ConvertSubroutine(record, {}, types, budget);
}

}  // namespace ec
