#pragma once
// The three copy buttons: the current selection on the clipboard as E source
// text, as coloured HTML or as the IDE-style tables, with the button's caption
// telling how it went.

#include <QObject>
#include <QString>

#include "render/current_selection.h"

class QPushButton;

namespace ec {

class SelectionPresenter;

class CopyButtons : public QObject {
  Q_OBJECT

 public:
  CopyButtons(SelectionPresenter& selection, QPushButton* text, QPushButton* html, QPushButton* ide,
              QObject* parent = nullptr);

  void CopyAsText();
  void CopyAsHtml();
  void CopyAsIdeHtml();
  // How long "已复制" stays on the button.
  void SetFeedbackMilliseconds(int milliseconds) { feedbackMilliseconds_ = milliseconds; }
  // A copy of the whole module is still being rendered.
  bool IsCopying() const { return running_ > 0; }

 private:
  void RunCopy(QPushButton* button, Rendering rendering, const QString& caption);
  void CopyInBackground(QPushButton* button, Rendering rendering, const QString& caption);
  void ShowCopied(QPushButton* button, const QString& caption);

  SelectionPresenter& selection_;
  QPushButton* text_;
  QPushButton* html_;
  QPushButton* ide_;
  int feedbackMilliseconds_ = 1000;
  int running_ = 0;
};

}  // namespace ec
