#pragma once
// The order and the headings in which the uses of a type are shown, shared by
// the where-used page and `ecview-cli uses`.

#include <array>
#include <string>
#include <string_view>

#include "navigate/type_uses.h"

namespace ec {

struct UseGroup {
  DeclarationKind kind;
  std::string_view heading;
};

inline constexpr std::array<UseGroup, 6> kUseGroups{{
    {DeclarationKind::Subroutine, "子程序"},
    {DeclarationKind::Method, "方法"},
    {DeclarationKind::DataType, "数据类型成员"},
    {DeclarationKind::Global, "全局变量"},
    {DeclarationKind::DllCommand, "DLL命令"},
    {DeclarationKind::Class, "类 (基类)"},
}};

// "参数 x", "返回值", "成员 y", "基类"; "" for a global's own type, which
// needs no words.
std::string PlaceText(const TypeUsePlace& place);

// "类名.方法名" for a method, the name for the rest.
std::string UserText(const TypeUse& use);

// The name of the data type or class `target`, "" when the model has none there.
std::string_view TargetName(const ModuleModel& model, const DeclarationLink& target);

}  // namespace ec
