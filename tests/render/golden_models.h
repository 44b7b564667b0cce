#pragma once
// The declarations the golden tests render: a class with two methods, a DLL
// command with an empty library name and quote pairs, constants of every
// kind, globals with and without dimensions, a data type with an array member.

#include <vector>

#include "model/module_model.h"

namespace ec::golden {

inline ClassInfo WindowClass() {
  return {.name = "窗口类", .remarks = "主窗口", .baseType = "对象",
          .methods = {{.name = "显示", .remarks = "显示窗口", .returnType = "逻辑型",
                       .params = {{.name = "标题", .remarks = "窗口标题", .type = "文本型", .optional = true}}},
                      {.name = "关闭"}}};
}

inline DllCommand GetWindowText() {
  return {.name = "取窗口文本", .remarks = "返回\"\"字符数\"\"", .returnType = "整数型", .libraryFile = "",
          .nameInLibrary = "GetWindowTextA",
          .params = {{.name = "窗口句柄", .type = "整数型"},
                     {.name = "缓冲区", .remarks = "至少\"\"260\"\"字节<文本>", .type = "文本型", .byRef = true}}};
}

inline std::vector<Constant> EveryKindOfConstant() {
  return {{.name = "甲", .remarks = "三点五", .value = ConstantValue::OfNumber(3.5)},
          {.name = "乙", .value = ConstantValue::OfNumber(100)},
          {.name = "丙", .value = ConstantValue::OfLogical(true)},
          {.name = "丁", .value = ConstantValue::OfDateTime(36526.5)},
          {.name = "戊", .remarks = "文本", .value = ConstantValue::OfText("abc")},
          {.name = "己", .value = ConstantValue{}},
          {.name = "庚", .value = ConstantValue::OfBytes(std::string(12345, '\x01')), .resource = ResourceKind::Picture},
          {.name = "辛", .value = ConstantValue::OfText("一\r\n\"二\"\\三<")}};
}

inline std::vector<GlobalVar> Globals() {
  return {{.name = "缓存", .remarks = "二维", .type = "整数型", .dimensions = {2, 3}},
          {.name = "计数", .type = "整数型"}};
}

inline DataType Point() {
  return {.name = "坐标", .remarks = "点",
          .members = {{.name = "横", .type = "整数型"},
                      {.name = "值", .remarks = "数组成员", .type = "小数型", .byRef = true, .isArray = true}}};
}

}  // namespace ec::golden
