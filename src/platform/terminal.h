#pragma once
// Whether a standard stream goes to a terminal, where a progress line that
// rewrites itself makes sense; piped into a file or a log it would be noise.

namespace ec {

bool StandardErrorIsTerminal();

}  // namespace ec
