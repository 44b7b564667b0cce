#pragma once
// The logo of the banner drifts to and fro between the homepage picture and
// the association box.

namespace ec {

struct BannerMotion {
  bool movingRight = true;

  // The logo's next left edge, one pixel further on; turns round once the
  // logo comes within 20 pixels of `leftBound` (the homepage picture's right
  // edge) or `rightBound` (the association box's left edge).
  int Step(int left, int width, int leftBound, int rightBound);
};

}  // namespace ec
