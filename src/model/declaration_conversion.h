#pragma once
// Conversions from raw declaration records (GBK, type codes, attribute words)
// to model records (UTF-8, type names, booleans). Used by the analysis only.

#include <vector>

#include "model/module_model.h"
#include "model/type_name.h"
#include "reader/program_segment.h"

namespace ec {

// Attribute word bits of a variable record.
constexpr int kByRefBit = 2;
constexpr int kOptionalBit = 4;
constexpr int kArrayBit = 8;

// One Parameter per record, in order, nameless ones included. Each is charged
// to the budget of `budget`, when given; the list stops once it is spent.
std::vector<Parameter> ConvertVariables(const std::vector<VariableRecord>& records, const TypeNameTable& types,
                                        ReadReport* budget = nullptr);
// The same for records read already followed by those of a page left in
// place, whose problems go to `budget` too.
std::vector<Parameter> ConvertVariables(const std::vector<VariableRecord>& records, const VariablePageRef& inPlace,
                                        const TypeNameTable& types, ReadReport* budget);
// Reads a page left in place for its problems only, for a record that is not converted.
void CheckPage(const VariablePageRef& inPlace, ReadReport* found);

// The subroutine and its parameters, charged the same way.
Subroutine ConvertSubroutine(const SubroutineRecord& record, const TypeNameTable& types, ReadReport* budget = nullptr);
// The same with its parameters left in place (PendingSubroutineReader::ParametersInPlace).
Subroutine ConvertSubroutine(const SubroutineRecord& record, const VariablePageRef& parametersInPlace,
                             const TypeNameTable& types, ReadReport* budget);

}  // namespace ec
