#include "app/window_geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "settings/control_state_store.h"

namespace ec {
namespace {
constexpr char kLeft[] = "窗口左边";
constexpr char kTop[] = "窗口顶边";
constexpr char kWidth[] = "窗口宽度";
constexpr char kHeight[] = "窗口高度";
constexpr char kMaximized[] = "窗口最大化";
constexpr char kTreeWidth[] = "树宽度";
constexpr double kMissing = -1e9;
}  // namespace

std::optional<WindowGeometry> ReadWindowGeometry(ControlStateStore& store) {
  const double width = store.ReadNumber(kWidth, kMissing);
  const double height = store.ReadNumber(kHeight, kMissing);
  if (width <= 0 || height <= 0 || width > 100000 || height > 100000) return std::nullopt;
  WindowGeometry g;
  g.normal = QRect(static_cast<int>(store.ReadNumber(kLeft, 0)), static_cast<int>(store.ReadNumber(kTop, 0)),
                   static_cast<int>(width), static_cast<int>(height));
  g.maximized = store.ReadLogical(kMaximized, false);
  g.treeWidth = static_cast<int>(std::clamp(store.ReadNumber(kTreeWidth, 0), 0.0, 100000.0));
  return g;
}

void WriteWindowGeometry(ControlStateStore& store, const WindowGeometry& g) {
  store.WriteNumber(kLeft, g.normal.x());
  store.WriteNumber(kTop, g.normal.y());
  store.WriteNumber(kWidth, g.normal.width());
  store.WriteNumber(kHeight, g.normal.height());
  store.WriteLogical(kMaximized, g.maximized);
  store.WriteNumber(kTreeWidth, g.treeWidth);
}

void ApplyWindowGeometry(QWidget& window, const WindowGeometry& g) {
  window.resize(g.normal.size().expandedTo(window.minimumSize()));
  if (QGuiApplication::screenAt(g.normal.center()) != nullptr) window.move(g.normal.topLeft());
  if (g.maximized) window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

}  // namespace ec
