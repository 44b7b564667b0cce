#pragma once
// The fixed HTML of the IDE-style declaration tables, with #name# placeholders
// where the declaration's values go.

#include <string>

namespace ec {

struct TableTemplates {
  std::string open;   // wrapper opening of the class, subroutine, DLL command and data type tables
  std::string close;  // wrapper closing: "<br /></div>"
  std::string tableEnd;  // after the parameter or member rows of one table
  std::string classTable;
  std::string subroutineHead;
  std::string subroutineParamCaption;
  std::string subroutineParamRow;
  std::string dllHead;
  std::string dllParamCaption;
  std::string dllParamRow;
  std::string constantStart;
  std::string constantRow;
  std::string constantEnd;
  std::string globalStart;
  std::string globalRow;
  std::string globalEnd;
  std::string dataTypeHead;
  std::string memberCaption;
  std::string memberRow;
};

// Decoded once, on first use.
const TableTemplates& Templates();

}  // namespace ec
