#include "platform/qt/pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace kvirlo::qt {
namespace {

QPixmap clockFace(int side) {
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal s = side / 32.0;
  p.scale(s, s);
  p.setPen(QPen(QColor(40, 70, 140), 2));
  p.setBrush(QColor(255, 214, 64));
  p.drawEllipse(QRectF(3, 3, 26, 26));
  p.setPen(QPen(QColor(40, 40, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(16, 16), QPointF(16, 8));
  p.drawLine(QPointF(16, 16), QPointF(22, 19));
  p.setBrush(QColor(200, 30, 30));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(14, 14, 4, 4));
  return pixmap;
}

void drawCross(QPainter& p, QSize size) {
  p.setPen(QPen(QColor(200, 200, 200), 1));
  p.drawRect(QRect(QPoint(0, 0), size - QSize(1, 1)));
  p.setPen(QPen(Qt::white, 2));
  const int m = std::max(3, size.width() / 4);
  p.drawLine(m, m, size.width() - m - 1, size.height() - m - 1);
  p.drawLine(size.width() - m - 1, m, m, size.height() - m - 1);
}

void drawBell(QPainter& p, QSize size) {
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size.width() / 32.0, size.height() / 32.0);
  QPainterPath bell;
  bell.moveTo(6, 24);
  bell.cubicTo(9, 20, 8, 8, 16, 6);
  bell.cubicTo(24, 8, 23, 20, 26, 24);
  bell.closeSubpath();
  p.setPen(QPen(QColor(120, 80, 0), 1.5));
  p.setBrush(QColor(250, 200, 40));
  p.drawPath(bell);
  p.drawEllipse(QRectF(13.5, 24, 5, 5));
  p.setPen(QPen(QColor(200, 40, 40), 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(1, 6, 8, 12), 100 * 16, 80 * 16);
  p.drawArc(QRectF(23, 6, 8, 12), 0 * 16, 80 * 16);
}

void drawFolder(QPainter& p, QSize size) {
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size.width() / 32.0, size.height() / 20.0);
  p.setPen(QPen(QColor(140, 100, 20), 1));
  p.setBrush(QColor(240, 200, 90));
  p.drawRect(QRectF(4, 4, 10, 4));
  p.drawRect(QRectF(4, 6, 24, 11));
}

}  // namespace

QIcon appIcon() {
  QIcon icon;
  for (int side : {16, 22, 24, 32, 48, 64}) icon.addPixmap(clockFace(side));
  return icon;
}

QPixmap picture(const QString& name, QSize size) {
  if (size.isEmpty()) return {};
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  if (name == "close-box") drawCross(p, size);
  if (name == "bell") drawBell(p, size);
  if (name == "open-folder") drawFolder(p, size);
  if (name == "app") p.drawPixmap(0, 0, clockFace(std::min(size.width(), size.height())));
  return pixmap;
}

QPixmap alertBackground(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(QColor(192, 255, 192));
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(170, 235, 170), 3));
  for (int r = 20; r < size.width(); r += 28)
    p.drawEllipse(QPoint(size.width() - 30, size.height() - 20), r, r);
  return pixmap;
}

}  // namespace kvirlo::qt
