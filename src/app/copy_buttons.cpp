#include "app/copy_buttons.h"

#include <QFutureWatcher>
#include <QPointer>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

#include <optional>
#include <string>

#include "app/selection_presenter.h"
#include "app/wait_processing_messages.h"

namespace ec {

CopyButtons::CopyButtons(SelectionPresenter& selection, QPushButton* text, QPushButton* html, QPushButton* ide,
                         QObject* parent)
    : QObject(parent), selection_(selection), text_(text), html_(html), ide_(ide) {}

void CopyButtons::CopyAsText() { RunCopy(text_, Rendering::PlainCode, QStringLiteral("复制代码(TXT)")); }

void CopyButtons::CopyAsHtml() { RunCopy(html_, Rendering::HtmlCode, QStringLiteral("复制代码(HTML)")); }

void CopyButtons::CopyAsIdeHtml() { RunCopy(ide_, Rendering::Tables, QStringLiteral("复制代码(HTML·IDE)")); }

namespace {

// HTML goes on the clipboard both as text and as HTML.
void Put(Rendering rendering, const QString& text) {
  if (rendering == Rendering::PlainCode)
    PutOnClipboard(text);
  else
    PutHtmlOnClipboard(text);
}

}  // namespace

void CopyButtons::RunCopy(QPushButton* button, Rendering rendering, const QString& caption) {
  button->setText(QStringLiteral("复制中"));
  ProcessPendingEvents();
  if (selection_.StandsForWholeModule()) return CopyInBackground(button, rendering, caption);
  // A selection left over from an earlier module renders nothing: the
  // clipboard keeps what it had.
  if (auto text = selection_.Render(rendering)) Put(rendering, QString::fromStdString(*text));
  ShowCopied(button, caption);
}

// The whole module of a big module is tens of megabytes of text: it is
// rendered, and made the clipboard's text, on a worker thread while the
// button says "复制中".
void CopyButtons::CopyInBackground(QPushButton* button, Rendering rendering, const QString& caption) {
  using Result = std::optional<QString>;
  auto* watcher = new QFutureWatcher<Result>(this);
  ++running_;
  connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, button = QPointer(button), rendering, caption] {
    --running_;
    const Result text = watcher->result();
    watcher->deleteLater();
    if (text) Put(rendering, *text);
    if (button) ShowCopied(button, caption);
  });
  watcher->setFuture(QtConcurrent::run([job = selection_.RenderJob(rendering)]() -> Result {
    std::optional<std::string> text = job();
    if (!text) return std::nullopt;
    return QString::fromStdString(*text);
  }));
}

void CopyButtons::ShowCopied(QPushButton* button, const QString& caption) {
  button->setText(QStringLiteral("已复制"));
  WaitProcessingMessages(feedbackMilliseconds_);
  button->setText(caption);
}

}  // namespace ec
