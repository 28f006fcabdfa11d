#pragma once

#include <QRectF>
#include <QString>

#include <vector>

enum class TBarcodeType { Code128, Code39, Interleaved2of5, Ean13, UpcA, QrCode, Pdf417 };

// Encodes a bar code with Zint into bars fitted to a box. Characters the
// symbology cannot carry are dropped and the rest encoded; when nothing can
// be encoded the result is empty. Never throws.
class TBarcodeEncoder {
 public:
  struct TResult {
    std::vector<QRectF> Bars;  // micrometres, in the box's coordinates
    QString Encoded;           // the text actually encoded
  };

  // `moduleUm` is the narrowest bar's width; 0 fits the symbol to the box
  // width. The symbol is centred horizontally when narrower than the box.
  static TResult Encode(TBarcodeType type, const QString& data, const QRectF& box,
                        double moduleUm = 0);
};
