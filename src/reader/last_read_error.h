#pragma once
// The reader's one failure text. Every failure the reader detects replaces it;
// it keeps its value until the next failure, also across calls. The text is
// UTF-8 (segment names in it are converted from GBK). Nothing in the
// program displays it; callers judge a read by the ReadReport (and the
// model's ReadOutcome) of that read, which carries the same last message.
// A text longer than 1 KB keeps its first 1 KB (whole characters).

#include <string>
#include <string_view>

namespace ec {

std::string LastReadError();
void SetLastReadError(std::string_view text);

}  // namespace ec
