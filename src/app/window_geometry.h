#pragma once
// The main window's place, size, maximised state and tree width, kept in the
// settings between runs (section "主界面").

#include <QRect>

#include <optional>

class QWidget;

namespace ec {

class ControlStateStore;

struct WindowGeometry {
  QRect normal;  // the window's frame-less geometry when not maximised
  bool maximized = false;
  int treeWidth = 0;
};

// Reads and writes in the store's current section.
std::optional<WindowGeometry> ReadWindowGeometry(ControlStateStore& store);
void WriteWindowGeometry(ControlStateStore& store, const WindowGeometry& geometry);

// Puts `window` where `geometry` says, before it is shown. A place that no
// screen shows any more (a monitor unplugged) keeps the size only.
void ApplyWindowGeometry(QWidget& window, const WindowGeometry& geometry);

}  // namespace ec
