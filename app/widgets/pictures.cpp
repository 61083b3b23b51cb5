#include "app/widgets/pictures.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace {

// A star of `points` points, one point up: a five-pointed star, or a
// four-pointed sparkle for a bright star.
QPainterPath PointedStarPath(QPointF centre, qreal outer, qreal inner,
                             int points = 5) {
  QPolygonF corners;
  const qreal step = 180.0 / points;
  for (int i = 0; i < 2 * points; ++i) {
    const qreal radius = i % 2 == 0 ? outer : inner;
    const qreal angle = qDegreesToRadians(-90.0 + step * i);
    corners << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
  }
  QPainterPath path;
  path.addPolygon(corners);
  path.closeSubpath();
  return path;
}

QPixmap TransparentPixmap(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

const QColor kBrass(222, 172, 64);
const QColor kGold(255, 208, 40);
const QColor kNight(14, 26, 80);

}  // namespace

QPixmap VelmoorIconPixmap() {
  QPixmap pixmap = TransparentPixmap(32, 32);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);

  QPainterPath tile;
  tile.addRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);
  QLinearGradient sky(0, 0, 0, 22);
  sky.setColorAt(0, QColor(8, 14, 56));
  sky.setColorAt(1, QColor(36, 62, 140));
  p.fillPath(tile, sky);

  p.save();
  p.setClipPath(tile);
  p.fillRect(QRectF(0, 22, 32, 10), QColor(0, 72, 110));
  p.setPen(QPen(QColor(170, 210, 235), 1));
  p.drawLine(QPointF(0, 22.5), QPointF(32, 22.5));
  p.restore();

  // Faint stars.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 235, 255));
  for (const QPointF& dot : {QPointF(6, 6), QPointF(12, 3.5), QPointF(27.5, 17), QPointF(4, 13)}) {
    p.drawEllipse(dot, 0.9, 0.9);
  }

  // The star's altitude: the angle between the horizon and the line of
  // sight, marked by a sextant's arc.
  const QPointF eye(4, 22.5);
  const QPointF starCentre(22, 9);
  const qreal altitude = qRadiansToDegrees(
      qAtan2(eye.y() - starCentre.y(), starCentre.x() - eye.x()));
  const QRectF arcBox(eye.x() - 13, eye.y() - 13, 26, 26);
  QPainterPath wedge(eye);
  wedge.arcTo(arcBox, 0, altitude);
  wedge.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 196, 72, 175));
  p.drawPath(wedge);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kBrass, 2, Qt::SolidLine, Qt::FlatCap));
  p.drawArc(arcBox, 0, qRound(altitude * 16));
  p.setPen(QPen(QColor(235, 240, 255), 1, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(eye, starCentre);

  // The star.
  const QPainterPath star = PointedStarPath(starCentre, 7, 2.8);
  p.setPen(QPen(QColor(120, 80, 0), 0.8));
  p.setBrush(kGold);
  p.drawPath(star);

  p.setPen(QPen(QColor(255, 255, 255, 60), 1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tile);
  return pixmap;
}

QIcon VelmoorIcon() { return QIcon(VelmoorIconPixmap()); }

QPixmap AboutButtonPicture() {
  QPixmap pixmap = TransparentPixmap(16, 16);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(90, 120, 200), 1));
  p.setBrush(kNight);
  p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
  p.setPen(QPen(QColor(120, 80, 0), 0.6));
  p.setBrush(kGold);
  p.drawPath(PointedStarPath(QPointF(8, 8.6), 6, 2.4));
  return pixmap;
}

QPixmap AboutButtonDisabledPicture() {
  // The normal picture in light greys, its outline kept by the alpha channel.
  QImage image = AboutButtonPicture().toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int grey = 120 + qGray(line[x]) / 2;
      line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
    }
  }
  return QPixmap::fromImage(image);
}

QIcon AboutButtonIcon() {
  QIcon icon;
  icon.addPixmap(AboutButtonPicture(), QIcon::Normal);
  icon.addPixmap(AboutButtonDisabledPicture(), QIcon::Disabled);
  return icon;
}

QPixmap HelpButtonPicture() {
  QPixmap pixmap = TransparentPixmap(30, 41);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);

  // Beams of light to both sides of the lantern.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 230, 90, 110));
  p.drawPolygon(QPolygonF({QPointF(15, 9), QPointF(0, 4), QPointF(0, 14)}));
  p.drawPolygon(QPolygonF({QPointF(15, 9), QPointF(30, 4), QPointF(30, 14)}));

  // The rock.
  p.setBrush(QColor(90, 90, 96));
  p.drawEllipse(QRectF(4, 35.5, 22, 5.5));

  // The tower in red and white bands.
  const QPolygonF tower({QPointF(11.2, 14), QPointF(18.8, 14), QPointF(21, 38), QPointF(9, 38)});
  QPainterPath towerPath;
  towerPath.addPolygon(tower);
  towerPath.closeSubpath();
  p.save();
  p.setClipPath(towerPath);
  for (int band = 0; band < 4; ++band) {
    p.fillRect(QRectF(0, 14 + band * 6, 30, 6), band % 2 == 0 ? QColor(210, 30, 30) : Qt::white);
  }
  p.restore();
  p.setPen(QPen(QColor(60, 20, 20), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(towerPath);

  // Gallery, lantern and roof.
  p.setPen(QPen(QColor(40, 40, 40), 0.8));
  p.setBrush(QColor(60, 60, 66));
  p.drawRect(QRectF(9.5, 12, 11, 2));
  p.setBrush(QColor(255, 236, 110));
  p.drawRect(QRectF(12, 6.5, 6, 5.5));
  p.setBrush(QColor(170, 20, 20));
  p.drawPolygon(QPolygonF({QPointF(10.5, 6.5), QPointF(19.5, 6.5), QPointF(15, 1.5)}));
  return pixmap;
}

QIcon HelpButtonIcon() { return QIcon(HelpButtonPicture()); }

QImage AboutPicture() {
  constexpr int kWidth = 65;
  constexpr int kHeight = 98;
  constexpr qreal kHorizon = 66;
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, kHorizon);
  sky.setColorAt(0, QColor(4, 8, 34));
  sky.setColorAt(1, QColor(34, 58, 118));
  p.fillRect(QRectF(0, 0, kWidth, kHorizon), sky);

  QLinearGradient sea(0, kHorizon, 0, kHeight);
  sea.setColorAt(0, QColor(14, 54, 90));
  sea.setColorAt(1, QColor(4, 18, 38));
  p.fillRect(QRectF(0, kHorizon, kWidth, kHeight - kHorizon), sea);
  p.setPen(QPen(QColor(150, 190, 220), 1));
  p.drawLine(QPointF(0, kHorizon + 0.5), QPointF(kWidth, kHorizon + 0.5));

  // Stars of different brightness.
  struct Dot {
    qreal x, y, radius;
    int light;
  };
  const Dot dots[] = {{5, 5, 0.7, 200},  {23, 4, 0.9, 255},  {35, 9, 0.6, 170},
                      {6, 27, 0.8, 220}, {27, 22, 0.6, 160}, {58, 34, 0.8, 230},
                      {42, 28, 0.5, 150}, {12, 44, 0.6, 170}, {55, 52, 0.6, 150},
                      {3, 58, 0.5, 130},  {36, 46, 0.7, 190}, {62, 4, 0.6, 160}};
  p.setPen(Qt::NoPen);
  for (const Dot& dot : dots) {
    p.setBrush(QColor(dot.light, dot.light, 255));
    p.drawEllipse(QPointF(dot.x, dot.y), dot.radius, dot.radius);
  }
  p.setBrush(QColor(255, 250, 220));
  p.drawPath(PointedStarPath(QPointF(14, 14), 5.5, 1.2, 4));

  // A crescent Moon and its glitter on the water.
  QPainterPath moon;
  moon.addEllipse(QPointF(50, 15), 7, 7);
  QPainterPath shadow;
  shadow.addEllipse(QPointF(46.5, 13), 6.5, 6.5);
  p.setBrush(QColor(250, 240, 200));
  p.drawPath(moon.subtracted(shadow));
  p.setPen(QPen(QColor(230, 220, 180, 150), 1));
  for (int row = 0; row < 5; ++row) {
    const qreal y = kHorizon + 3 + row * 5;
    const qreal half = 2 + row;
    p.drawLine(QPointF(53 - half, y), QPointF(53 + half, y));
  }
  p.setPen(QPen(QColor(60, 110, 150), 1));
  for (int row = 0; row < 4; ++row) {
    const qreal y = kHorizon + 6 + row * 7;
    p.drawLine(QPointF(4 + row * 3, y), QPointF(14 + row * 3, y));
  }

  // The sextant: a sixth of a circle hanging from the index mirror.
  const QPointF pivot(31, 36);
  const qreal radius = 44;
  auto onArc = [&](qreal degrees, qreal r) {
    const qreal a = qDegreesToRadians(degrees);
    return pivot + QPointF(r * qCos(a), r * qSin(a));  // y grows downwards
  };
  const qreal from = 60;  // degrees from the right, clockwise on screen
  const qreal to = 120;

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kBrass, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(pivot, onArc(from, radius));
  p.drawLine(pivot, onArc(to, radius));
  p.drawLine(onArc(from, radius * 0.55), onArc(to, radius * 0.55));

  // The graduated limb.
  QPainterPath limb;
  const QRectF outer(pivot.x() - radius, pivot.y() - radius, 2 * radius, 2 * radius);
  const QRectF inner = outer.adjusted(5, 5, -5, -5);
  limb.arcMoveTo(outer, -from);
  limb.arcTo(outer, -from, -(to - from));
  limb.arcTo(inner, -to, to - from);
  limb.closeSubpath();
  p.setPen(QPen(QColor(120, 84, 20), 0.8));
  p.setBrush(kBrass);
  p.drawPath(limb);
  p.setPen(QPen(QColor(70, 45, 10), 0.7));
  for (qreal degrees = from + 4; degrees < to - 2; degrees += 4) {
    p.drawLine(onArc(degrees, radius - 0.5), onArc(degrees, radius - 2.5));
  }

  // The telescope across the frame and the index arm with its mirror.
  p.setPen(QPen(QColor(40, 30, 20), 0.8));
  p.setBrush(QColor(96, 70, 40));
  p.drawRect(QRectF(17, 48, 25, 4.5));
  p.setBrush(QColor(180, 180, 190));
  p.drawRect(QRectF(41, 47.2, 3, 6));
  p.setPen(QPen(QColor(215, 215, 225), 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(pivot, onArc(96, radius + 1.5));
  p.setPen(QPen(QColor(40, 40, 50), 0.8));
  p.setBrush(QColor(150, 190, 220));
  p.drawRect(QRectF(pivot.x() - 3.5, pivot.y() - 5, 7, 5));
  p.setBrush(kBrass);
  p.drawEllipse(pivot, 1.6, 1.6);
  p.end();

  return image.convertToFormat(QImage::Format_RGB888);
}
