#include "model/type_name.h"

#include <array>

#include "support/gbk_codec.h"
#include "support/plain_text.h"

namespace ec {
namespace {

struct CodeName {
  uint32_t code;
  std::string_view name;
};

constexpr CodeName kBasicTypes[] = {
    {0x80000101, "字节型"},   {0x80000201, "短整数"},     {0x80000301, "整数型"},
    {0x80000401, "长整数型"}, {0x80000501, "小数型"},     {0x80000601, "双精度小数"},
    {0x80000002, "逻辑型"},   {0x80000003, "日期时间型"}, {0x80000004, "文本型"},
    {0x80000005, "字节集"},   {0x80000006, "子程序指针"},
};

// Window units and object types 0x10001..0x10032, indexed by code - 0x10001.
// 0x10002 and 0x10023 have no name.
constexpr std::array<std::string_view, 0x32> kWindowUnits = {
    "窗口",       "",           "菜单",         "字体",         "编辑框",       "图片框",
    "外形框",     "画板",       "分组框",       "标签",         "按钮",         "选择框",
    "单选框",     "组合框",     "列表框",       "选择列表框",   "横向滚动条",   "纵向滚动条",
    "进度条",     "滑块条",     "选择夹",       "影像框",       "日期框",       "月历",
    "驱动器框",   "目录框",     "文件框",       "颜色选择器",   "超级链接框",   "调节器",
    "通用对话框", "时钟",       "打印机",       "字段信息",     "",             "数据报",
    "客户",       "服务器",     "端口",         "打印设置信息", "表格",         "数据源",
    "通用提供者", "数据库提供者", "图形按钮",   "外部数据库",   "外部数据提供者", "对象",
    "变体型",     "变体类型",
};

constexpr CodeName kOtherLibraryTypes[] = {
    {0x30003, "工具条"}, {0x30004, "超级列表框"}, {0x40001, "高级表格"}};

std::string_view Lookup(const auto& table, int32_t code) {
  for (const CodeName& entry : table)
    if (entry.code == static_cast<uint32_t>(code)) return entry.name;
  return {};
}

template <typename Record>
const Record* FindByKey(const std::vector<Record>& records, int32_t code) {
  for (const Record& record : records)
    if (record.entry.key == code) return &record;
  return nullptr;
}

// The name a declaration of the module gives its type, as references show it.
// Every parameter, member, variable and return value of that type holds a
// copy, so a damaged module naming a type with the rest of its bytes would
// cost memory in the square of its size: references stop after 255 bytes,
// at a character boundary, and end in "…". Real type names are far shorter.
std::string ReferenceName(std::string_view gbkName) {
  constexpr size_t kMaxBytes = 255;
  std::string name = GbkToUtf8(gbkName.substr(0, 2 * kMaxBytes));
  if (name.size() <= kMaxBytes) return name;
  return std::string(Utf8Prefix(name, kMaxBytes)) + "…";
}

}  // namespace

bool IsBasicTypeName(std::string_view name) {
  for (const CodeName& entry : kBasicTypes)
    if (entry.name == name) return true;
  return false;
}

std::string_view BasicTypeName(int32_t code) { return Lookup(kBasicTypes, code); }

std::string_view LibraryTypeName(int32_t code) {
  const int64_t index = int64_t{code} - 0x10001;
  if (index >= 0 && index < int64_t{kWindowUnits.size()}) return kWindowUnits[index];
  return Lookup(kOtherLibraryTypes, code);
}

std::string typeName(int32_t code, const ProgramSegment& program) {
  if (code == 0) return {};
  if (std::string_view basic = BasicTypeName(code); !basic.empty()) return std::string(basic);
  if (const DataTypeRecord* type = FindByKey(program.dataTypes, code)) return ReferenceName(type->name);
  if (const ClassRecord* set = FindByKey(program.classes, code)) return ReferenceName(set->name);
  return std::string(LibraryTypeName(code));
}

TypeNameTable::TypeNameTable(const ProgramSegment& program) {
  // The first record of a key wins and data types go in before program sets,
  // so the table answers as the scan in typeName does.
  moduleTypes_.reserve(program.dataTypes.size() + program.classes.size());
  for (const DataTypeRecord& type : program.dataTypes)
    if (!moduleTypes_.contains(type.entry.key)) moduleTypes_.emplace(type.entry.key, ReferenceName(type.name));
  for (const ClassRecord& set : program.classes)
    if (!moduleTypes_.contains(set.entry.key)) moduleTypes_.emplace(set.entry.key, ReferenceName(set.name));
}

std::string TypeNameTable::Name(int32_t code) const {
  if (code == 0) return {};
  if (std::string_view basic = BasicTypeName(code); !basic.empty()) return std::string(basic);
  if (auto it = moduleTypes_.find(code); it != moduleTypes_.end()) return it->second;
  return std::string(LibraryTypeName(code));
}

}  // namespace ec
