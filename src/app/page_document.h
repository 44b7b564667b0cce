#pragma once
// A page of the page view as a laid-out document, built on whichever thread
// calls BuildPageDocument: big pages are parsed and laid out off the window
// thread, and the window only paints them.
//
// Pages are built from module texts, so the document is kept inert: it
// fetches nothing (no network, no local file, not even images).

#include <QFont>
#include <QTextDocument>

#include <functional>
#include <memory>
#include <string>

namespace ec {

class PageDocument : public QTextDocument {
 public:
  using QTextDocument::QTextDocument;

 protected:
  // Answers nothing for every image, style sheet or page the HTML names.
  QVariant loadResource(int type, const QUrl& name) override;
};

// Parses `html` (UTF-8) in `font` and lays it out `width` pixels wide, all of
// it, so painting never has to lay anything out. Touches nothing shared; the
// document belongs to the calling thread. Answers nullptr when `keepGoing`
// answers false between the two steps (a newer page made this one moot).
std::unique_ptr<PageDocument> BuildPageDocument(const std::string& html, qreal width, const QFont& font,
                                                const std::function<bool()>& keepGoing = {});

}  // namespace ec
