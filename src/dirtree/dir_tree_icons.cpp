#include "dirtree/dir_tree_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "dirtree/core/dir_tree_node_kind.h"

namespace ec {
namespace {

const QColor kFolderYellow(0xf2, 0xc2, 0x4e);
const QColor kScreenBlue(0x3a, 0x7b, 0xd5);
const QColor kDriveGrey(0x9a, 0xa0, 0xa6);

void FolderShape(QPainter& p, const QColor& fill, bool open) {
  p.setPen(QPen(fill.darker(170), 1.0));
  p.setBrush(fill.darker(112));
  p.drawRoundedRect(QRectF(2.5, 5.5, 19, 15), 1.5, 1.5);
  p.drawRoundedRect(QRectF(2.5, 3.5, 8, 4), 1, 1);
  p.setBrush(fill);
  if (open) {
    QPainterPath front;
    front.moveTo(5.5, 9.5);
    front.lineTo(22.5, 9.5);
    front.lineTo(19.5, 20.5);
    front.lineTo(2.5, 20.5);
    front.closeSubpath();
    p.drawPath(front);
  } else {
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 12), 1.5, 1.5);
  }
}

void Badge(QPainter& p, const QColor& fill, const QString& mark) {
  p.setPen(QPen(fill.darker(150), 1.0));
  p.setBrush(fill);
  p.drawEllipse(QRectF(12.5, 12.5, 10, 10));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(8);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(12.5, 12.5, 10, 10), Qt::AlignCenter, mark);
}

void Monitor(QPainter& p) {
  p.setPen(QPen(QColor(0x44, 0x44, 0x44), 1.0));
  p.setBrush(QColor(0xdd, 0xdd, 0xdd));
  p.drawRoundedRect(QRectF(2.5, 3.5, 19, 14), 1.5, 1.5);
  p.setBrush(kScreenBlue);
  p.drawRect(QRectF(4.5, 5.5, 15, 10));
  p.setBrush(QColor(0x88, 0x88, 0x88));
  p.drawRect(QRectF(9.5, 17.5, 5, 2));
  p.drawRoundedRect(QRectF(6.5, 19.5, 11, 2), 1, 1);
}

void DriveBox(QPainter& p, bool system) {
  p.setPen(QPen(kDriveGrey.darker(170), 1.0));
  p.setBrush(kDriveGrey.lighter(125));
  p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
  p.setBrush(QColor(0x3c, 0xc0, 0x5a));
  p.drawEllipse(QRectF(17, 12, 2.5, 2.5));
  if (!system) return;
  // Four coloured panes mark the drive the system runs from.
  const QColor panes[] = {QColor(0xe5, 0x4b, 0x2e), QColor(0x5c, 0xb8, 0x3c), QColor(0x2d, 0x7f, 0xe0),
                          QColor(0xf5, 0xb8, 0x1c)};
  for (int i = 0; i < 4; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(panes[i]);
    p.drawRect(QRectF(5 + (i % 2) * 4, 10 + (i / 2) * 3, 3.4, 2.6));
  }
}

void Desktop(QPainter& p) {
  Monitor(p);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x6c, 0xc0, 0x4a));
  p.drawRect(QRectF(4.5, 11.5, 15, 4));
}

void Documents(QPainter& p) {
  FolderShape(p, kFolderYellow, false);
  p.setPen(QPen(QColor(0x77, 0x77, 0x77), 1.0));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(7.5, 6.5, 10, 12));
  for (int line = 0; line < 3; ++line) p.drawLine(QPointF(9.5, 9.5 + line * 3), QPointF(15.5, 9.5 + line * 3));
}

void Entry(QPainter& p) {
  FolderShape(p, kFolderYellow, false);
  p.setPen(QPen(QColor(0x1a, 0x5f, 0xb4), 2.0));
  p.drawLine(QPointF(9, 17), QPointF(15, 11));
  p.drawLine(QPointF(11, 11), QPointF(15, 11));
  p.drawLine(QPointF(15, 11), QPointF(15, 15));
}

void Draw(QPainter& p, int image) {
  switch (static_cast<DirTreeNodeKind>(image)) {
    case DirTreeNodeKind::kFolder: FolderShape(p, kFolderYellow, false); break;
    case DirTreeNodeKind::kDesktop: Desktop(p); break;
    case DirTreeNodeKind::kComputer: Monitor(p); break;
    case DirTreeNodeKind::kDrive: DriveBox(p, false); break;
    case DirTreeNodeKind::kSystemFolderRoot:
      FolderShape(p, kFolderYellow, false);
      Badge(p, QColor(0x6b, 0x6f, 0x78), QStringLiteral("S"));
      break;
    case DirTreeNodeKind::kVirtualFolderRoot:
      FolderShape(p, kFolderYellow, false);
      Badge(p, QColor(0xe0, 0x8a, 0x1e), QStringLiteral("★"));
      break;
    case DirTreeNodeKind::kEntry: Entry(p); break;
    case DirTreeNodeKind::kSystemDrive: DriveBox(p, true); break;
    case DirTreeNodeKind::kDocuments: Documents(p); break;
    default:
      if (image == kFolderSelectedImage) FolderShape(p, kFolderYellow, true);
      break;
  }
}

}  // namespace

std::vector<QIcon> DirTreeIcons() {
  std::vector<QIcon> icons;
  for (int image = 0; image < kDirTreeImageCount; ++image) {
    QPixmap pixmap(kDirTreeIconSize, kDirTreeIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    Draw(painter, image);
    painter.end();
    icons.emplace_back(pixmap);
  }
  return icons;
}

}  // namespace ec
