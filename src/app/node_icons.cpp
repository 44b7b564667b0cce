#include "app/node_icons.h"

#include "render/node_kind.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace ec {

namespace {

// Every picture is drawn on a 16 × 16 grid and scaled, so the 32 pixel
// rendering is the same picture, only sharper.
constexpr qreal kGrid = 16.0;

void LetterBadge(QPainter& p, const QColor& fill, const QString& letters, qreal pixelSize, bool italic = false) {
  p.setPen(QPen(fill.darker(140), 1.0));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setItalic(italic);
  font.setPixelSize(static_cast<int>(pixelSize));
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, letters);
}

void ModuleBox(QPainter& p) {
  const QColor side(0x1c, 0x5d, 0xb8);
  QPainterPath top;
  top.moveTo(2, 5);
  top.lineTo(8, 2);
  top.lineTo(14, 5);
  top.lineTo(8, 8);
  top.closeSubpath();
  QPainterPath left;
  left.moveTo(2, 5);
  left.lineTo(8, 8);
  left.lineTo(8, 15);
  left.lineTo(2, 12);
  left.closeSubpath();
  QPainterPath right;
  right.moveTo(8, 8);
  right.lineTo(14, 5);
  right.lineTo(14, 12);
  right.lineTo(8, 15);
  right.closeSubpath();
  p.setPen(QPen(side.darker(150), 0.8));
  p.setBrush(side.lighter(160));
  p.drawPath(top);
  p.setBrush(side);
  p.drawPath(left);
  p.setBrush(side.darker(125));
  p.drawPath(right);
}

void Folder(QPainter& p, const QColor& fill) {
  p.setPen(QPen(fill.darker(160), 1.0));
  p.setBrush(fill.darker(110));
  QPainterPath tab;
  tab.moveTo(1.5, 4.5);
  tab.lineTo(1.5, 2.5);
  tab.lineTo(6.5, 2.5);
  tab.lineTo(8, 4.5);
  tab.closeSubpath();
  p.drawPath(tab);
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(1.5, 4.5, 13, 9.5), 1.5, 1.5);
}

// A subroutine group is a header line inside its category: a small stack
// of lines in a light frame.
void GroupLines(QPainter& p) {
  const QColor ink(0x3b, 0x6e, 0x22);
  p.setPen(QPen(ink, 1.0));
  p.setBrush(QColor(0xe4, 0xf4, 0xd8));
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
  p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
  for (qreal y : {5.0, 8.0, 11.0}) p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
}

void Plug(QPainter& p) {
  const QColor body(0x5e, 0x5c, 0x64);
  p.setPen(QPen(body.darker(140), 1.0));
  p.setBrush(QColor(0xc0, 0xbf, 0xbc));
  p.drawRect(QRectF(4.5, 1.0, 2, 4));  // prongs
  p.drawRect(QRectF(9.5, 1.0, 2, 4));
  p.setBrush(body);
  p.drawRoundedRect(QRectF(2.5, 5, 11, 6), 1.5, 1.5);
  p.setPen(QPen(body, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8, 11), QPointF(8, 14.5));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(5);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(2.5, 5, 11, 6), Qt::AlignCenter, QStringLiteral("API"));
}

void SpareMark(QPainter& p) {
  p.setPen(QPen(QColor(0x9a, 0x99, 0x96), 1.0));
  p.setBrush(QColor(0xde, 0xdd, 0xda));
  p.drawEllipse(QRectF(4.5, 4.5, 7, 7));
}

void MethodDot(QPainter& p) {
  const QColor fill(0xa3, 0x3d, 0xb8);
  p.setPen(QPen(fill.darker(140), 1.0));
  p.setBrush(fill);
  p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(11);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(1, 0.5, 14, 14), Qt::AlignCenter, QStringLiteral("m"));
}

void Paint(QPainter& p, int kind) {
  switch (kind) {
    case kKindModule: ModuleBox(p); break;
    case 1:  // pictures 1 and 2 belong to no kind
    case 2: SpareMark(p); break;
    case kKindGlobals: LetterBadge(p, QColor(0x26, 0xa2, 0x69), QStringLiteral("G"), 11); break;
    case kKindDataTypes: LetterBadge(p, QColor(0x21, 0x90, 0xa4), QStringLiteral("T"), 11); break;
    case kKindClass: LetterBadge(p, QColor(0xe6, 0x61, 0x00), QStringLiteral("C"), 11); break;
    case kKindSubroutine: LetterBadge(p, QColor(0x1c, 0x71, 0xd8), QStringLiteral("f"), 12, true); break;
    case kKindSubroutineCategory: Folder(p, QColor(0xf6, 0xd3, 0x2d)); break;
    case kKindConstants: LetterBadge(p, QColor(0xc0, 0x1c, 0x28), QStringLiteral("K"), 11); break;
    case kKindDllCommands: Plug(p); break;
    case kKindGroup: GroupLines(p); break;
    case kKindMethod: MethodDot(p); break;
    default: break;
  }
}

}  // namespace

QPixmap NodeIconPixmap(int kind, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(size / kGrid, size / kGrid);
  Paint(painter, kind);
  return pixmap;
}

std::vector<QIcon> NodeIcons() {
  std::vector<QIcon> icons;
  icons.reserve(kNodeIconCount);
  for (int kind = 0; kind < kNodeIconCount; ++kind) {
    QIcon icon;
    icon.addPixmap(NodeIconPixmap(kind, 16));
    icon.addPixmap(NodeIconPixmap(kind, 32));
    icons.push_back(icon);
  }
  return icons;
}

}  // namespace ec
