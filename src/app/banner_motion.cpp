#include "app/banner_motion.h"

namespace ec {

int BannerMotion::Step(int left, int width, int leftBound, int rightBound) {
  if (movingRight) {
    ++left;
    if (left + width > rightBound - 20) movingRight = false;
  } else {
    --left;
    if (left < leftBound + 20) movingRight = true;
  }
  return left;
}

}  // namespace ec
