#pragma once
// The reader's one failure text. Every failure the reader detects replaces it;
// it keeps its value until the next failure, also across calls. The text is
// UTF-8 (segment names in it are converted from GBK). Nothing in the
// program displays it; callers judge a read by its result and by what it filled.

#include <string>
#include <string_view>

namespace ec {

const std::string& LastReadError();
void SetLastReadError(std::string_view text);

// While one lives, failures are not reported on this thread: LastReadError
// keeps its value. For reading again what a read has already reported.
class QuietReads {
 public:
  QuietReads();
  ~QuietReads();
  QuietReads(const QuietReads&) = delete;
  QuietReads& operator=(const QuietReads&) = delete;
};
bool ReadsAreQuiet();

}  // namespace ec
