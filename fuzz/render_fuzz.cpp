// The renderers on declarations whose texts are arbitrary bytes: quotes,
// apostrophe pairs, "#" placeholders, "|", markup characters, broken UTF-8.
// Besides not crashing, a module text must never add markup: every "<" of the
// HTML comes from the program's own fixed text, so blanking every module text
// leaves the number of "<" unchanged.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "model/module_model.h"
#include "render/declaration_code.h"
#include "render/declaration_tables.h"
#include "render/html_export.h"
#include "render/item_page.h"
#include "render/summary_page.h"

namespace {

std::string Text(FuzzedDataProvider& in) { return in.ConsumeRandomLengthString(24); }

ec::Parameter Param(FuzzedDataProvider& in) {
  return {.name = Text(in), .remarks = Text(in), .type = Text(in), .byRef = in.ConsumeBool(),
          .optional = in.ConsumeBool(), .isArray = in.ConsumeBool()};
}

ec::ModuleModel Model(FuzzedDataProvider& in) {
  ec::ModuleModel m;
  m.info = {.name = Text(in), .remarks = Text(in), .author = Text(in)};
  m.support.libraries = {Text(in), Text(in)};
  ec::Subroutine s{.name = Text(in), .remarks = Text(in), .returnType = Text(in), .params = {Param(in), Param(in)}};
  m.subroutineGroups = {{.subroutines = {s}}};
  m.classes = {{.name = Text(in), .remarks = Text(in), .baseType = Text(in), .methods = {s}}};
  m.dllCommands = {{.name = Text(in), .remarks = Text(in), .returnType = Text(in), .libraryFile = Text(in),
                    .nameInLibrary = Text(in), .params = {Param(in)}}};
  m.constants = {{.name = Text(in), .remarks = Text(in),
                  .value = in.ConsumeBool() ? ec::ConstantValue::OfText(Text(in))
                                            : ec::ConstantValue::OfNumber(in.ConsumeFloatingPoint<double>())}};
  m.globals = {{.name = Text(in), .remarks = Text(in), .type = Text(in), .dimensions = {in.ConsumeIntegral<int32_t>()}}};
  m.dataTypes = {{.name = Text(in), .remarks = Text(in), .members = {Param(in)}}};
  return m;
}

// Every module text of the model replaced by "".
ec::ModuleModel Blanked(ec::ModuleModel m) {
  auto blankParams = [](std::vector<ec::Parameter>& ps) {
    for (auto& p : ps) p.name = p.remarks = p.type = "";
  };
  m.info.name = m.info.remarks = m.info.author = "";
  for (auto& l : m.support.libraries) l = "";
  for (auto& g : m.subroutineGroups)
    for (auto& s : g.subroutines) s.name = s.remarks = s.returnType = "", blankParams(s.params);
  for (auto& c : m.classes) {
    c.remarks = c.baseType = "";
    c.name = "c";  // a class name decides whether the class table is there
    for (auto& s : c.methods) s.name = s.remarks = s.returnType = "", blankParams(s.params);
  }
  for (auto& d : m.dllCommands) d.name = d.remarks = d.returnType = d.libraryFile = d.nameInLibrary = "", blankParams(d.params);
  for (auto& k : m.constants) {
    k.name = k.remarks = "";
    if (k.value.kind == ec::ConstantValue::Kind::Text) k.value.bytes = "";
  }
  for (auto& g : m.globals) g.name = g.remarks = g.type = "";
  for (auto& t : m.dataTypes) t.name = t.remarks = "", blankParams(t.members);
  return m;
}

std::string ItemPages(const ec::ModuleModel& m) {
  std::string html = ec::ItemPage(m.subroutineGroups[0].subroutines, nullptr, ec::ClassInfo{});
  html += ec::ItemPage(m.classes[0].methods, nullptr, m.classes[0]);
  html += ec::ItemPage(m.dllCommands, nullptr);
  html += ec::ItemPage(m.constants, nullptr);
  html += ec::ItemPage(m.globals, nullptr);
  html += ec::ItemPage(m.dataTypes, nullptr);
  return html;
}

long Markup(const std::string& html) { return static_cast<long>(std::ranges::count(html, '<')); }

// The summary turns line breaks and "、" of module texts into <br>, so there
// every tag must be one the page itself writes.
bool OnlyOwnTags(std::string_view page) {
  static constexpr std::string_view kTags[] = {"<b>", "</b>", "<br>", "<h2>", "</h2>", "<div ", "</div>"};
  for (size_t at = page.find('<'); at != std::string_view::npos; at = page.find('<', at + 1))
    if (std::ranges::none_of(kTags, [&](std::string_view tag) { return page.substr(at).starts_with(tag); }))
      return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  ec::ModuleModel model = Model(in);
  if (model.classes[0].name.empty()) model.classes[0].name = "c";
  if (Markup(ItemPages(model)) != Markup(ItemPages(Blanked(model)))) std::abort();
  if (!OnlyOwnTags(ec::BuildSummaryPage(model))) std::abort();
  std::ostringstream out;
  ec::WriteHtmlExport(model, out, "fuzz");
  (void)ec::RenderSubroutineCode(model.classes[0].methods, nullptr, ec::CodeMode::PlainText, model.classes[0]);
  return 0;
}
