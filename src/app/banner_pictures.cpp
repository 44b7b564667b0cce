#include "app/banner_pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace ec {
namespace {

const QColor kInk(0x1a, 0x5f, 0xb4);

QPixmap Blank(int width, int height) {
  QPixmap picture(width, height);
  picture.fill(Qt::transparent);
  return picture;
}

}  // namespace

QPixmap LogoPicture() {
  QPixmap picture = Blank(195, 64);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  painter.drawRoundedRect(QRectF(2, 8, 48, 48), 10, 10);
  painter.setPen(Qt::white);
  QFont mark = painter.font();
  mark.setPixelSize(30);
  mark.setBold(true);
  painter.setFont(mark);
  painter.drawText(QRectF(2, 8, 48, 48), Qt::AlignCenter, QStringLiteral("澜"));
  painter.setPen(kInk);
  QFont name = painter.font();
  name.setPixelSize(26);
  painter.setFont(name);
  painter.drawText(QRectF(58, 0, 137, 64), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("澜禾·观澄"));
  return picture;
}

QPixmap NotesPicture() {
  QPixmap picture = Blank(64, 64);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kInk, 4));
  painter.drawEllipse(QRectF(10, 10, 44, 44));
  QFont mark = painter.font();
  mark.setPixelSize(30);
  mark.setBold(true);
  painter.setFont(mark);
  painter.drawText(QRectF(10, 10, 44, 44), Qt::AlignCenter, QStringLiteral("?"));
  return picture;
}

QPixmap HomepagePicture() {
  QPixmap picture = Blank(64, 64);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath house;
  house.moveTo(12, 32);
  house.lineTo(32, 12);
  house.lineTo(52, 32);
  house.moveTo(18, 27);
  house.lineTo(18, 52);
  house.lineTo(46, 52);
  house.lineTo(46, 27);
  painter.drawPath(house);
  painter.drawRect(QRectF(28, 38, 8, 14));
  return picture;
}

}  // namespace ec
