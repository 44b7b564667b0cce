#pragma once
// A block of a page as a laid-out document, built on whichever thread calls
// BuildPageDocument: a worker measures the blocks, the window lays out the
// ones it shows.
//
// Pages are built from module texts, so the document is kept inert: it
// fetches nothing (no network, no local file, not even images) but the one
// picture handed over with the page, a resource of the module.

#include <QFont>
#include <QImage>
#include <QTextDocument>
#include <QUrl>

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
// wide, all of it, so painting never has to lay anything out, with `margin`
// pixels around it. Touches nothing shared; the document belongs to the
// calling thread. `picture` is what the page's kPagePictureUrl shows;
// `parsed` may change the document once it is parsed, before it is laid out.
std::unique_ptr<PageDocument> BuildPageDocument(const std::string& html, qreal width, const PageFace& face,
                                                const QImage& picture = {}, qreal margin = 4,
                                                const std::function<void(QTextDocument&)>& parsed = {});

}  // namespace ec
