#include "compare/module_comparison.h"

#include <functional>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <unordered_set>

#include "compare/declaration_fields.h"
#include "compare/declaration_places.h"

namespace ec {
namespace {

// A declaration's identity plus its rank among the declarations of the same
// identity in its model (0 for the first).
struct Identity {
  DeclarationKind kind;
  std::string_view container;
  std::string_view name;
  size_t rank = 0;
  bool operator==(const Identity&) const = default;
};

struct IdentityHash {
  size_t operator()(const Identity& id) const {
    const std::hash<std::string_view> text;
    size_t h = text(id.name);
    h = h * 31 + text(id.container);
    h = h * 31 + static_cast<size_t>(id.kind);
    return h * 31 + id.rank;
  }
};

struct Entry {
  Identity id;
  DeclarationPlace place;
};

std::vector<Entry> Entries(const ModuleModel& model) {
  std::vector<Entry> entries;
  std::unordered_map<Identity, size_t, IdentityHash> seen;  // identity (rank 0) -> occurrences so far
  ForEachDeclaration(model, [&](DeclarationKind kind, std::string_view container, std::string_view name,
                                DeclarationPlace place) {
    Identity id{kind, container, name, 0};
    id.rank = seen[id]++;
    entries.push_back({id, place});
  });
  return entries;
}

FieldNames FieldsBetween(const ModuleModel& oldModel, const ModuleModel& newModel, DeclarationKind kind,
                         DeclarationPlace oldPlace, DeclarationPlace newPlace) {
  FieldNames fields;
  VisitDeclaration(oldModel, kind, oldPlace, [&](const auto& a) {
    VisitDeclaration(newModel, kind, newPlace, [&](const auto& b) {
      if constexpr (std::is_same_v<decltype(a), decltype(b)>) fields = ChangedFields(a, b);
    });
  });
  return fields;
}

DeclarationDifference Difference(const Identity& id) {
  return {.kind = id.kind, .container = std::string(id.container), .name = std::string(id.name)};
}

void CompareDeclarations(const ModuleModel& oldModel, const ModuleModel& newModel, ModuleComparison& out) {
  const std::vector<Entry> oldEntries = Entries(oldModel);
  std::unordered_map<Identity, size_t, IdentityHash> oldIndex;
  oldIndex.reserve(oldEntries.size());
  for (size_t i = 0; i < oldEntries.size(); ++i) oldIndex.emplace(oldEntries[i].id, i);

  std::vector<std::optional<DeclarationPlace>> partner(oldEntries.size());
  for (const Entry& e : Entries(newModel)) {
    const auto found = oldIndex.find(e.id);
    if (found != oldIndex.end()) {
      partner[found->second] = e.place;
      continue;
    }
    DeclarationDifference d = Difference(e.id);
    d.newPlace = e.place;
    out.added.push_back(std::move(d));
  }
  for (size_t i = 0; i < oldEntries.size(); ++i) {
    const Entry& e = oldEntries[i];
    DeclarationDifference d = Difference(e.id);
    d.oldPlace = e.place;
    d.newPlace = partner[i];
    if (!partner[i]) {
      out.removed.push_back(std::move(d));
      continue;
    }
    d.fields = FieldsBetween(oldModel, newModel, e.id.kind, e.place, *partner[i]);
    if (!d.fields.empty()) out.changed.push_back(std::move(d));
  }
}

std::string VersionText(int32_t major, int32_t minor) { return std::to_string(major) + "." + std::to_string(minor); }

void CompareInfo(const ModuleInfo& a, const ModuleInfo& b, std::vector<InfoDifference>& out) {
  const auto check = [&](std::string_view field, std::string oldValue, std::string newValue) {
    if (oldValue != newValue) out.push_back({field, std::move(oldValue), std::move(newValue)});
  };
  check("name", a.name, b.name);
  check("version", VersionText(a.versionMajor, a.versionMinor), VersionText(b.versionMajor, b.versionMinor));
  check("author", a.author, b.author);
  check("remarks", a.remarks, b.remarks);
}

struct Library {
  std::string_view file;
  std::string_view name;
  std::string version;
};

Library LibraryOf(std::string_view entry) {
  const LibraryFields f = SplitLibraryEntry(entry);
  std::string version = std::string(f.field3) + "." + std::string(f.field4);
  if (f.field3.empty() && f.field4.empty()) version.clear();
  return {f.field1, f.name, std::move(version)};
}

// Libraries pair by file name; a file listed twice pairs by rank, as declarations do.
void CompareLibraries(const SupportInfo& a, const SupportInfo& b, std::vector<LibraryDifference>& out) {
  using Change = LibraryDifference::Change;
  const auto ranked = [](const std::vector<std::string>& entries) {
    std::vector<std::pair<Identity, Library>> list;
    std::unordered_map<Identity, size_t, IdentityHash> seen;
    for (const std::string& entry : entries) {
      Library lib = LibraryOf(entry);
      Identity id{DeclarationKind::Subroutine, {}, lib.file, 0};
      id.rank = seen[id]++;
      list.emplace_back(id, std::move(lib));
    }
    return list;
  };
  const auto oldLibs = ranked(a.libraries);
  const auto newLibs = ranked(b.libraries);
  std::unordered_map<Identity, const Library*, IdentityHash> oldByFile;
  for (const auto& [id, lib] : oldLibs) oldByFile.emplace(id, &lib);
  std::unordered_set<Identity, IdentityHash> kept;
  for (const auto& [id, lib] : newLibs) {
    const auto found = oldByFile.find(id);
    if (found == oldByFile.end()) {
      out.push_back({Change::Added, std::string(lib.file), std::string(lib.name), "", lib.version});
      continue;
    }
    kept.insert(id);
    if (found->second->version != lib.version)
      out.push_back({Change::VersionChanged, std::string(lib.file), std::string(lib.name), found->second->version,
                     lib.version});
  }
  for (const auto& [id, lib] : oldLibs)
    if (!kept.contains(id)) out.push_back({Change::Removed, std::string(lib.file), std::string(lib.name), lib.version, ""});
}

}  // namespace

std::string_view KindName(DeclarationKind kind) {
  switch (kind) {
    case DeclarationKind::Subroutine: return "subroutine";
    case DeclarationKind::Class: return "class";
    case DeclarationKind::Method: return "method";
    case DeclarationKind::DataType: return "dataType";
    case DeclarationKind::DllCommand: return "dllCommand";
    case DeclarationKind::Constant: return "constant";
    case DeclarationKind::Global: return "global";
  }
  return "";
}

std::string_view ChangeName(LibraryDifference::Change change) {
  switch (change) {
    case LibraryDifference::Change::Added: return "added";
    case LibraryDifference::Change::Removed: return "removed";
    case LibraryDifference::Change::VersionChanged: return "version";
  }
  return "";
}

ModuleComparison CompareModules(const ModuleModel& oldModel, const ModuleModel& newModel) {
  ModuleComparison out;
  CompareInfo(oldModel.info, newModel.info, out.info);
  CompareLibraries(oldModel.support, newModel.support, out.libraries);
  CompareDeclarations(oldModel, newModel, out);
  return out;
}

}  // namespace ec
