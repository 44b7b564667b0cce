#include "model/type_name.h"

#include <gtest/gtest.h>

#include <map>

#include "tools/module_writer/module_writer.h"

namespace ec {
namespace {

using writer::G;

ClassRecord Set(int32_t key, std::string_view name, int32_t baseType = 0) {
  ClassRecord r;
  r.entry.key = key;
  r.name = G(name);
  r.baseTypeCode = baseType;
  return r;
}

DataTypeRecord Type(int32_t key, std::string_view name) {
  DataTypeRecord r;
  r.entry.key = key;
  r.name = G(name);
  return r;
}

// Both lookups must give the same answer for every code.
void ExpectName(const ProgramSegment& program, int32_t code, std::string_view expected) {
  EXPECT_EQ(typeName(code, program), expected) << std::hex << code;
  EXPECT_EQ(TypeNameTable(program).Name(code), expected) << std::hex << code;
}

TEST(TypeName, FixedTablesNameEveryListedCodeAndNothingElse) {
  const std::map<uint32_t, std::string_view> expected = {
      {0x80000101, "字节型"}, {0x80000201, "短整数"}, {0x80000301, "整数型"}, {0x80000401, "长整数型"},
      {0x80000501, "小数型"}, {0x80000601, "双精度小数"}, {0x80000002, "逻辑型"},
      {0x80000003, "日期时间型"}, {0x80000004, "文本型"}, {0x80000005, "字节集"},
      {0x80000006, "子程序指针"},
      {0x10001, "窗口"}, {0x10003, "菜单"}, {0x10004, "字体"}, {0x10005, "编辑框"}, {0x10006, "图片框"},
      {0x10007, "外形框"}, {0x10008, "画板"}, {0x10009, "分组框"}, {0x1000A, "标签"}, {0x1000B, "按钮"},
      {0x1000C, "选择框"}, {0x1000D, "单选框"}, {0x1000E, "组合框"}, {0x1000F, "列表框"},
      {0x10010, "选择列表框"}, {0x10011, "横向滚动条"}, {0x10012, "纵向滚动条"}, {0x10013, "进度条"},
      {0x10014, "滑块条"}, {0x10015, "选择夹"}, {0x10016, "影像框"}, {0x10017, "日期框"},
      {0x10018, "月历"}, {0x10019, "驱动器框"}, {0x1001A, "目录框"}, {0x1001B, "文件框"},
      {0x1001C, "颜色选择器"}, {0x1001D, "超级链接框"}, {0x1001E, "调节器"}, {0x1001F, "通用对话框"},
      {0x10020, "时钟"}, {0x10021, "打印机"}, {0x10022, "字段信息"}, {0x10024, "数据报"},
      {0x10025, "客户"}, {0x10026, "服务器"}, {0x10027, "端口"}, {0x10028, "打印设置信息"},
      {0x10029, "表格"}, {0x1002A, "数据源"}, {0x1002B, "通用提供者"}, {0x1002C, "数据库提供者"},
      {0x1002D, "图形按钮"}, {0x1002E, "外部数据库"}, {0x1002F, "外部数据提供者"}, {0x10030, "对象"},
      {0x10031, "变体型"}, {0x10032, "变体类型"},
      {0x30003, "工具条"}, {0x30004, "超级列表框"}, {0x40001, "高级表格"}};
  const ProgramSegment empty;
  for (const auto& [code, name] : expected) ExpectName(empty, static_cast<int32_t>(code), name);

  // Neighbours of every entry, the gaps in the window-unit range, and codes
  // that only look like basic types have no name.
  for (const auto& [code, name] : expected)
    for (uint32_t near : {code - 1, code + 1})
      if (!expected.contains(near)) ExpectName(empty, static_cast<int32_t>(near), "");
  for (uint32_t code : {0u, 0x10000u, 0x10002u, 0x10023u, 0x10033u, 0x30001u, 0x80000001u,
                        0x80000100u, 0x80000701u, 0xFFFFFFFFu})
    ExpectName(empty, static_cast<int32_t>(code), "");
}

TEST(TypeName, ModuleDeclarationsByKeyDataTypesFirst) {
  ProgramSegment program;
  program.dataTypes = {Type(0x50001, "坐标"), Type(0x50002, "与类同键"), Type(0x50003, ""),
                       Type(0x50001, "同键之后")};
  program.classes = {Set(0x50002, "类一", 0x10001), Set(0x50004, "程序集一"), Set(0x50005, "")};
  ExpectName(program, 0x50001, "坐标");      // the first data type of a key wins
  ExpectName(program, 0x50002, "与类同键");  // data types before classes
  ExpectName(program, 0x50003, "");          // found, but nameless: no fallback
  ExpectName(program, 0x50004, "程序集一");
  ExpectName(program, 0x50005, "");
  ExpectName(program, 0x50006, "");
}

TEST(TypeName, BasicTypesAndCodeZeroAreNeverLookedUpInTheModule) {
  ProgramSegment program;
  program.dataTypes = {Type(static_cast<int32_t>(0x80000004), "假文本"), Type(0, "零")};
  program.classes = {Set(static_cast<int32_t>(0x80000301), "假整数")};
  ExpectName(program, static_cast<int32_t>(0x80000004), "文本型");
  ExpectName(program, static_cast<int32_t>(0x80000301), "整数型");
  ExpectName(program, 0, "");
  // A module's own declaration does shadow a library type of the same code.
  program.dataTypes.push_back(Type(0x10001, "自定义窗口"));
  ExpectName(program, 0x10001, "自定义窗口");
}

// A name that fills a damaged module would be copied into every reference.
TEST(TypeName, ReferencesToAHugeNameStopAtACharacter) {
  ProgramSegment program;
  program.dataTypes = {Type(0x50001, std::string(100000, 'x')), Type(0x50002, "坐标"), Type(0x50003, "")};
  program.dataTypes[2].name = "a";
  for (int i = 0; i < 100; ++i) program.dataTypes[2].name += G("坐");
  ExpectName(program, 0x50001, std::string(255, 'x') + "…");
  ExpectName(program, 0x50002, "坐标");
  std::string cut = "a";  // 1 + 3 * 84 bytes: the 85th character would pass 255
  for (int i = 0; i < 84; ++i) cut += "坐";
  ExpectName(program, 0x50003, cut + "…");
}

}  // namespace
}  // namespace ec
