#include "app/page_measurer.h"

#include <QElapsedTimer>

#include <limits>

namespace ec {
namespace {

// Often enough for the scroll bar to follow, seldom enough to cost the window nothing.
constexpr qint64 kBatchMilliseconds = 40;

}  // namespace

PageMeasurer::PageMeasurer(Delivery delivery, QObject* parent)
    : QObject(parent), delivery_(std::move(delivery)), worker_(new QObject) {
  thread_.setObjectName(QStringLiteral("page measurer"));
  worker_->moveToThread(&thread_);
  connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
  thread_.start(QThread::LowPriority);
}

PageMeasurer::~PageMeasurer() {
  latest_ = std::numeric_limits<uint64_t>::max();
  thread_.quit();
  thread_.wait();
}

void PageMeasurer::Start(PageBlocks blocks, qreal width, const PageFace& face, const QImage& picture) {
  const uint64_t id = ++latest_;
  QMetaObject::invokeMethod(
      worker_,
      [this, id, blocks = std::move(blocks), width, face, picture] { Measure(id, blocks, width, face, picture); },
      Qt::QueuedConnection);
}

// Runs on the worker thread.
void PageMeasurer::Measure(uint64_t id, const PageBlocks& blocks, qreal width, const PageFace& face,
                           const QImage& picture) {
  Heights batch;
  QElapsedTimer sinceBatch;
  sinceBatch.start();
  const auto send = [&] {
    QMetaObject::invokeMethod(
        this, [this, id, heights = std::move(batch)] { Deliver(id, heights); }, Qt::QueuedConnection);
    batch.clear();
    sinceBatch.restart();
  };
  for (size_t b = 0; b < blocks->blocks.size(); ++b) {
    if (latest_.load() != id) return;
    const auto document = BuildPageDocument(blocks->BlockHtml(static_cast<int>(b)), width, face, picture, 0);
    batch.emplace_back(static_cast<int>(b), document->size().height());
    if (sinceBatch.elapsed() >= kBatchMilliseconds) send();
  }
  if (!batch.empty()) send();
}

void PageMeasurer::Deliver(uint64_t id, const Heights& heights) const {
  if (id == latest_.load()) delivery_(heights);
}

}  // namespace ec
