#include "render/module_text.h"

#include "render/declaration_code.h"

namespace ec {
namespace {

// Appends one block. Constant and global variable texts end with their line
// break; it is dropped so every block is followed by exactly one empty line.
void AppendBlock(std::string& out, std::string block) {
  while (block.ends_with("\r\n")) block.resize(block.size() - 2);
  if (!out.empty()) out += "\r\n";
  out += block;
  out += "\r\n";
}

}  // namespace

std::string ModuleDeclarationText(const ModuleModel& model) {
  constexpr CodeMode kPlain = CodeMode::PlainText;
  std::string out;
  for (const SubroutineGroup& group : model.subroutineGroups)
    AppendBlock(out, RenderSubroutineCode(group.subroutines, nullptr, kPlain, ClassInfo{}));
  if (!model.dllCommands.empty()) AppendBlock(out, RenderDllCommandCode(model.dllCommands, nullptr, kPlain));
  if (!model.constants.empty()) AppendBlock(out, RenderConstantCode(model.constants, nullptr, kPlain));
  if (!model.globals.empty()) AppendBlock(out, RenderGlobalVariableCode(model.globals, nullptr, kPlain));
  if (!model.dataTypes.empty()) AppendBlock(out, RenderDataTypeCode(model.dataTypes, nullptr, kPlain));
  for (const ClassInfo& c : model.classes) AppendBlock(out, RenderSubroutineCode(c.methods, nullptr, kPlain, c));
  return out;
}

}  // namespace ec
