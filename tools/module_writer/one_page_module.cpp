#include "tools/module_writer/one_page_module.h"

#include "tools/module_writer/module_writer.h"

namespace ec::writer {
namespace {

constexpr int32_t kText = static_cast<int32_t>(0x80000004);
constexpr int32_t kTextConstantKey = 0x10000001;  // constant page 1: ordinary values

std::string GbkText(size_t length) {
  std::string text;
  const std::string unit = G("变");
  while (text.size() + unit.size() <= length) text += unit;
  return text;
}

VariableRecord NormalVariable(size_t n) {
  return {.typeCode = kText, .name = G("变量" + std::to_string(n)), .remarks = G("这是一条记录的说明")};
}

// A page of about `bytes` bytes and its record count.
std::pair<int32_t, std::string> VariablePage(bool aliased, size_t bytes) {
  if (aliased) {
    const VariableRecord body{.typeCode = kText, .name = GbkText(bytes / 4), .remarks = GbkText(bytes / 4)};
    const auto count = static_cast<int32_t>(bytes / 16);
    return {count, AliasedPageBlock(count, VariableBody(body))};
  }
  std::vector<VariableRecord> records;
  for (size_t used = 0; used < bytes; used += 8 + VariableBody(records.back()).size())
    records.push_back(NormalVariable(records.size()));
  return {static_cast<int32_t>(records.size()), VariablePageBlock(records)};
}

std::pair<int32_t, std::string> ConstantPage(bool aliased, size_t bytes) {
  if (aliased) {
    const ConstantRecord body{
        .key = kTextConstantKey, .name = GbkText(bytes / 4), .value = ConstantValue::OfText(GbkText(bytes / 4))};
    const auto count = static_cast<int32_t>(bytes / 16);
    return {count, AliasedPageBlock(count, ConstantBody(body), body.key)};
  }
  std::vector<ConstantRecord> records;
  for (size_t used = 0; used < bytes; used += 8 + ConstantBody(records.back()).size()) {
    const auto n = static_cast<int32_t>(records.size());
    records.push_back({.key = kTextConstantKey + n,
                       .name = G("常量" + std::to_string(n)),
                       .remarks = G("一条说明"),
                       .value = ConstantValue::OfText(G("文本值"))});
  }
  return {static_cast<int32_t>(records.size()), ConstantPageBlock(records)};
}

}  // namespace

std::string_view PageKindName(PageKind kind) {
  switch (kind) {
    case PageKind::Globals:
      return "globals";
    case PageKind::Constants:
      return "constants";
    case PageKind::Subroutines:
      return "subroutines";
    case PageKind::DllCommands:
      return "dllCommands";
    case PageKind::DataTypes:
      return "dataTypes";
  }
  return "";
}

std::string OnePageModuleBytes(PageKind kind, bool aliased, size_t bytes) {
  const bool constantsPage = kind == PageKind::Constants;
  using Page = std::pair<int32_t, std::string>;  // record count, page block
  const Page variables = constantsPage ? Page{0, ""} : VariablePage(aliased, bytes);
  const Page constants = constantsPage ? ConstantPage(aliased, bytes) : Page{0, ""};
  // The page goes where `kind` says; every other list is empty.
  const auto pageOr = [&](PageKind k, ByteWriter& out) {
    if (kind == k) out.Page(variables.first, variables.second);
    else out.Page(0, "");
  };
  ByteWriter program;
  // Header: two ints, three empty blocks, no libraries, the flags and an int, an empty block and text.
  program.Int32(0).Int32(0).Counted("").Counted("").Counted("").Int16(0).Int32(0).Int32(0).Counted("").Counted("");
  program.Int32(0);                             // no program sets
  program.Int32(8).Int32(0x04000001).Int32(0);  // one subroutine
  program.Int32(0).Int32(SubroutineRecord::kPublic).Int32(0).Counted(G("子程序")).Counted("").Page(0, "");
  pageOr(PageKind::Subroutines, program);
  for (int i = 0; i < 6; ++i) program.Counted("");
  pageOr(PageKind::Globals, program);
  program.Int32(8).Int32(0x41000001).Int32(0);  // one data type
  program.Int32(0).Counted(G("类型")).Counted("");
  pageOr(PageKind::DataTypes, program);
  program.Int32(8).Int32(0x0A000001).Int32(0);  // one DLL command
  program.Int32(0).Int32(0).Counted(G("命令")).Counted("").Counted("user32.dll").Counted("MessageBoxA");
  pageOr(PageKind::DllCommands, program);
  const std::string resources = ByteWriter().Int32(0).Page(constants.first, constants.second).Int32(0).str();
  return ModuleWriter()
      .Add(Segment("用户信息段", UserInfoBlock({.name = G("单页模块")})))
      .Add(Segment("程序段", program.str()))
      .Add(Segment("程序资源段", resources))
      .Build();
}

}  // namespace ec::writer
