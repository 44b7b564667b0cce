#pragma once
// The page view of the main window: shows the summary and item pages.
//
// Pages are built from module texts, so the view is kept inert: it runs no
// script (QTextBrowser has none), fetches nothing (no network, no local
// file, not even images) and does not follow links.

#include <QTextBrowser>

#include <string>

namespace ec {

class PageView : public QTextBrowser {
  Q_OBJECT

 public:
  explicit PageView(QWidget* parent = nullptr);

  // Replaces the whole content with `html` (UTF-8); it stays until the next
  // call.
  void WritePage(const std::string& html);
  const std::string& Page() const { return page_; }

  // Answers nothing for every image, style sheet or page a document names.
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  std::string page_;
};

}  // namespace ec
