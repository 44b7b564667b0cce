#pragma once
// "疑点说明": the product notes in a small box of their own.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ec {

QString ProductNotes();

class NotesBox : public QDialog {
  Q_OBJECT

 public:
  explicit NotesBox(QWidget* parent = nullptr);

  // Centred on the screen, leaving 30 pixels of its height for the task bar.
  void CentreOnScreen();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QLabel* prompt_ = nullptr;
  QPlainTextEdit* notes_ = nullptr;
  QPushButton* closeButton_ = nullptr;
};

}  // namespace ec
