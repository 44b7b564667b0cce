#include "app/page_measurer.h"

#include <QElapsedTimer>

#include <limits>
#include <utility>

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
  Measures batch;
  QElapsedTimer sinceBatch;
  sinceBatch.start();
  const auto send = [&] {
    QMetaObject::invokeMethod(
        this, [this, id, measures = std::move(batch)] { Deliver(id, measures); }, Qt::QueuedConnection);
    batch = {};
    sinceBatch.restart();
  };
  PageTableColumns known(static_cast<size_t>(CutTableCount(blocks->blocks)));
  // Of each cut table being measured: its widest columns so far, and the
  // parts narrowed to fit the width, whose height changes with its columns.
  struct Widest {
    TableColumns columns;
    std::vector<int> narrowed;
  };
  std::vector<Widest> widest(known.size());
  const auto height = [&](int b) {
    return BlockHeight(blocks->blocks[b], *BuildBlockDocument(*blocks, b, width, face, picture, known));
  };
  for (int b = 0; b < static_cast<int>(blocks->blocks.size()); ++b) {
    if (latest_.load() != id) return;
    const PageBlock& block = blocks->blocks[b];
    const auto document = BuildBlockDocument(*blocks, b, width, face, picture, known);
    batch.heights.emplace_back(b, BlockHeight(block, *document));
    for (const TablePart& p : TableParts(block, *document)) {
      Widest& table = widest[p.table - 1];
      Widen(table.columns, MeasureColumns(*document, *p.part));
      if (FillsWidth(*document, *p.part)) table.narrowed.push_back(b);
    }
    if (const int ended = block.tableFromBefore; ended > 0 && block.tableGoingOn != ended) {
      Widest table = std::exchange(widest[ended - 1], {});
      known[ended - 1] = std::move(table.columns);
      batch.tables.emplace_back(ended, known[ended - 1]);
      for (const int part : table.narrowed) batch.heights.emplace_back(part, height(part));
    }
    if (sinceBatch.elapsed() >= kBatchMilliseconds) send();
  }
  if (!batch.heights.empty() || !batch.tables.empty()) send();
}

void PageMeasurer::Deliver(uint64_t id, const Measures& measures) const {
  if (id == latest_.load()) delivery_(measures);
}

}  // namespace ec
