#pragma once
// What the three forms of a comparison report (text, JSON, HTML) share: the
// two models and their file names, the wording, and the declarations' code.

#include <string>
#include <string_view>
#include <vector>

#include "compare/module_comparison.h"
#include "render/colour_span.h"

namespace ec {

struct ComparedModules {
  const ModuleModel& oldModel;
  const ModuleModel& newModel;
  const ModuleComparison& result;
  std::string_view oldFile;  // as the user named them
  std::string_view newFile;
};

// "子程序", "类", "方法", "自定义数据类型", "DLL命令", "常量", "全局变量".
std::string_view KindHeading(DeclarationKind kind);
// "模块名", "版本", "作者", "备注" for the fields of InfoDifference.
std::string_view InfoHeading(std::string_view field);
// The Chinese name of a changed declaration field (DeclarationDifference::fields):
// "返回值类型" for returnType, "参数备注" for paramRemarks, …
std::string_view FieldHeading(std::string_view field);
// The changed fields of `d` by their Chinese names, joined by "、".
std::string FieldHeadings(const DeclarationDifference& d);
// The name, or "类名.方法名" for a method.
std::string QualifiedName(const DeclarationDifference& d);
// "名称 1.2"; just the version when the module has no name.
std::string ModuleLabel(const ModuleModel& model);
// "新增 2，删除 1，修改 3".
std::string CountsText(size_t added, size_t removed, size_t changed);

// The declaration's code as the renderers write it for a single item, without
// the ".版本 2" header and the break after it, and without a trailing break.
// "" when the model has nothing at `place`.
std::string DeclarationCode(const ModuleModel& model, DeclarationKind kind, DeclarationPlace place, CodeMode mode);

// The differences of one kind; reports present them kind by kind.
struct KindSection {
  DeclarationKind kind;
  std::vector<const DeclarationDifference*> added;
  std::vector<const DeclarationDifference*> removed;
  std::vector<const DeclarationDifference*> changed;
};

// One section for each kind that has differences, in the order of kDeclarationKinds.
std::vector<KindSection> SectionsByKind(const ModuleComparison& result);

}  // namespace ec
