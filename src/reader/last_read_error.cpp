#include "reader/last_read_error.h"

#include <algorithm>
#include <type_traits>

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

bool ContinuesCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

std::string LastReadError() { return std::string(g_lastReadError.bytes, g_lastReadError.size); }

void SetLastReadError(std::string_view text) {
  size_t size = std::min(text.size(), sizeof g_lastReadError.bytes);
  // A cut inside a character drops the whole character.
  if (size < text.size())
    while (size > 0 && ContinuesCharacter(text[size])) --size;
  std::copy_n(text.data(), size, g_lastReadError.bytes);
  g_lastReadError.size = size;
}

}  // namespace ec
