#pragma once
// What changed in a module's interface between two versions: its information,
// its support libraries, and every declaration added, removed or changed.
//
// A declaration is known by its kind, its container (the class of a method,
// "" otherwise) and its name. Subroutines are one flat kind, so moving one to
// another program set changes nothing. When a model holds the same identity
// more than once, the n-th occurrence in one model is paired with the n-th in
// the other.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "declarations/declaration_kind.h"
#include "model/module_model.h"

namespace ec {

struct DeclarationDifference {
  DeclarationKind kind = DeclarationKind::Subroutine;
  std::string container;
  std::string name;
  std::optional<DeclarationPlace> oldPlace;  // none for an added declaration
  std::optional<DeclarationPlace> newPlace;  // none for a removed one
  std::vector<std::string_view> fields;      // changed fields, by their JSON names
  bool operator==(const DeclarationDifference&) const = default;
};

// A changed field of the module information: "name", "version", "author" or
// "remarks", with both values as text (the version as "major.minor").
struct InfoDifference {
  std::string_view field;
  std::string oldValue;
  std::string newValue;
  bool operator==(const InfoDifference&) const = default;
};

// A support library, known by its file name (field 1 of the entry); its
// version is fields 3 and 4 joined by ".". A version is "" on the side that
// lacks the library.
struct LibraryDifference {
  enum class Change { Added, Removed, VersionChanged };
  Change change = Change::Added;
  std::string file;
  std::string name;  // field 5, as the viewer shows it
  std::string oldVersion;
  std::string newVersion;
  bool operator==(const LibraryDifference&) const = default;
};

std::string_view ChangeName(LibraryDifference::Change change);  // "added", "removed", "version"

struct ModuleComparison {
  std::vector<InfoDifference> info;
  std::vector<LibraryDifference> libraries;
  std::vector<DeclarationDifference> added;    // in the new model's order
  std::vector<DeclarationDifference> removed;  // in the old model's order
  std::vector<DeclarationDifference> changed;  // in the old model's order
  bool Same() const { return info.empty() && libraries.empty() && added.empty() && removed.empty() && changed.empty(); }
};

// The field views in the result point to static names; nothing points into
// the models, whose places stay valid as long as the models are unchanged.
ModuleComparison CompareModules(const ModuleModel& oldModel, const ModuleModel& newModel);

}  // namespace ec
