#pragma once
// An independent look at a module file's check values, for the fuzzers and
// the mutation run: walks the segment nodes as a plain module stores them and
// says whether any whole node holds a check value that does not match its
// bytes. Written apart from the reader, so that the reader's word can be
// checked against it.

#include <string_view>

namespace ec::test {

bool AnyCheckValueMismatch(std::string_view file);

}  // namespace ec::test
