#pragma once
// Hands memory the process no longer uses back to the system, after the
// directory tree dropped a large listing.

namespace ec {

void TrimWorkingSet();

}  // namespace ec
