#pragma once
// A small module whose data type is used in several places, for the tests of
// type links and the where-used index.

#include <string>

namespace ec::test {

// Writes, at `path` (UTF-8), a module where the data type 点 is the return
// value and two parameters (起, 止) of the subroutine 画 and the type of the
// global 原点; the data type 空 is used by nothing. Answers `path`.
std::string WriteTypeUseModule(const std::string& path);

}  // namespace ec::test
