#include "app/page_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>

#include "platform/code_font.h"

namespace ec {
namespace {

// The pages' code is 14 pixels high.
constexpr int kCodePixels = 14;

}  // namespace

PageDocument::PageDocument(QImage picture, QString pictureUrl) : picture_(std::move(picture)), pictureUrl_(pictureUrl) {
  // An underline swallows the underscores of names (取_文本 reads 取 文本):
  // links are marked by a tint instead.
  setDefaultStyleSheet(QStringLiteral("a { text-decoration: none; background-color: #e8effa; }"));
}

QVariant PageDocument::loadResource(int type, const QUrl& name) {
  if (type == QTextDocument::ImageResource && !picture_.isNull() && name == pictureUrl_) return picture_;
  return {};
}

std::string InstalledCodeFamily() {
  for (const std::string& family : CodeFontFamilies())
    if (QFontDatabase::hasFamily(QString::fromStdString(family))) return family;
  return {};
}

QFont PageFont(const PageFace& face) {
  QFont font;
  if (!face.family.empty()) font.setFamily(QString::fromStdString(face.family));
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(ZoomedPixels(kCodePixels, face.zoomPercent));
  return font;
}

std::unique_ptr<PageDocument> BuildPageDocument(const std::string& html, qreal width, const PageFace& face,
                                                const QImage& picture, qreal margin,
                                                const std::function<void(QTextDocument&)>& parsed) {
  auto document = std::make_unique<PageDocument>(picture, QString::fromLatin1(kPagePictureUrl));
  document->setUndoRedoEnabled(false);
  document->setDefaultFont(PageFont(face));
  document->setDocumentMargin(margin);
  // The width first: setting it after the content would lay everything out twice.
  document->setTextWidth(width);
  document->setHtml(QString::fromStdString(DressPage(html, face)));
  if (parsed) parsed(*document);
  document->documentLayout()->documentSize();  // finishes the layout, which is otherwise lazy
  return document;
}

}  // namespace ec
