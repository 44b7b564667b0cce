#include "platform/terminal.h"

#include <unistd.h>

namespace ec {

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace ec
