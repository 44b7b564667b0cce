#include "app/banner_motion.h"

#include <algorithm>

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

bool BannerMotion::Fits(int width, int leftBound, int rightBound) { return rightBound - leftBound >= width + 40; }

int BannerMotion::Clamp(int left, int width, int leftBound, int rightBound) {
  return std::clamp(left, leftBound + 20, std::max(leftBound + 20, rightBound - 20 - width));
}

}  // namespace ec
