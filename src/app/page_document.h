#pragma once
// A page of the page view as a laid-out document, built on whichever thread
// calls BuildPageDocument: big pages are parsed and laid out off the window
// thread, and the window only paints them.
//
// Pages are built from module texts, so the document is kept inert: it
// fetches nothing (no network, no local file, not even images) but the one
// picture handed over with the page, a resource of the module.

#include <QFont>
#include <QImage>
#include <QUrl>
#include <QTextDocument>

#include <functional>
#include <memory>
#include <string>

#include "render/page_face.h"

namespace ec {

// Where a page shows its picture: <img src="ecview-resource:picture">.
inline constexpr char kPagePictureUrl[] = "ecview-resource:picture";

class PageDocument : public QTextDocument {
 public:
  // `picture` answers `pictureUrl`; nothing else is answered.
  explicit PageDocument(QImage picture = {}, QString pictureUrl = {});

 protected:
  // Answers nothing for every image, style sheet or page the HTML names but
  // the picture.
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  QImage picture_;
  QUrl pictureUrl_;
};

// The first face of CodeFontFamilies() that is installed, "" for none.
std::string InstalledCodeFamily();

// The font of the page's text that names none: the face at the code's size.
QFont PageFont(const PageFace& face);

// Parses `html` (UTF-8) dressed in `face` and lays it out `width` pixels
// wide, all of it, so painting never has to lay anything out. Touches nothing shared; the
// document belongs to the calling thread. Answers nullptr when `keepGoing`
// answers false between the two steps (a newer page made this one moot).
// `picture` is what the page's kPagePictureUrl shows.
std::unique_ptr<PageDocument> BuildPageDocument(const std::string& html, qreal width, const PageFace& face,
                                                const QImage& picture = {},
                                                const std::function<bool()>& keepGoing = {});

}  // namespace ec
