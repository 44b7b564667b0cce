#pragma once
// Measures the heights of a page's blocks on a worker thread, top to bottom,
// so the page view's scroll bar reaches the page's real height without the
// window thread laying out blocks nobody looks at. Heights arrive in batches
// on the thread that owns the measurer, with the columns of each table cut
// into parts once all its parts are measured; a newer start (another page, zoom or
// width) makes the older run moot, and a moot run stops at its next block
// and is never delivered.

#include <QImage>
#include <QObject>
#include <QThread>

#include <atomic>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "app/page_column.h"

namespace ec {

class PageMeasurer : public QObject {
 public:
  using Heights = std::vector<std::pair<int, qreal>>;  // block, height
  struct Measures {
    Heights heights;  // a block's later height replaces its earlier one
    std::vector<std::pair<int, TableColumns>> tables;  // cut table, its columns
  };
  using Delivery = std::function<void(const Measures&)>;

  explicit PageMeasurer(Delivery delivery, QObject* parent = nullptr);
  // Waits for the block being measured.
  ~PageMeasurer() override;

  void Start(PageBlocks blocks, qreal width, const PageFace& face, const QImage& picture);
  // Nothing started so far will be delivered.
  void Stop() { ++latest_; }

 private:
  void Measure(uint64_t id, const PageBlocks& blocks, qreal width, const PageFace& face, const QImage& picture);
  void Deliver(uint64_t id, const Measures& measures) const;

  Delivery delivery_;
  QThread thread_;
  QObject* worker_;  // lives in thread_: the runs go through its event loop
  std::atomic<uint64_t> latest_{0};
};

}  // namespace ec
