#include "app/page_view.h"

namespace ec {

PageView::PageView(QWidget* parent) : QTextBrowser(parent) {
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setUndoRedoEnabled(false);
}

void PageView::WritePage(const std::string& html, const QImage& picture) {
  page_ = html;
  picture_ = picture;
  // setHtml, not setSource: nothing is navigated, so there is no history to
  // go back into and no address to resolve.
  setHtml(QString::fromStdString(html));
}

QVariant PageView::loadResource(int type, const QUrl& name) {
  if (type == QTextDocument::ImageResource && !picture_.isNull() && name == QUrl(QString::fromLatin1(kPagePictureUrl))) {
    return picture_;
  }
  return {};
}

}  // namespace ec
