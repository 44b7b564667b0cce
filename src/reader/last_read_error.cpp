#include "reader/last_read_error.h"

namespace ec {
namespace {
// One text per thread, so that a folder search on a worker thread and the
// window's own loads do not overwrite each other's failure.
thread_local std::string g_lastReadError;
}  // namespace

const std::string& LastReadError() { return g_lastReadError; }
void SetLastReadError(std::string_view text) { g_lastReadError.assign(text); }

}  // namespace ec
