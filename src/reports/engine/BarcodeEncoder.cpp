#include "reports/engine/BarcodeEncoder.h"

#include <zint.h>

#include <memory>

namespace {

int Symbology(TBarcodeType type) {
  switch (type) {
    case TBarcodeType::Code128:
      return BARCODE_CODE128;
    case TBarcodeType::Code39:
      return BARCODE_CODE39;
    case TBarcodeType::Interleaved2of5:
      return BARCODE_C25INTER;
    case TBarcodeType::Ean13:
      return BARCODE_EANX;
    case TBarcodeType::UpcA:
      return BARCODE_UPCA;
    case TBarcodeType::QrCode:
      return BARCODE_QRCODE;
    case TBarcodeType::Pdf417:
      return BARCODE_PDF417;
  }
  return BARCODE_CODE128;
}

struct TSymbolDeleter {
  void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};

bool TryEncode(int symbology, const QByteArray& utf8, const QRectF& box, double moduleUm,
               TBarcodeEncoder::TResult& result) {
  if (utf8.isEmpty()) return false;
  std::unique_ptr<zint_symbol, TSymbolDeleter> symbol(ZBarcode_Create());
  if (!symbol) return false;
  symbol->symbology = symbology;
  symbol->input_mode = UNICODE_MODE;
  symbol->show_hrt = 0;  // the engine prints the readable text in its own font
  symbol->whitespace_width = 0;
  symbol->border_width = 0;
  const int rc = ZBarcode_Encode(
      symbol.get(), reinterpret_cast<const unsigned char*>(utf8.constData()), utf8.size());
  if (rc >= ZINT_ERROR) return false;
  if (ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector) return false;
  const zint_vector* v = symbol->vector;
  if (v->width <= 0 || v->height <= 0) return false;
  // Zint measures in modules; one-dimensional codes stretch to the box height.
  double sx = moduleUm > 0 ? moduleUm : box.width() / v->width;
  if (sx * v->width > box.width()) sx = box.width() / v->width;
  const bool linear = symbol->rows <= 1;
  const double sy = linear ? box.height() / v->height : sx;
  const double left = box.left() + (box.width() - sx * v->width) / 2.0;
  for (const zint_vector_rect* r = v->rectangles; r; r = r->next) {
    if (r->colour > 0 && r->colour != 7) continue;  // only the dark bars
    result.Bars.emplace_back(left + r->x * sx, box.top() + r->y * sy, r->width * sx,
                             linear ? box.height() : r->height * sy);
  }
  return !result.Bars.empty();
}

}  // namespace

TBarcodeEncoder::TResult TBarcodeEncoder::Encode(TBarcodeType type, const QString& data,
                                                 const QRectF& box, double moduleUm) {
  TResult result;
  if (data.isEmpty() || box.width() <= 0 || box.height() <= 0) return result;
  const int symbology = Symbology(type);
  if (TryEncode(symbology, data.toUtf8(), box, moduleUm, result)) {
    result.Encoded = data;
    return result;
  }
  // Drop what the symbology refused and print the rest.
  QString printable;
  for (const QChar c : data)
    if (c.unicode() >= 0x20 && c.unicode() < 0x7F) printable += c;
  result = TResult();
  if (printable != data && TryEncode(symbology, printable.toUtf8(), box, moduleUm, result)) {
    result.Encoded = printable;
    return result;
  }
  return TResult();
}
