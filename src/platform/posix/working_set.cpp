#include "platform/working_set.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace ec {

void TrimWorkingSet() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace ec
