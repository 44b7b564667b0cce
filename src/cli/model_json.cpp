#include "cli/model_json.h"

#include "support/json_writer.h"

namespace ec::cli {
namespace {

void WriteTexts(JsonWriter& w, const auto& texts) {
  w.BeginArray();
  for (const std::string& text : texts) w.String(text);
  w.EndArray();
}

void WriteParameters(JsonWriter& w, const std::vector<Parameter>& params) {
  w.BeginArray();
  for (const Parameter& p : params) {
    w.BeginObject().Key("name").String(p.name).Key("remarks").String(p.remarks).Key("type").String(p.type);
    w.Key("byRef").Bool(p.byRef).Key("optional").Bool(p.optional).Key("isArray").Bool(p.isArray).EndObject();
  }
  w.EndArray();
}

void WriteSubroutines(JsonWriter& w, const std::vector<Subroutine>& subs) {
  w.BeginArray();
  for (const Subroutine& s : subs) {
    w.BeginObject().Key("name").String(s.name).Key("remarks").String(s.remarks);
    w.Key("returnType").String(s.returnType).Key("params");
    WriteParameters(w, s.params);
    w.EndObject();
  }
  w.EndArray();
}

void WriteValue(JsonWriter& w, const ConstantValue& v) {
  w.BeginObject().Key("kind");
  switch (v.kind) {
    case ConstantValue::Kind::Empty: w.String("empty"); break;
    case ConstantValue::Kind::Number: w.String("number").Key("value").Double(v.number); break;
    case ConstantValue::Kind::Logical: w.String("logical").Key("value").Bool(v.logical); break;
    case ConstantValue::Kind::DateTime: w.String("datetime").Key("value").Double(v.number); break;
    case ConstantValue::Kind::Text: w.String("text").Key("value").String(v.bytes); break;
    case ConstantValue::Kind::Bytes:
      w.String("bytes").Key("length").Int(static_cast<int64_t>(v.bytes.size()));
      break;
  }
  w.EndObject();
}

void WriteInfo(JsonWriter& w, const ModuleInfo& info) {
  w.BeginObject().Key("name").String(info.name).Key("remarks").String(info.remarks);
  w.Key("author").String(info.author).Key("infoTexts");
  WriteTexts(w, info.infoTexts);
  w.Key("versionMajor").Int(info.versionMajor).Key("versionMinor").Int(info.versionMinor).EndObject();
}

// `"key":[...]` with one writeItem call per element.
template <typename T, typename WriteItem>
void WriteList(JsonWriter& w, const char* key, const std::vector<T>& items, WriteItem writeItem) {
  w.Key(key).BeginArray();
  for (const T& item : items) writeItem(item);
  w.EndArray();
}

void WriteDeclarations(JsonWriter& w, const ModuleModel& m) {
  WriteList(w, "subroutineGroups", m.subroutineGroups, [&](const SubroutineGroup& g) {
    w.BeginObject().Key("subroutines");
    WriteSubroutines(w, g.subroutines);
    w.EndObject();
  });
  WriteList(w, "classes", m.classes, [&](const ClassInfo& c) {
    w.BeginObject().Key("name").String(c.name).Key("remarks").String(c.remarks);
    w.Key("baseType").String(c.baseType).Key("methods");
    WriteSubroutines(w, c.methods);
    w.EndObject();
  });
  WriteList(w, "dataTypes", m.dataTypes, [&](const DataType& t) {
    w.BeginObject().Key("name").String(t.name).Key("remarks").String(t.remarks).Key("members");
    WriteParameters(w, t.members);
    w.EndObject();
  });
  WriteList(w, "dllCommands", m.dllCommands, [&](const DllCommand& d) {
    w.BeginObject().Key("name").String(d.name).Key("remarks").String(d.remarks);
    w.Key("returnType").String(d.returnType).Key("libraryFile").String(d.libraryFile);
    w.Key("nameInLibrary").String(d.nameInLibrary).Key("params");
    WriteParameters(w, d.params);
    w.EndObject();
  });
  WriteList(w, "constants", m.constants, [&](const Constant& c) {
    w.BeginObject().Key("name").String(c.name).Key("remarks").String(c.remarks).Key("value");
    WriteValue(w, c.value);
    if (c.resource != ResourceKind::None) w.Key("resource").String(c.resource == ResourceKind::Picture ? "picture" : "sound");
    w.EndObject();
  });
  WriteList(w, "globals", m.globals, [&](const GlobalVar& g) {
    w.BeginObject().Key("name").String(g.name).Key("remarks").String(g.remarks).Key("type").String(g.type);
    w.Key("dimensions").BeginArray();
    for (int32_t d : g.dimensions) w.Int(d);
    w.EndArray().EndObject();
  });
}

}  // namespace

void WriteModelJson(std::ostream& out, const ModuleModel& m, bool ok, const std::string& lastReadError) {
  JsonWriter w(out);
  w.BeginObject().Key("ok").Bool(ok).Key("lastReadError").String(lastReadError);
  w.Key("complete").Bool(m.outcome.complete).Key("checksMatch").Bool(m.outcome.checksMatch).Key("problems");
  WriteTexts(w, m.outcome.problems);
  w.Key("info");
  WriteInfo(w, m.info);
  w.Key("support").BeginObject().Key("systemVersion").String(m.support.systemVersion).Key("libraries");
  WriteTexts(w, m.support.libraries);
  w.EndObject();
  WriteDeclarations(w, m);
  w.EndObject();
  w.Flush();
  out << '\n';
}

}  // namespace ec::cli
