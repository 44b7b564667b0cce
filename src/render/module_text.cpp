#include "render/module_text.h"

#include "render/declaration_code.h"
#include "render/declaration_tables.h"

namespace ec {
namespace {

// Renders blocks in one form and joins them.
class BlockWriter {
 public:
  explicit BlockWriter(DeclarationForm form) : form_(form) {}

  void Subroutines(const std::vector<Subroutine>& items, const ClassInfo& header) {
    if (form_ == DeclarationForm::Tables) return Append(RenderSubroutineTables(items, nullptr, header));
    Append(RenderSubroutineCode(items, nullptr, Mode(), header));
  }
  template <typename T, typename Code, typename Tables>
  void Category(const std::vector<T>& items, Code code, Tables tables) {
    if (items.empty()) return;
    Append(form_ == DeclarationForm::Tables ? tables(items, nullptr, nullptr) : code(items, nullptr, Mode(), nullptr));
  }

  std::string Finish() { return std::move(out_); }

 private:
  CodeMode Mode() const { return form_ == DeclarationForm::HtmlCode ? CodeMode::Html : CodeMode::PlainText; }

  // Constant and global variable texts end with their line break; it is
  // dropped so every block is followed by exactly one empty line.
  void Append(std::string block) {
    switch (form_) {
      case DeclarationForm::PlainCode:
        while (block.ends_with("\r\n")) block.resize(block.size() - 2);
        if (!out_.empty()) out_ += "\r\n";
        out_ += block;
        out_ += "\r\n";
        return;
      case DeclarationForm::HtmlCode:
        if (block.ends_with("<br></div>")) block.erase(block.size() - 10, 4);
        if (!out_.empty()) out_ += "<br>";
        out_ += block;
        return;
      case DeclarationForm::Tables: out_ += block; return;
    }
  }

  DeclarationForm form_;
  std::string out_;
};

void WriteGroups(BlockWriter& w, const ModuleModel& model) {
  for (const SubroutineGroup& group : model.subroutineGroups) w.Subroutines(group.subroutines, ClassInfo{});
}

}  // namespace

std::string ModuleDeclarations(const ModuleModel& model, DeclarationForm form) {
  BlockWriter w(form);
  WriteGroups(w, model);
  w.Category(model.dllCommands, RenderDllCommandCode, RenderDllCommandTables);
  w.Category(model.constants, RenderConstantCode, RenderConstantTable);
  w.Category(model.globals, RenderGlobalVariableCode, RenderGlobalVariableTable);
  w.Category(model.dataTypes, RenderDataTypeCode, RenderDataTypeTables);
  for (const ClassInfo& c : model.classes) w.Subroutines(c.methods, c);
  return w.Finish();
}

std::string GroupDeclarations(const ModuleModel& model, DeclarationForm form) {
  BlockWriter w(form);
  WriteGroups(w, model);
  return w.Finish();
}

}  // namespace ec
