#include "cli/commands.h"

namespace ec::cli {
namespace {
int g_status = kExitOk;
}

void SetExitStatus(int status) { g_status = status; }
int ExitStatus() { return g_status; }

}  // namespace ec::cli
