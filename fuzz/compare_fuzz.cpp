// The comparison of two models made from the input, with names drawn mostly
// from a handful so that duplicates, pairs and clashes across kinds abound.
// Checked: a model equals itself; every declaration is paired, added or
// removed exactly once; every place names a record of its side; every link of
// the HTML report reads back to a place of the linked model.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "compare/comparison_html.h"
#include "compare/comparison_json.h"
#include "compare/comparison_text.h"
#include "declarations/declaration_places.h"

namespace {

std::string Name(FuzzedDataProvider& in) {
  static const char* const kNames[] = {"甲", "乙", "a", "窗口"};
  const uint8_t pick = in.ConsumeIntegralInRange<uint8_t>(0, 4);
  return pick < 4 ? kNames[pick] : in.ConsumeRandomLengthString(8);
}

std::string Text(FuzzedDataProvider& in) { return in.ConsumeBool() ? "" : in.ConsumeRandomLengthString(8); }

std::vector<ec::Parameter> Params(FuzzedDataProvider& in) {
  std::vector<ec::Parameter> params(in.ConsumeIntegralInRange<size_t>(0, 2));
  for (ec::Parameter& p : params)
    p = {.name = Name(in), .remarks = Text(in), .type = Text(in), .byRef = in.ConsumeBool(), .optional = in.ConsumeBool()};
  return params;
}

ec::Subroutine Sub(FuzzedDataProvider& in) {
  return {.name = Name(in), .remarks = Text(in), .returnType = Text(in), .params = Params(in)};
}

template <typename T, typename Make>
std::vector<T> Some(FuzzedDataProvider& in, Make make, size_t most = 4) {
  std::vector<T> list(in.ConsumeIntegralInRange<size_t>(0, most));
  for (T& item : list) item = make();
  return list;
}

ec::ModuleModel Model(FuzzedDataProvider& in) {
  ec::ModuleModel m;
  m.info = {.name = Text(in), .remarks = Text(in), .author = Text(in), .versionMajor = in.ConsumeIntegral<int8_t>()};
  m.support.libraries = Some<std::string>(in, [&] { return Name(in) + "\r\r" + Text(in) + "\r1\r" + Text(in); });
  m.subroutineGroups = Some<ec::SubroutineGroup>(in, [&] { return ec::SubroutineGroup{Some<ec::Subroutine>(in, [&] { return Sub(in); })}; });
  m.classes = Some<ec::ClassInfo>(in, [&] {
    return ec::ClassInfo{.name = Name(in), .remarks = Text(in), .baseType = Text(in),
                         .methods = Some<ec::Subroutine>(in, [&] { return Sub(in); })};
  });
  m.dataTypes = Some<ec::DataType>(in, [&] { return ec::DataType{.name = Name(in), .members = Params(in)}; });
  m.dllCommands = Some<ec::DllCommand>(in, [&] {
    return ec::DllCommand{.name = Name(in), .libraryFile = Text(in), .params = Params(in)};
  });
  m.constants = Some<ec::Constant>(in, [&] {
    return ec::Constant{.name = Name(in), .value = in.ConsumeBool() ? ec::ConstantValue::OfText(Text(in))
                                                                    : ec::ConstantValue::OfNumber(in.ConsumeFloatingPoint<double>())};
  });
  m.globals = Some<ec::GlobalVar>(in, [&] { return ec::GlobalVar{.name = Name(in), .type = Text(in)}; });
  return m;
}

size_t Count(const ec::ModuleModel& m) {
  size_t n = 0;
  ec::ForEachDeclaration(m, [&](auto&&...) { ++n; });
  return n;
}

bool Resolves(const ec::ModuleModel& m, const ec::DeclarationDifference& d, const std::optional<ec::DeclarationPlace>& place) {
  return place && ec::VisitDeclaration(m, d.kind, *place, [&](const auto& record) {
           if (record.name != d.name) std::abort();
         });
}

void CheckLinks(const std::string& html, const ec::ModuleModel& linked) {
  // Module texts are escaped, so every "<a " is the report's own.
  for (size_t at = html.find("<a href=\""); at != std::string::npos; at = html.find("<a href=\"", at + 1)) {
    const size_t start = at + 9;
    const auto link = ec::ParseDeclarationHref(std::string_view(html).substr(start, html.find('"', start) - start));
    if (!link || !ec::VisitDeclaration(linked, link->kind, link->place, [](const auto&) {})) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const ec::ModuleModel a = Model(in);
  const ec::ModuleModel b = Model(in);
  if (!ec::CompareModules(a, a).Same()) std::abort();
  const ec::ModuleComparison c = ec::CompareModules(a, b);
  for (const auto& d : c.removed)
    if (!Resolves(a, d, d.oldPlace) || d.newPlace) std::abort();
  for (const auto& d : c.added)
    if (!Resolves(b, d, d.newPlace) || d.oldPlace) std::abort();
  for (const auto& d : c.changed)
    if (!Resolves(a, d, d.oldPlace) || !Resolves(b, d, d.newPlace) || d.fields.empty()) std::abort();
  const size_t pairedOld = Count(a) - c.removed.size();
  if (Count(b) - c.added.size() != pairedOld || c.changed.size() > pairedOld) std::abort();

  const ec::ComparedModules modules{a, b, c, "a.ec", "b.ec"};
  std::ostringstream json;
  ec::WriteComparisonJson(json, modules);
  (void)ec::ComparisonText(modules);
  CheckLinks(ec::ComparisonHtml(modules, {.links = ec::LinkSide::New, .maxDeclarations = size % 7}), b);
  CheckLinks(ec::ComparisonHtml(modules, {.links = ec::LinkSide::Old}), a);
  return 0;
}
