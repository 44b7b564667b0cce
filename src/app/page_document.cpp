#include "app/page_document.h"

#include <QAbstractTextDocumentLayout>

namespace ec {

PageDocument::PageDocument(QImage picture, QString pictureUrl)
    : picture_(std::move(picture)), pictureUrl_(pictureUrl) {
  // An underline swallows the underscores of names (取_文本 reads 取 文本):
  // links are marked by a tint instead.
  setDefaultStyleSheet(QStringLiteral("a { text-decoration: none; background-color: #e8effa; }"));
}

QVariant PageDocument::loadResource(int type, const QUrl& name) {
  if (type == QTextDocument::ImageResource && !picture_.isNull() && name == pictureUrl_) return picture_;
  return {};
}

std::unique_ptr<PageDocument> BuildPageDocument(const std::string& html, qreal width, const QFont& font,
                                                const QImage& picture, const std::function<bool()>& keepGoing) {
  auto document = std::make_unique<PageDocument>(picture, QString::fromLatin1(kPagePictureUrl));
  document->setUndoRedoEnabled(false);
  document->setDefaultFont(font);
  // The width first: setting it after the content would lay everything out twice.
  document->setTextWidth(width);
  document->setHtml(QString::fromStdString(html));
  if (keepGoing && !keepGoing()) return nullptr;
  document->documentLayout()->documentSize();  // finishes the layout, which is otherwise lazy
  return document;
}

}  // namespace ec
