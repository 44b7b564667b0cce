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

  // Whether the logo fits between the bounds with 20 pixels on each side: in
  // a narrow window it is hidden rather than drawn over the controls.
  static bool Fits(int width, int leftBound, int rightBound);
  // `left` brought back between those margins (the window may have shrunk).
  static int Clamp(int left, int width, int leftBound, int rightBound);
};

}  // namespace ec
