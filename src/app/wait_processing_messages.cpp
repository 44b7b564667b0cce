#include "app/wait_processing_messages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace ec {

namespace {
constexpr qint64 kStepMilliseconds = 10;
}

void ProcessPendingEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void WaitProcessingMessages(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  ProcessPendingEvents();
  // Measured against a clock rather than counted in steps, because handling
  // the events of one step may itself take a while.
  while (timer.elapsed() < milliseconds) {
    const qint64 left = milliseconds - timer.elapsed();
    QThread::msleep(static_cast<unsigned long>(std::clamp<qint64>(left, 1, kStepMilliseconds)));
    ProcessPendingEvents();
  }
}

}  // namespace ec
