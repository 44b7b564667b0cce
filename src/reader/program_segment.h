#pragma once
// Raw records of the program segment ("程序段"): the module's declarations with
// their keys, type codes and attribute bits as stored. Texts are GBK bytes.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reader/declaration_index.h"
#include "reader/reader_options.h"
#include "reader/variable_page.h"

namespace ec {

struct ProgramHeader {
  int32_t value1 = 0;
  int32_t value2 = 0;
  std::string block3;
  std::string block4;
  std::string block5;
  std::vector<std::string> libraries;  // one library entry text each
  int32_t headerFlags = 0;             // bit value 1: block9 is present
  int32_t value8 = 0;
  std::string block9;  // 16 bytes when present
  std::string block10;
  std::string text11;
};

// A program set; one with a base type is a class.
struct ClassRecord {
  IndexEntry entry;  // entry.key is the type code by which declarations refer to a class
  int32_t leadingValue = 0;
  int32_t baseTypeCode = 0;  // 0 for an ordinary program set
  std::string name;
  std::string remarks;
  std::vector<int32_t> memberKeys;  // keys of the subroutines of this program set
  std::vector<VariableRecord> variables;
};

struct SubroutineRecord {
  static constexpr int32_t kPublic = 8;  // attributes bit: the subroutine is public
  IndexEntry entry;
  int32_t leadingValue = 0;
  int32_t attributes = 0;
  int32_t returnTypeCode = 0;
  std::string name;
  std::string remarks;
  std::vector<VariableRecord> leadingVariables;
  std::vector<VariableRecord> parameters;
  std::array<std::string, 6> trailingBlocks;
};

struct DataTypeRecord {
  IndexEntry entry;  // entry.key is the type code of this data type
  int32_t leadingValue = 0;
  std::string name;
  std::string remarks;
  std::vector<VariableRecord> members;
};

struct DllCommandRecord {
  IndexEntry entry;
  int32_t leadingValue = 0;
  int32_t returnTypeCode = 0;
  std::string name;
  std::string remarks;
  std::string libraryFile;
  std::string nameInLibrary;
  std::vector<VariableRecord> parameters;
};

struct ProgramSegment {
  ProgramHeader header;
  std::vector<ClassRecord> classes;
  std::vector<SubroutineRecord> subroutines;
  std::vector<VariableRecord> globals;
  std::vector<DataTypeRecord> dataTypes;
  std::vector<DllCommandRecord> dllCommands;
};

ProgramSegment ReadProgramSegment(std::string_view block, const ReaderOptions& options);

}  // namespace ec
