#include "reader/last_read_error.h"

namespace ec {
namespace {
// One text per thread, so that a folder search on a worker thread and the
// window's own loads do not overwrite each other's failure.
thread_local std::string g_lastReadError;
thread_local int g_quietDepth = 0;
}  // namespace

const std::string& LastReadError() { return g_lastReadError; }
void SetLastReadError(std::string_view text) {
  if (g_quietDepth == 0) g_lastReadError.assign(text);
}

QuietReads::QuietReads() { ++g_quietDepth; }
QuietReads::~QuietReads() { --g_quietDepth; }
bool ReadsAreQuiet() { return g_quietDepth > 0; }

}  // namespace ec
