#include "cli/DemoPictures.h"

#include "cli/DemoRandom.h"
#include "core/Exception.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace {

QByteArray EncodeJpeg(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(70);
  if (!writer.write(image))
    throw EDatabaseError(QStringLiteral("Cannot write the demo pictures as JPEG: ") +
                         writer.errorString());
  return bytes;
}

const QColor kSkinTones[] = {QColor(255, 224, 196), QColor(234, 192, 160), QColor(198, 144, 106),
                             QColor(160, 110, 75),  QColor(111, 74, 50),   QColor(78, 52, 36)};
const QColor kHairColors[] = {QColor(20, 16, 14),   QColor(70, 45, 25),    QColor(120, 80, 40),
                              QColor(190, 150, 90), QColor(150, 150, 150), QColor(60, 30, 20)};
const QColor kShirtColors[] = {QColor(235, 120, 30), QColor(40, 90, 160), QColor(200, 200, 60),
                               QColor(90, 140, 90), QColor(180, 60, 60)};

}  // namespace

QByteArray DemoPortraitJpeg(TDemoRandom& random) {
  const int w = 96, h = 120;
  QImage image(w, h, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // Booking-room wall with the height chart.
  QLinearGradient wall(0, 0, 0, h);
  wall.setColorAt(0, QColor(205, 210, 218));
  wall.setColorAt(1, QColor(160, 166, 178));
  p.fillRect(image.rect(), wall);
  p.setPen(QPen(QColor(90, 95, 105), 1));
  for (int y = 8; y < h; y += 12) p.drawLine(0, y, (y / 12) % 2 ? 14 : 8, y);

  const QColor skin = kSkinTones[random.Int(0, 5)];
  const QColor hair = kHairColors[random.Int(0, 5)];
  const QColor shirt = kShirtColors[random.Int(0, 4)];
  const double cx = w / 2.0 + random.Real(-4, 4);
  const double headW = random.Real(34, 42), headH = random.Real(44, 52);
  const double headTop = random.Real(16, 24);

  // Shoulders in the jail's uniform colours.
  QPainterPath shoulders;
  shoulders.moveTo(cx - 46, h);
  shoulders.cubicTo(cx - 44, h - 30, cx - 20, h - 34, cx, h - 34);
  shoulders.cubicTo(cx + 20, h - 34, cx + 44, h - 30, cx + 46, h);
  shoulders.closeSubpath();
  p.fillPath(shoulders, shirt);
  p.setBrush(skin.darker(110));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(cx - 8, headTop + headH - 6, 16, 20));  // neck

  QRadialGradient face(cx - 6, headTop + headH * 0.4, headW);
  face.setColorAt(0, skin.lighter(108));
  face.setColorAt(1, skin.darker(112));
  p.setBrush(face);
  p.drawEllipse(QRectF(cx - headW / 2, headTop, headW, headH));

  // Hair: a cap over the top of the head, longer for some.
  p.setBrush(hair);
  const double hairDepth = random.Real(8, 18);
  QPainterPath hairPath;
  hairPath.moveTo(cx - headW / 2 - 1, headTop + hairDepth + 6);
  hairPath.cubicTo(cx - headW / 2, headTop - 6, cx + headW / 2, headTop - 6, cx + headW / 2 + 1,
                   headTop + hairDepth + 6);
  hairPath.cubicTo(cx + headW / 4, headTop + hairDepth, cx - headW / 4, headTop + hairDepth,
                   cx - headW / 2 - 1, headTop + hairDepth + 6);
  if (random.Chance(0.3))
    hairPath.addRect(QRectF(cx - headW / 2 - 2, headTop + 10, 5, headH * 0.8));
  p.drawPath(hairPath);

  // Eyes, brows and mouth.
  const double eyeY = headTop + headH * 0.45;
  p.setBrush(QColor(245, 245, 245));
  p.drawEllipse(QPointF(cx - 8, eyeY), 4, 2.5);
  p.drawEllipse(QPointF(cx + 8, eyeY), 4, 2.5);
  p.setBrush(QColor(40, 30, 25));
  p.drawEllipse(QPointF(cx - 8, eyeY), 1.6, 1.6);
  p.drawEllipse(QPointF(cx + 8, eyeY), 1.6, 1.6);
  p.setPen(QPen(hair.darker(120), 1.5));
  p.drawLine(QPointF(cx - 12, eyeY - 5), QPointF(cx - 4, eyeY - 5 - random.Real(0, 1.5)));
  p.drawLine(QPointF(cx + 4, eyeY - 5 - random.Real(0, 1.5)), QPointF(cx + 12, eyeY - 5));
  p.setPen(QPen(skin.darker(150), 1.4));
  const double mouthY = headTop + headH * 0.76;
  p.drawLine(QPointF(cx - 6, mouthY), QPointF(cx + 6, mouthY + random.Real(-1, 1)));
  p.end();
  return EncodeJpeg(image);
}

QByteArray DemoLogoJpeg() {
  const int size = 160;
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(size / 2.0, size / 2.0);

  QRadialGradient disc(c, size / 2.0);
  disc.setColorAt(0, QColor(30, 70, 140));
  disc.setColorAt(1, QColor(10, 30, 80));
  p.setPen(QPen(QColor(200, 160, 40), 6));
  p.setBrush(disc);
  p.drawEllipse(c, size / 2.0 - 6, size / 2.0 - 6);

  // The sheriff's seven-pointed star.
  QPolygonF star;
  const int points = 7;
  for (int i = 0; i < points * 2; ++i) {
    const double r = i % 2 ? 26.0 : 58.0;
    const double a = -M_PI / 2 + i * M_PI / points;
    star << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
  }
  QLinearGradient gold(0, 20, 0, size - 20);
  gold.setColorAt(0, QColor(250, 220, 110));
  gold.setColorAt(1, QColor(190, 140, 30));
  p.setPen(QPen(QColor(120, 90, 20), 2));
  p.setBrush(gold);
  p.drawPolygon(star);
  for (int i = 0; i < points; ++i) {
    const double a = -M_PI / 2 + i * 2 * M_PI / points;
    p.drawEllipse(QPointF(c.x() + 58 * std::cos(a), c.y() + 58 * std::sin(a)), 5, 5);
  }
  p.setBrush(QColor(10, 30, 80));
  p.drawEllipse(c, 14, 14);
  p.end();
  return EncodeJpeg(image);
}
