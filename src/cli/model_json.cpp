#include "cli/model_json.h"

#include <nlohmann/json.hpp>

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

json SubroutineJson(const Subroutine& s) {
  return {{"name", s.name}, {"remarks", s.remarks}, {"returnType", s.returnType},
          {"params", ParametersJson(s.params)}};
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

json InfoJson(const ModuleInfo& info) {
  return {{"name", info.name}, {"remarks", info.remarks}, {"author", info.author},
          {"infoTexts", info.infoTexts}, {"versionMajor", info.versionMajor},
          {"versionMinor", info.versionMinor}};
}

void Write(std::ostream& out, const json& value) {
  out << value.dump(-1, ' ', false, json::error_handler_t::replace);
}

// Writes `"key":` and the list as a JSON array, one element at a time;
// `first` leaves out the comma that separates it from an earlier member.
template <typename T, typename WriteItem>
void WriteList(std::ostream& out, const char* key, const std::vector<T>& items, WriteItem writeItem,
               bool first = false) {
  out << (first ? "\"" : ",\"") << key << "\":[";
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) out << ',';
    writeItem(items[i]);
  }
  out << ']';
}

void WriteSubroutineList(std::ostream& out, const char* key, const std::vector<Subroutine>& subs,
                         bool first) {
  WriteList(out, key, subs, [&](const Subroutine& s) { Write(out, SubroutineJson(s)); }, first);
}

}  // namespace

void WriteModelJson(std::ostream& out, const ModuleModel& m, bool ok, const std::string& lastReadError) {
  out << "{\"ok\":" << (ok ? "true" : "false") << ",\"lastReadError\":";
  Write(out, lastReadError);
  out << ",\"info\":";
  Write(out, InfoJson(m.info));
  out << ",\"support\":";
  Write(out, {{"systemVersion", m.support.systemVersion}, {"libraries", m.support.libraries}});
  WriteList(out, "subroutineGroups", m.subroutineGroups, [&](const SubroutineGroup& g) {
    out << '{';
    WriteSubroutineList(out, "subroutines", g.subroutines, true);
    out << '}';
  });
  WriteList(out, "classes", m.classes, [&](const ClassInfo& c) {
    json head = {{"name", c.name}, {"remarks", c.remarks}, {"baseType", c.baseType}};
    std::string text = head.dump(-1, ' ', false, json::error_handler_t::replace);
    text.pop_back();  // the closing brace: the methods follow
    out << text;
    WriteSubroutineList(out, "methods", c.methods, false);
    out << '}';
  });
  WriteList(out, "dataTypes", m.dataTypes, [&](const DataType& t) {
    Write(out, {{"name", t.name}, {"remarks", t.remarks}, {"members", ParametersJson(t.members)}});
  });
  WriteList(out, "dllCommands", m.dllCommands, [&](const DllCommand& d) {
    Write(out, {{"name", d.name}, {"remarks", d.remarks}, {"returnType", d.returnType},
                {"libraryFile", d.libraryFile}, {"nameInLibrary", d.nameInLibrary},
                {"params", ParametersJson(d.params)}});
  });
  WriteList(out, "constants", m.constants, [&](const Constant& c) {
    Write(out, {{"name", c.name}, {"remarks", c.remarks}, {"value", ValueJson(c.value)}});
  });
  WriteList(out, "globals", m.globals, [&](const GlobalVar& g) {
    Write(out, {{"name", g.name}, {"remarks", g.remarks}, {"type", g.type}, {"dimensions", g.dimensions}});
  });
  out << "}\n";
}

}  // namespace ec::cli
