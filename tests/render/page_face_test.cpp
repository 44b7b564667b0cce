// The page view's dress for a page: its own face and zoom in the tags, the
// module's texts left alone.
#include <gtest/gtest.h>

#include "render/page_face.h"

namespace ec {
namespace {

TEST(PageFace, DressesTheTagsAndLeavesTheTextAlone) {
  const PageFace face{"WenQuanYi Zen Hei Mono", 150};
  EXPECT_EQ(DressPage("<div style=\"font-size:14px;font-family:SimSun;line-height:1.5;\">a;font-size:14px</div>", face),
            "<div style=\"font-size:21px;font-family:'WenQuanYi Zen Hei Mono';\">a;font-size:14px</div>");
  // A family list, a size not in pixels and a property that only ends like one.
  EXPECT_EQ(DressPage("<table style=\"font-family:YaHei Consolas Hybrid,宋体;font-size:1.2em;x-font-size:9px\">", face),
            "<table style=\"font-family:'WenQuanYi Zen Hei Mono';font-size:1.2em;x-font-size:9px\">");
  // A line height last in its attribute, and an unterminated tag.
  EXPECT_EQ(DressPage("<p style=\"line-height:2\">x</p><b style=\"font-size:10px", face),
            "<p style=\"\">x</p><b style=\"font-size:10px");
  // No family: the page's own fonts, sizes still zoomed.
  EXPECT_EQ(DressPage("<span style=\"font-family:SimSun;font-size:12px;\">", {"", 50}),
            "<span style=\"font-family:SimSun;font-size:6px;\">");
  EXPECT_EQ(DressPage("no tags: font-family:x", face), "no tags: font-family:x");
}

TEST(PageFace, ZoomStepsStayInRange) {
  EXPECT_EQ(NextZoomPercent(100, 1), 110);
  EXPECT_EQ(NextZoomPercent(100, -1), 90);
  EXPECT_EQ(NextZoomPercent(103, 1), 110);
  EXPECT_EQ(NextZoomPercent(103, -1), 100);
  EXPECT_EQ(NextZoomPercent(kMaximumZoomPercent, 1), kMaximumZoomPercent);
  EXPECT_EQ(NextZoomPercent(kMinimumZoomPercent, -1), kMinimumZoomPercent);
  EXPECT_EQ(ClampZoomPercent(5000), kMaximumZoomPercent);
  EXPECT_EQ(ZoomedPixels(1, 50), 1);
}

}  // namespace
}  // namespace ec
