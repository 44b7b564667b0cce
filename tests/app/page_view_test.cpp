// The page view shows module pages and fetches nothing they point at.
#include <gtest/gtest.h>

#include <QTextDocument>
#include <QUrl>

#include "app/page_view.h"

namespace ec {
namespace {

TEST(PageView, LoadsNoResourceAndKeepsTheWrittenPage) {
  PageView view;
  view.WritePage("<p>一</p><img src=\"" EC_SOURCE_DIR "/docs/screenshot.png\">");
  view.WritePage("<p>二</p><a href=\"https://example.invalid/\">link</a>");
  EXPECT_FALSE(view.toPlainText().contains(QStringLiteral("一")));
  EXPECT_TRUE(view.toPlainText().contains(QStringLiteral("二")));
  // A plain QTextBrowser would read this local file for an <img>.
  QTextBrowser& browser = view;
  const QUrl local = QUrl::fromLocalFile(QStringLiteral(EC_SOURCE_DIR "/docs/screenshot.png"));
  EXPECT_FALSE(browser.loadResource(QTextDocument::ImageResource, local).isValid());
  EXPECT_FALSE(browser.loadResource(QTextDocument::HtmlResource, QUrl(QStringLiteral("https://example.invalid/"))).isValid());
}

}  // namespace
}  // namespace ec
