#include "platform/working_set.h"

#include <windows.h>

namespace ec {

void TrimWorkingSet() { SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)); }

}  // namespace ec
