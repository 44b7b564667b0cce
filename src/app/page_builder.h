#pragma once
// Builds big pages on a worker thread, newest first: a new request makes the
// older ones moot, and a moot build stops at its next step and is never
// delivered. Delivery is on the thread that owns the builder. Documents
// travel as shared pointers, so one whose delivery never happens (the
// receiver is gone) is still freed.

#include <QObject>
#include <QThread>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/page_document.h"

namespace ec {

class PageBuilder : public QObject {
 public:
  using Delivery = std::function<void(std::shared_ptr<PageDocument>)>;

  explicit PageBuilder(Delivery delivery, QObject* parent = nullptr);
  // Waits for the build in progress to reach its next step.
  ~PageBuilder() override;

  void Request(std::string html, qreal width, const PageFace& face, const QImage& picture = {});
  // Nothing requested so far will be delivered.
  void Cancel();
  // A request is being built and has not been delivered.
  bool IsBusy() const { return delivered_ != latest_.load(); }
  // Frees a document on the worker thread (a big one takes a while); the
  // caller gives up its reference.
  void Dispose(std::shared_ptr<PageDocument> document);

 private:
  void Build(uint64_t id, const std::string& html, qreal width, const PageFace& face, const QImage& picture);
  void Deliver(uint64_t id, std::shared_ptr<PageDocument> document);

  Delivery delivery_;
  QThread thread_;
  QObject* worker_;  // lives in thread_: the builds and disposals run in its event loop
  std::atomic<uint64_t> latest_{0};
  uint64_t delivered_ = 0;
};

}  // namespace ec
