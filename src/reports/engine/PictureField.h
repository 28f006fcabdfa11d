#pragma once

#include <QByteArray>
#include <QImage>

// Pictures stored in blob columns. The kind is chosen by the first two bytes
// of the value (read as a little-endian word): "BM" bitmap, FF D8 JPEG,
// D7 CD placeable metafile, 0 icon; anything else is no picture. Bitmaps
// written with an 8-byte length header (words 1 and 256, then the 32-bit
// length of what follows) print the same as without it.
enum class TPictureKind { None, Bitmap, Jpeg, Metafile, Icon };

class TPictureField {
 public:
  static TPictureKind Kind(const QByteArray& value);
  // The picture, or a null image when the value holds none or cannot be
  // decoded (a metafile has no renderer here and gives a null image).
  static QImage Decode(const QByteArray& value);
  // The value with the 8-byte bitmap header removed, when it has one.
  static QByteArray StripBitmapHeader(const QByteArray& value);
};
