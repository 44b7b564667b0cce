#include "app/page_document.h"

#include <QAbstractTextDocumentLayout>

namespace ec {

QVariant PageDocument::loadResource(int /*type*/, const QUrl& /*name*/) { return {}; }

std::unique_ptr<PageDocument> BuildPageDocument(const std::string& html, qreal width, const QFont& font,
                                                const std::function<bool()>& keepGoing) {
  auto document = std::make_unique<PageDocument>();
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
