#pragma once
// How the page view dresses a page for the screen: the code face the
// platform offers and the zoom. The pages name SimSun and fixed pixel sizes
// in their style attributes, for the E IDE and for whoever pastes a copy;
// the view swaps in its own face, lets the face keep its own line spacing
// and scales the sizes, while the copies keep the page's own fonts.

#include <string>
#include <string_view>

namespace ec {

struct PageFace {
  std::string family;  // "" keeps the page's own fonts
  int zoomPercent = 100;
};

inline constexpr int kDefaultZoomPercent = 100;
inline constexpr int kMinimumZoomPercent = 50;
inline constexpr int kMaximumZoomPercent = 300;

// `html` with every font-family of its tags set to the face's family, every
// line-height dropped and every font-size in pixels scaled by the zoom. Text
// outside the tags is never touched, so a module text that reads like a style
// stays as it is.
std::string DressPage(std::string_view html, const PageFace& face);

// `pixels` at `zoomPercent`, at least 1.
int ZoomedPixels(int pixels, int zoomPercent);

// The next zoom step up (`direction` > 0) or down from `percent`, within the
// range; a stored value off the steps moves to its nearest step that way.
int NextZoomPercent(int percent, int direction);
int ClampZoomPercent(int percent);

}  // namespace ec
