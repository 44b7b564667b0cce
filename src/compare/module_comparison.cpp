#include "compare/module_comparison.h"

#include <functional>
#include <string>
#include <type_traits>
#include <unordered_map>

#include "compare/declaration_fields.h"
#include "declarations/declaration_places.h"

namespace ec {
namespace {

// What pairs two declarations; the strings point into the models.
struct Identity {
  DeclarationKind kind;
  std::string_view container;
  std::string_view name;
  bool operator==(const Identity&) const = default;
};

struct IdentityHash {
  size_t operator()(const Identity& id) const {
    const std::hash<std::string_view> text;
    return (text(id.name) * 31 + text(id.container)) * 31 + static_cast<size_t>(id.kind);
  }
};

struct Entry {
  Identity id;
  DeclarationPlace place;
};

std::vector<Entry> Entries(const ModuleModel& model) {
  std::vector<Entry> entries;
  ForEachDeclaration(model, [&](DeclarationKind kind, std::string_view container, std::string_view name,
                                DeclarationPlace place) { entries.push_back({{kind, container, name}, place}); });
  return entries;
}

constexpr size_t kNone = static_cast<size_t>(-1);

// The old entries of one identity form a chain in model order; `next` is the
// first one no new entry has taken yet, so the n-th new declaration of an
// identity pairs with the n-th old one.
struct Chain {
  size_t next;
  size_t last;
};

// Partners by position in the other list: oldToNew[i] is the new entry paired
// with old entry i, newToOld[j] the old entry paired with new entry j.
struct Pairing {
  std::vector<size_t> oldToNew;
  std::vector<size_t> newToOld;
};

Pairing Pair(const std::vector<Entry>& oldEntries, const std::vector<Entry>& newEntries) {
  Pairing p{std::vector<size_t>(oldEntries.size(), kNone), std::vector<size_t>(newEntries.size(), kNone)};
  std::vector<size_t> nextSame(oldEntries.size(), kNone);
  std::unordered_map<Identity, Chain, IdentityHash> chains;
  chains.reserve(oldEntries.size());
  for (size_t i = 0; i < oldEntries.size(); ++i) {
    const auto [chain, inserted] = chains.try_emplace(oldEntries[i].id, Chain{i, i});
    if (!inserted) chain->second.last = nextSame[chain->second.last] = i;
  }
  for (size_t j = 0; j < newEntries.size(); ++j) {
    const auto chain = chains.find(newEntries[j].id);
    if (chain == chains.end() || chain->second.next == kNone) continue;
    const size_t i = chain->second.next;
    chain->second.next = nextSame[i];
    p.oldToNew[i] = j;
    p.newToOld[j] = i;
  }
  return p;
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

DeclarationDifference Difference(const Entry& e) {
  return {.kind = e.id.kind, .container = std::string(e.id.container), .name = std::string(e.id.name)};
}

void CompareDeclarations(const ModuleModel& oldModel, const ModuleModel& newModel, ModuleComparison& out) {
  const std::vector<Entry> oldEntries = Entries(oldModel);
  const std::vector<Entry> newEntries = Entries(newModel);
  const Pairing pairing = Pair(oldEntries, newEntries);
  for (size_t j = 0; j < newEntries.size(); ++j) {
    if (pairing.newToOld[j] != kNone) continue;
    out.added.push_back(Difference(newEntries[j]));
    out.added.back().newPlace = newEntries[j].place;
  }
  for (size_t i = 0; i < oldEntries.size(); ++i) {
    const Entry& e = oldEntries[i];
    if (pairing.oldToNew[i] == kNone) {
      out.removed.push_back(Difference(e));
      out.removed.back().oldPlace = e.place;
      continue;
    }
    const DeclarationPlace newPlace = newEntries[pairing.oldToNew[i]].place;
    FieldNames fields = FieldsBetween(oldModel, newModel, e.id.kind, e.place, newPlace);
    if (fields.empty()) continue;
    out.changed.push_back(Difference(e));
    DeclarationDifference& d = out.changed.back();
    d.oldPlace = e.place;
    d.newPlace = newPlace;
    d.fields = std::move(fields);
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
  const auto libraries = [](const std::vector<std::string>& texts) {
    std::vector<Library> list;
    for (const std::string& text : texts) list.push_back(LibraryOf(text));
    return list;
  };
  const auto entries = [](const std::vector<Library>& list) {
    std::vector<Entry> e;
    for (size_t i = 0; i < list.size(); ++i) e.push_back({{DeclarationKind::Subroutine, {}, list[i].file}, {0, i}});
    return e;
  };
  const std::vector<Library> oldLibs = libraries(a.libraries);
  const std::vector<Library> newLibs = libraries(b.libraries);
  const Pairing pairing = Pair(entries(oldLibs), entries(newLibs));
  for (size_t j = 0; j < newLibs.size(); ++j) {
    const Library& lib = newLibs[j];
    const size_t i = pairing.newToOld[j];
    if (i == kNone)
      out.push_back({Change::Added, std::string(lib.file), std::string(lib.name), "", lib.version});
    else if (oldLibs[i].version != lib.version)
      out.push_back({Change::VersionChanged, std::string(lib.file), std::string(lib.name), oldLibs[i].version,
                     lib.version});
  }
  for (size_t i = 0; i < oldLibs.size(); ++i) {
    const Library& lib = oldLibs[i];
    if (pairing.oldToNew[i] == kNone)
      out.push_back({Change::Removed, std::string(lib.file), std::string(lib.name), lib.version, ""});
  }
}

}  // namespace

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
