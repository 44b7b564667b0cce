#pragma once
// The module model: what the viewer knows about one module after analysis,
// already resolved for display. Types are held as type names, attribute bits as
// booleans, and every text is UTF-8. The model is plain data; copying a record
// copies it deeply.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reader/constant_page.h"

namespace ec {

struct ModuleInfo {
  std::string name{};
  std::string remarks{};
  std::string author{};
  std::array<std::string, 7> infoTexts{};  // items 4 to 10 of the user information, shown nowhere
  int32_t versionMajor = 0;
  int32_t versionMinor = 0;
  bool operator==(const ModuleInfo&) const = default;
};

struct SupportInfo {
  std::string systemVersion{};           // "major.minor", e.g. "3.6"
  std::vector<std::string> libraries{};  // whole library entries, fields separated by '\r'
  bool operator==(const SupportInfo&) const = default;
};

// A parameter of a subroutine or DLL command, or a member of a data type.
struct Parameter {
  std::string name{};
  std::string remarks{};
  std::string type{};
  bool byRef = false;
  bool optional = false;
  bool isArray = false;
  bool operator==(const Parameter&) const = default;
};

// A subroutine of a group, or a method of a class.
struct Subroutine {
  std::string name{};  // never empty
  std::string remarks{};
  std::string returnType{};  // "" when it returns nothing
  std::vector<Parameter> params{};
  bool operator==(const Subroutine&) const = default;
};

// The subroutines of one ordinary program set, or of none. A group has no name;
// it is shown by its 1-based position.
struct SubroutineGroup {
  std::vector<Subroutine> subroutines{};  // never empty
  bool operator==(const SubroutineGroup&) const = default;
};

struct ClassInfo {
  std::string name{};  // never empty
  std::string remarks{};
  std::string baseType{};
  std::vector<Subroutine> methods{};  // public methods only, never empty
  bool operator==(const ClassInfo&) const = default;
};

struct DataType {
  std::string name{};  // never empty
  std::string remarks{};
  std::vector<Parameter> members{};
  bool operator==(const DataType&) const = default;
};

struct DllCommand {
  std::string name{};  // never empty
  std::string remarks{};
  std::string returnType{};  // "" for none
  std::string libraryFile{};
  std::string nameInLibrary{};
  std::vector<Parameter> params{};
  bool operator==(const DllCommand&) const = default;
};

// What a byte-data constant is: the module keeps its pictures and its sounds
// on constant pages of their own.
enum class ResourceKind { None, Picture, Sound };

// A text value holds UTF-8 like every other text of the model; a byte-data
// value holds the stored bytes unchanged.
struct Constant {
  std::string name{};  // never empty
  std::string remarks{};
  ConstantValue value{};
  ResourceKind resource = ResourceKind::None;
  bool operator==(const Constant&) const = default;
};

struct GlobalVar {
  std::string name{};  // never empty
  std::string remarks{};
  std::string type{};
  std::vector<int32_t> dimensions{};  // empty for a scalar
  bool operator==(const GlobalVar&) const = default;
};

// The eight parts of a model; used to say which ones an analysis fills.
struct ModelParts {
  bool info = true;
  bool support = true;
  bool subroutineGroups = true;
  bool classes = true;
  bool dataTypes = true;
  bool dllCommands = true;
  bool constants = true;
  bool globals = true;

  static constexpr ModelParts All() { return {}; }
  static constexpr ModelParts None() { return {false, false, false, false, false, false, false, false}; }
  bool operator==(const ModelParts&) const = default;
};

// How reading the module went. Not one of the eight parts: every analysis
// sets it, whatever parts it fills.
struct ReadOutcome {
  bool rejected = false;  // the file could not be read at all; problems[0] says why
  bool complete = true;   // read to its end with nothing missing or damaged beyond check values
  std::vector<std::string> problems{};  // for the user, in Chinese (UTF-8)
  int repairedSegments = 0;  // segments whose check values were rewritten in the file
  bool checksMatch = true;  // every stored check value matched its bytes (else: altered or damaged)
  std::string readerMessage{};  // the reader's last failure message (UTF-8), e.g. why it rejected the file

  // Nothing to say about the read: whole, and every check value matched.
  bool Clean() const { return !rejected && complete && checksMatch; }
  bool operator==(const ReadOutcome&) const = default;
};

struct ModuleModel {
  ModuleInfo info{};
  SupportInfo support{};
  std::vector<SubroutineGroup> subroutineGroups{};
  std::vector<ClassInfo> classes{};
  std::vector<DataType> dataTypes{};
  std::vector<DllCommand> dllCommands{};
  std::vector<Constant> constants{};
  std::vector<GlobalVar> globals{};
  ReadOutcome outcome{};
  bool operator==(const ModuleModel&) const = default;

  // Empties the given parts (releasing their memory) and leaves the others alone.
  void Reset(const ModelParts& parts);
  // True when all eight parts are empty, whatever the outcome says.
  bool Empty() const;
};

// The record at 1-based `position` of a list, or nullptr when there is none.
// Positions come back from tree items and group numbers, so they are checked.
template <typename T>
const T* ItemAt(const std::vector<T>& list, int64_t position) {
  if (position < 1 || static_cast<uint64_t>(position) > list.size()) return nullptr;
  return &list[static_cast<size_t>(position - 1)];
}

// The fields of one library entry. The viewer shows `name` (field 5) with
// `field1` after it in parentheses; the middle fields are carried as they are.
struct LibraryFields {
  std::string_view field1{};
  std::string_view field2{};
  std::string_view field3{};
  std::string_view field4{};
  std::string_view name{};  // field 5
};

// Splits an entry at carriage returns. Missing fields are empty, fields after
// the fifth are ignored. The views point into `entry`.
LibraryFields SplitLibraryEntry(std::string_view entry);

}  // namespace ec
