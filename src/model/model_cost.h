#pragma once
// What the records of the model cost the read's budget (reader/read_budget.h):
// each record and the texts and lists it holds. The analysis charges them as
// it builds the model, so a module's model cannot grow past a multiple of its
// file whatever the file says: a type named with hundreds of bytes costs each
// parameter of that type as much again.

#include <cstdint>

#include "model/module_model.h"

namespace ec {

uint64_t ModelCost(const ModuleInfo& info);
uint64_t ModelCost(const Parameter& parameter);
// Without their parameters or members, which are charged one by one as they are converted.
uint64_t ModelCost(const Subroutine& subroutine);
uint64_t ModelCost(const DataType& type);
uint64_t ModelCost(const DllCommand& command);
uint64_t ModelCost(const Constant& constant);
uint64_t ModelCost(const GlobalVar& global);

}  // namespace ec
