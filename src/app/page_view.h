#pragma once
// The page view of the main window: shows the summary and item pages.
//
// Pages are built from module texts, so the view is kept inert: it runs no
// script (QTextBrowser has none), fetches nothing (no network, no local
// file, not even images) and does not follow links. The one picture it shows
// is a resource of the module, handed over with the page.

#include <QImage>
#include <QTextBrowser>

#include <string>

namespace ec {

inline constexpr char kPagePictureUrl[] = "ecview-resource:picture";

class PageView : public QTextBrowser {
  Q_OBJECT

 public:
  explicit PageView(QWidget* parent = nullptr);

  // Replaces the whole content with `html` (UTF-8); it stays until the next
  // call. `picture` is what the page's <img src="ecview-resource:picture">
  // shows.
  void WritePage(const std::string& html, const QImage& picture = {});
  const std::string& Page() const { return page_; }

  // Answers nothing for every image, style sheet or page a document names,
  // but the page's own picture.
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  std::string page_;
  QImage picture_;
};

}  // namespace ec
