#include "model/model_cost.h"

#include "reader/read_budget.h"

namespace ec {

uint64_t ModelCost(const ModuleInfo& info) {
  uint64_t cost = TextCost(info.name) + TextCost(info.remarks) + TextCost(info.author);
  for (const std::string& text : info.infoTexts) cost += TextCost(text);
  return cost;
}

uint64_t ModelCost(const Parameter& parameter) {
  return sizeof parameter + TextCost(parameter.name) + TextCost(parameter.remarks) + TextCost(parameter.type);
}

uint64_t ModelCost(const Subroutine& subroutine) {
  return sizeof subroutine + TextCost(subroutine.name) + TextCost(subroutine.remarks) + TextCost(subroutine.returnType);
}

uint64_t ModelCost(const DataType& type) { return sizeof type + TextCost(type.name) + TextCost(type.remarks); }

uint64_t ModelCost(const DllCommand& command) {
  return sizeof command + TextCost(command.name) + TextCost(command.remarks) + TextCost(command.returnType) +
         TextCost(command.libraryFile) + TextCost(command.nameInLibrary);
}

uint64_t ModelCost(const Constant& constant) {
  return sizeof constant + TextCost(constant.name) + TextCost(constant.remarks) + TextCost(constant.value.bytes);
}

uint64_t ModelCost(const GlobalVar& global) {
  const uint64_t dimensions = global.dimensions.empty() ? 0 : 4 * global.dimensions.size() + 16;
  return sizeof global + TextCost(global.name) + TextCost(global.remarks) + TextCost(global.type) + dimensions;
}

}  // namespace ec
