#include "platform/terminal.h"

#include <io.h>
#include <stdio.h>

namespace ec {

bool StandardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

}  // namespace ec
