#include "compare/comparison_json.h"

#include "support/json_writer.h"

namespace ec {
namespace {

void WriteModule(JsonWriter& w, std::string_view file, const ModuleInfo& info) {
  w.BeginObject().Key("file").String(file).Key("name").String(info.name);
  w.Key("version").String(std::to_string(info.versionMajor) + "." + std::to_string(info.versionMinor)).EndObject();
}

void WriteDeclarations(JsonWriter& w, const char* key, const std::vector<DeclarationDifference>& list,
                       bool withFields) {
  w.Key(key).BeginArray();
  for (const DeclarationDifference& d : list) {
    w.BeginObject().Key("kind").String(KindName(d.kind)).Key("container").String(d.container);
    w.Key("name").String(d.name);
    if (withFields) {
      w.Key("fields").BeginArray();
      for (const std::string_view field : d.fields) w.String(field);
      w.EndArray();
    }
    w.EndObject();
  }
  w.EndArray();
}

}  // namespace

void WriteComparisonJson(std::ostream& out, const ComparedModules& m) {
  JsonWriter w(out);
  w.BeginObject().Key("old");
  WriteModule(w, m.oldFile, m.oldModel.info);
  w.Key("new");
  WriteModule(w, m.newFile, m.newModel.info);
  // What went wrong reading each side (empty when it was read clean): a
  // comparison with a damaged copy shows what the damage dropped.
  for (const auto& [key, model] : {std::pair{"oldProblems", &m.oldModel}, std::pair{"newProblems", &m.newModel}}) {
    w.Key(key).BeginArray();
    for (const std::string& problem : model->outcome.problems) w.String(problem);
    w.EndArray();
  }
  w.Key("info").BeginArray();
  for (const InfoDifference& d : m.result.info)
    w.BeginObject().Key("field").String(d.field).Key("old").String(d.oldValue).Key("new").String(d.newValue).EndObject();
  w.EndArray().Key("libraries").BeginArray();
  for (const LibraryDifference& d : m.result.libraries) {
    w.BeginObject().Key("change").String(ChangeName(d.change)).Key("file").String(d.file).Key("name").String(d.name);
    w.Key("oldVersion").String(d.oldVersion).Key("newVersion").String(d.newVersion).EndObject();
  }
  w.EndArray();
  WriteDeclarations(w, "added", m.result.added, false);
  WriteDeclarations(w, "removed", m.result.removed, false);
  WriteDeclarations(w, "changed", m.result.changed, true);
  w.EndObject();
  w.Flush();
  out << '\n';
}

}  // namespace ec
