#include "reader/last_read_error.h"

#include <algorithm>
#include <type_traits>

#include "support/plain_text.h"

namespace ec {
namespace {
// One text per thread, so that a folder search on a worker thread and the
// window's own loads do not overwrite each other's failure. Plain bytes, not
// a std::string: MinGW's runtime frees a thread's thread_local storage before
// the destructors of the objects in it run, and a string would then free
// garbage when the thread ends.
struct FailureText {
  char bytes[1024];
  size_t size;
};
thread_local FailureText g_lastReadError{};
static_assert(std::is_trivially_destructible_v<FailureText>);
}  // namespace

std::string LastReadError() { return std::string(g_lastReadError.bytes, g_lastReadError.size); }

void SetLastReadError(std::string_view text) {
  const std::string_view kept = Utf8Prefix(text, sizeof g_lastReadError.bytes);
  std::copy(kept.begin(), kept.end(), g_lastReadError.bytes);
  g_lastReadError.size = kept.size();
}

}  // namespace ec
