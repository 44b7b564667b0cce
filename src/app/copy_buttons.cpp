#include "app/copy_buttons.h"

#include <QPushButton>

#include "app/selection_presenter.h"
#include "app/wait_processing_messages.h"

namespace ec {

CopyButtons::CopyButtons(SelectionPresenter& selection, QPushButton* text, QPushButton* html, QPushButton* ide,
                         QObject* parent)
    : QObject(parent), selection_(selection), text_(text), html_(html), ide_(ide) {}

void CopyButtons::CopyAsText() { RunCopy(text_, Rendering::PlainCode, QStringLiteral("复制代码(TXT)")); }

void CopyButtons::CopyAsHtml() { RunCopy(html_, Rendering::HtmlCode, QStringLiteral("复制代码(HTML)")); }

void CopyButtons::CopyAsIdeHtml() { RunCopy(ide_, Rendering::Tables, QStringLiteral("复制代码(HTML·IDE)")); }

void CopyButtons::RunCopy(QPushButton* button, Rendering rendering, const QString& caption) {
  button->setText(QStringLiteral("复制中"));
  ProcessPendingEvents();
  // The module node, the subroutine category and a selection left over from
  // an earlier module render nothing: the clipboard keeps what it had.
  if (auto text = selection_.Render(rendering)) {
    if (rendering == Rendering::PlainCode) {
      PutOnClipboard(*text);
    } else {
      PutHtmlOnClipboard(*text);
    }
  }
  button->setText(QStringLiteral("已复制"));
  WaitProcessingMessages(feedbackMilliseconds_);
  button->setText(caption);
}

}  // namespace ec
