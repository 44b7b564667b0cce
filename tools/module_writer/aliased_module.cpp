#include "tools/module_writer/aliased_module.h"

#include "tools/module_writer/module_writer.h"

namespace ec::writer {
namespace {

constexpr int32_t kText = static_cast<int32_t>(0x80000004);

// `length` bytes of double-byte GBK text.
std::string GbkText(size_t length) {
  std::string text;
  const std::string unit = G("变");
  while (text.size() + unit.size() <= length) text += unit;
  return text;
}

// A page of `pageBytes` bytes: the tables of pageBytes / 16 records, then one body.
std::string VariablePage(size_t pageBytes) {
  VariableRecord v;
  v.typeCode = kText;
  v.name = GbkText(pageBytes / 4);
  v.remarks = GbkText(pageBytes / 4);
  return AliasedPageBlock(static_cast<int32_t>(pageBytes / 16), VariableBody(v));
}

std::string ConstantPage(size_t pageBytes) {
  ConstantRecord c;
  c.key = 0x20000001;  // byte data
  c.name = GbkText(pageBytes / 8);
  c.value = ConstantValue::OfBytes(std::string(pageBytes / 4, 'D'));
  return AliasedPageBlock(static_cast<int32_t>(pageBytes / 16), ConstantBody(c), c.key);
}

}  // namespace

std::string AliasedPagesModuleBytes(size_t bytes) {
  const size_t page = bytes / 4;
  const auto count = static_cast<int32_t>(page / 16);
  ByteWriter program;
  // Header: two ints, three empty blocks, no libraries, the flags and an int, an empty block and text.
  program.Int32(0).Int32(0).Counted("").Counted("").Counted("").Int16(0).Int32(0).Int32(0).Counted("").Counted("");
  program.Int32(0);  // no program sets
  // One subroutine whose parameters are aliased.
  program.Int32(8).Int32(0x04000001).Int32(0);
  program.Int32(0).Int32(0).Int32(0).Counted(G("子程序")).Counted("").Page(0, "").Page(count, VariablePage(page));
  for (int i = 0; i < 6; ++i) program.Counted("");
  program.Page(count, VariablePage(page));  // global variables
  // One data type whose members are aliased.
  program.Int32(8).Int32(0x41000001).Int32(0);
  program.Int32(0).Counted(G("类型")).Counted("").Page(count, VariablePage(page));
  program.Int32(0);  // no DLL commands
  const std::string resources = ByteWriter().Int32(0).Page(count, ConstantPage(page)).Int32(0).str();
  return ModuleWriter()
      .Add(Segment("用户信息段", UserInfoBlock({.name = G("别名页")})))
      .Add(Segment("程序段", program.str()))
      .Add(Segment("程序资源段", resources))
      .Build();
}

}  // namespace ec::writer
