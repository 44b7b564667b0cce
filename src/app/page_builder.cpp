#include "app/page_builder.h"

#include <limits>
#include <utility>

namespace ec {

PageBuilder::PageBuilder(Delivery delivery, QObject* parent)
    : QObject(parent), delivery_(std::move(delivery)), worker_(new QObject) {
  thread_.setObjectName(QStringLiteral("page builder"));
  worker_->moveToThread(&thread_);
  connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
  thread_.start(QThread::LowPriority);
}

PageBuilder::~PageBuilder() {
  latest_ = std::numeric_limits<uint64_t>::max();
  thread_.quit();
  thread_.wait();
}

void PageBuilder::Request(std::string html, qreal width, const PageFace& face, const QImage& picture) {
  const uint64_t id = ++latest_;
  QMetaObject::invokeMethod(
      worker_, [this, id, html = std::move(html), width, face, picture] { Build(id, html, width, face, picture); },
      Qt::QueuedConnection);
}

void PageBuilder::Cancel() { delivered_ = ++latest_; }

void PageBuilder::Dispose(std::shared_ptr<PageDocument> document) {
  if (!document) return;
  document->moveToThread(&thread_);
  QMetaObject::invokeMethod(worker_, [doomed = std::move(document)]() mutable { doomed.reset(); },
                            Qt::QueuedConnection);
}

// Runs on the worker thread.
void PageBuilder::Build(uint64_t id, const std::string& html, qreal width, const PageFace& face,
                        const QImage& picture) {
  const auto current = [this, id] { return latest_.load() == id; };
  if (!current()) return;
  std::shared_ptr<PageDocument> document = BuildPageDocument(html, width, face, picture, current);
  if (!document || !current()) return;
  document->moveToThread(thread());
  QMetaObject::invokeMethod(
      this, [this, id, document = std::move(document)]() mutable { Deliver(id, std::move(document)); },
      Qt::QueuedConnection);
}

void PageBuilder::Deliver(uint64_t id, std::shared_ptr<PageDocument> document) {
  if (id != latest_.load()) {
    Dispose(std::move(document));
    return;
  }
  delivered_ = id;
  delivery_(std::move(document));
}

}  // namespace ec
