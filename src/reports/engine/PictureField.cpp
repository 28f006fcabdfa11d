#include "reports/engine/PictureField.h"

#include <QtEndian>

namespace {

quint16 Word(const QByteArray& value, int at) {
  return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(value.constData()) + at);
}

}  // namespace

QByteArray TPictureField::StripBitmapHeader(const QByteArray& value) {
  if (value.size() < 8 || Word(value, 0) != 1 || Word(value, 2) != 256) return value;
  const quint32 length =
      qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(value.constData()) + 4);
  if (static_cast<qint64>(length) + 8 != value.size()) return value;
  return value.mid(8);
}

TPictureKind TPictureField::Kind(const QByteArray& value) {
  const QByteArray data = StripBitmapHeader(value);
  if (data.size() < 2) return TPictureKind::None;
  switch (Word(data, 0)) {
    case 0x4D42:
      return TPictureKind::Bitmap;
    case 0xD8FF:
      return TPictureKind::Jpeg;
    case 0xCDD7:
      return TPictureKind::Metafile;
    case 0x0000:
      return TPictureKind::Icon;
    default:
      return TPictureKind::None;
  }
}

QImage TPictureField::Decode(const QByteArray& value) {
  const QByteArray data = StripBitmapHeader(value);
  QImage image;
  switch (Kind(data)) {
    case TPictureKind::Bitmap:
      image.loadFromData(data, "BMP");
      break;
    case TPictureKind::Jpeg:
      image.loadFromData(data, "JPEG");
      break;
    case TPictureKind::Icon:
      image.loadFromData(data, "ICO");
      break;
    case TPictureKind::Metafile:  // no metafile renderer on this platform
    case TPictureKind::None:
      break;
  }
  return image;
}
