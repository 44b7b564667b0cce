#include "cli/model_json.h"

namespace ec::cli {
namespace {

using json = nlohmann::ordered_json;

json ParameterJson(const Parameter& p) {
  return {{"name", p.name}, {"remarks", p.remarks}, {"type", p.type},
          {"byRef", p.byRef}, {"optional", p.optional}, {"isArray", p.isArray}};
}

json ParametersJson(const std::vector<Parameter>& params) {
  json list = json::array();
  for (const Parameter& p : params) list.push_back(ParameterJson(p));
  return list;
}

json SubroutinesJson(const std::vector<Subroutine>& subs) {
  json list = json::array();
  for (const Subroutine& s : subs)
    list.push_back({{"name", s.name}, {"remarks", s.remarks}, {"returnType", s.returnType},
                    {"params", ParametersJson(s.params)}});
  return list;
}

json ValueJson(const ConstantValue& v) {
  switch (v.kind) {
    case ConstantValue::Kind::Number: return {{"kind", "number"}, {"value", v.number}};
    case ConstantValue::Kind::Logical: return {{"kind", "logical"}, {"value", v.logical}};
    case ConstantValue::Kind::DateTime: return {{"kind", "datetime"}, {"value", v.number}};
    case ConstantValue::Kind::Text: return {{"kind", "text"}, {"value", v.bytes}};
    case ConstantValue::Kind::Bytes: return {{"kind", "bytes"}, {"length", v.bytes.size()}};
    case ConstantValue::Kind::Empty: break;
  }
  return {{"kind", "empty"}};
}

// Builds one JSON array from a model list through `toJson`.
template <typename T, typename ToJson>
json ListJson(const std::vector<T>& items, ToJson toJson) {
  json list = json::array();
  for (const T& item : items) list.push_back(toJson(item));
  return list;
}

json InfoJson(const ModuleInfo& info) {
  return {{"name", info.name}, {"remarks", info.remarks}, {"author", info.author},
          {"infoTexts", info.infoTexts}, {"versionMajor", info.versionMajor},
          {"versionMinor", info.versionMinor}};
}

}  // namespace

json ModelToJson(const ModuleModel& m) {
  json out = json::object();
  out["info"] = InfoJson(m.info);
  out["support"] = {{"systemVersion", m.support.systemVersion}, {"libraries", m.support.libraries}};
  out["subroutineGroups"] = ListJson(m.subroutineGroups, [](const SubroutineGroup& g) {
    return json{{"subroutines", SubroutinesJson(g.subroutines)}};
  });
  out["classes"] = ListJson(m.classes, [](const ClassInfo& c) {
    return json{{"name", c.name}, {"remarks", c.remarks}, {"baseType", c.baseType},
                {"methods", SubroutinesJson(c.methods)}};
  });
  out["dataTypes"] = ListJson(m.dataTypes, [](const DataType& t) {
    return json{{"name", t.name}, {"remarks", t.remarks}, {"members", ParametersJson(t.members)}};
  });
  out["dllCommands"] = ListJson(m.dllCommands, [](const DllCommand& d) {
    return json{{"name", d.name}, {"remarks", d.remarks}, {"returnType", d.returnType},
                {"libraryFile", d.libraryFile}, {"nameInLibrary", d.nameInLibrary},
                {"params", ParametersJson(d.params)}};
  });
  out["constants"] = ListJson(m.constants, [](const Constant& c) {
    return json{{"name", c.name}, {"remarks", c.remarks}, {"value", ValueJson(c.value)}};
  });
  out["globals"] = ListJson(m.globals, [](const GlobalVar& g) {
    return json{{"name", g.name}, {"remarks", g.remarks}, {"type", g.type}, {"dimensions", g.dimensions}};
  });
  return out;
}

}  // namespace ec::cli
