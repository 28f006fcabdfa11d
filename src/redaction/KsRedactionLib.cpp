#include "redaction/KsRedactionLib.h"

#include "redaction/MemBMPDevice.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QScreen>

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------------------
// TKsRedactionShape

TKsRedactionShape::TKsRedactionShape(QWidget* parent) : QWidget(parent) {
  setToolTip(QStringLiteral("Click to remove rectangle"));
  setCursor(Qt::PointingHandCursor);
}

void TKsRedactionShape::SetBackgroundColor(const QColor& color) {
  FBackgroundColor = color;
  update();
}

void TKsRedactionShape::SetForegroundColor(const QColor& color) {
  FForegroundColor = color;
  update();
}

void TKsRedactionShape::SetPattern(Qt::BrushStyle pattern) {
  FPattern = pattern;
  update();
}

void TKsRedactionShape::PaintRedaction(QPainter& painter, const QRect& rect,
                                       const QColor& background, const QColor& foreground,
                                       Qt::BrushStyle pattern) {
  if (rect.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(rect, background);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(QBrush(foreground, pattern));
  // A one-pixel pen outlines the rectangle's own pixels.
  painter.drawRect(rect.adjusted(0, 0, -1, -1));
  painter.restore();
}

void TKsRedactionShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintRedaction(painter, rect(), FBackgroundColor, FForegroundColor, FPattern);
}

void TKsRedactionShape::mousePressEvent(QMouseEvent* event) {
  // Taken here so the release comes back to this rectangle.
  event->accept();
}

void TKsRedactionShape::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (OnMouseUp) OnMouseUp(this, event->button());
}

// ---------------------------------------------------------------------------
// The page image and the rubber-band frame

class TKsRedactor::TPageImage : public QWidget {
 public:
  TPageImage(TKsRedactor& owner, QWidget* parent) : QWidget(parent), FOwner(owner) {
    setCursor(Qt::CrossCursor);
  }

  void SetPicture(const QImage& picture) {
    FPicture = picture;
    resize(picture.size());
    update();
  }
  // White, keeping the size.
  void Blank() {
    FPicture.fill(Qt::white);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!FPicture.isNull()) painter.drawImage(0, 0, FPicture);
  }
  void mousePressEvent(QMouseEvent* event) override {
    FOwner.MouseDown(event->button(), event->position().toPoint());
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    FOwner.MouseMove(event->position().toPoint());
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    FOwner.MouseUp(event->position().toPoint());
  }

 private:
  TKsRedactor& FOwner;
  QImage FPicture;
};

class TKsRedactor::TSelectionFrame : public QWidget {
 public:
  explicit TSelectionFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    // Black dots over white, visible on any page.
    QPainter painter(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(r);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(r);
  }
};

// ---------------------------------------------------------------------------
// TKsRedactor

TKsRedactor::TKsRedactor() : TKsRedactor(nullptr, nullptr) {}

TKsRedactor::TKsRedactor(const TReportDocument* AReport, QWidget* AParent) {
  FImage = new TPageImage(*this, nullptr);
  shpSelection = new TSelectionFrame(nullptr);
  SetReport(AReport);
  SetParent(AParent);
}

TKsRedactor::~TKsRedactor() {
  FreeShapes();
  delete shpSelection.data();
  delete FImage.data();
}

void TKsRedactor::SetParent(QWidget* value) {
  FParent = value;
  if (FImage) {
    FImage->setParent(value);
    FImage->move(0, 0);
    FImage->setVisible(value != nullptr);
  }
  for (auto& page : RedactionShapes)
    for (const QPointer<TKsRedactionShape>& shape : page)
      if (shape) shape->setParent(value);
  if (shpSelection) {
    shpSelection->setParent(value);
    shpSelection->hide();
    shpSelection->raise();
  }
}

QWidget* TKsRedactor::imgPreview() const {
  return FImage.data();
}

void TKsRedactor::FreeShapes() {
  for (auto& page : RedactionShapes)
    for (const QPointer<TKsRedactionShape>& shape : page) delete shape.data();
  RedactionShapes.clear();
}

void TKsRedactor::LoadPages() {
  olPages.clear();
  if (FReport) {
    TppMemBMPDevice device(olPages);
    device.Print(*FReport);
  }
  FPageCount = static_cast<int>(olPages.size());
  FreeShapes();
  RedactionShapes.resize(FPageCount);
  FCurrentViewPage = 0;
  bButtonDown = false;
  if (FPageCount > 0) {
    SetCurrentViewPage(0);
  } else if (FImage) {
    FImage->SetPicture(QImage());
  }
}

void TKsRedactor::UnloadPages() {
  FreeShapes();
  olPages.clear();
  if (FImage) FImage->Blank();
  FPageCount = 0;
  FCurrentViewPage = 0;
  bButtonDown = false;
  if (shpSelection) shpSelection->hide();
}

void TKsRedactor::SetCurrentViewPage(int value) {
  if (FPageCount == 0) return;
  FCurrentViewPage = std::clamp(value, 0, FPageCount - 1);
  if (FImage) FImage->SetPicture(olPages[FCurrentViewPage]);
  for (int page = 0; page < FPageCount; ++page)
    for (const QPointer<TKsRedactionShape>& shape : RedactionShapes[page])
      if (shape) {
        shape->setVisible(page == FCurrentViewPage);
        if (page == FCurrentViewPage) shape->raise();
      }
  if (shpSelection) shpSelection->raise();
  if (OnPageChange) OnPageChange();
}

void TKsRedactor::FirstPage() {
  if (FPageCount > 0) SetCurrentViewPage(0);
}

void TKsRedactor::PriorPage() {
  if (FPageCount > 0 && FCurrentViewPage > 0) SetCurrentViewPage(FCurrentViewPage - 1);
}

void TKsRedactor::NextPage() {
  if (FPageCount > 0 && FCurrentViewPage < FPageCount - 1) SetCurrentViewPage(FCurrentViewPage + 1);
}

void TKsRedactor::LastPage() {
  if (FPageCount > 0) SetCurrentViewPage(FPageCount - 1);
}

// --- drawing rectangles -----------------------------------------------------

QPoint TKsRedactor::Clamped(QPoint pos) const {
  const QSize area = FParent ? FParent->size() : (FImage ? FImage->size() : QSize());
  return QPoint(std::clamp(pos.x(), 0, std::max(0, area.width())),
                std::clamp(pos.y(), 0, std::max(0, area.height())));
}

void TKsRedactor::MouseDown(Qt::MouseButton button, QPoint pos) {
  // With no page there is no page list to put a rectangle in.
  if (button != Qt::LeftButton || FPageCount == 0 || !shpSelection) return;
  X1 = pos.x();
  Y1 = pos.y();
  bButtonDown = true;
  shpSelection->setGeometry(X1, Y1, 0, 0);
  shpSelection->show();
  shpSelection->raise();
}

void TKsRedactor::MouseMove(QPoint pos) {
  if (!bButtonDown || !shpSelection) return;
  const QPoint p = Clamped(pos);
  shpSelection->setGeometry(std::min(X1, p.x()), std::min(Y1, p.y()), std::abs(p.x() - X1),
                            std::abs(p.y() - Y1));
}

void TKsRedactor::MouseUp(QPoint pos) {
  if (!bButtonDown) return;
  MouseMove(pos);
  const QPoint p = Clamped(pos);
  if (p.x() != X1 && p.y() != Y1 && FPageCount > 0) {
    auto* shape = new TKsRedactionShape(FParent);
    shape->setGeometry(shpSelection->geometry());
    shape->OnMouseUp = [this](TKsRedactionShape* s, Qt::MouseButton b) { RemoveShape(s, b); };
    shape->show();
    RedactionShapes[FCurrentViewPage].push_back(shape);
  }
  bButtonDown = false;
  shpSelection->hide();
}

void TKsRedactor::RemoveShape(TKsRedactionShape* shape, Qt::MouseButton button) {
  if (button != Qt::LeftButton || FPageCount == 0) return;
  shape->hide();
  if (FParent) FParent->update(shape->geometry());
  auto& list = RedactionShapes[FCurrentViewPage];
  list.erase(std::remove(list.begin(), list.end(), shape), list.end());
  // Still inside the shape's own mouse handler: released once that returns.
  shape->deleteLater();
}

std::vector<QRect> TKsRedactor::Redactions(int page) const {
  std::vector<QRect> rects;
  if (page < 0 || page >= static_cast<int>(RedactionShapes.size())) return rects;
  for (const QPointer<TKsRedactionShape>& shape : RedactionShapes[page])
    if (shape) rects.push_back(shape->geometry());
  return rects;
}

bool TKsRedactor::HasRedactions() const {
  for (int page = 0; page < FPageCount; ++page)
    if (!Redactions(page).empty()) return true;
  return false;
}

QImage TKsRedactor::RedactedPage(int page) const {
  if (page < 0 || page >= FPageCount) return {};
  QImage copy = olPages[page].copy();
  QPainter painter(&copy);
  for (const QPointer<TKsRedactionShape>& shape : RedactionShapes[page])
    if (shape)
      TKsRedactionShape::PaintRedaction(painter, shape->geometry(), shape->BackgroundColor(),
                                        shape->ForegroundColor(), shape->Pattern());
  return copy;
}

TReportDocument TKsRedactor::RedactedImageDocument() const {
  TReportDocument doc;
  if (FReport) {
    doc.Title = FReport->Title;
    doc.PageSize = FReport->PageSize;
    doc.Orientation = FReport->Orientation;
    doc.MarginsMm = FReport->MarginsMm;
  }
  for (int i = 0; i < FPageCount; ++i) {
    TReportPage page;
    if (FReport && i < static_cast<int>(FReport->Pages.size())) {
      page = FReport->Pages[i];
      page.Commands.clear();
    }
    const QRect whole(0, 0, page.WidthUm, page.HeightUm);
    page.Commands.push_back(TImageCommand{whole, QRectF(whole), RedactedPage(i)});
    doc.Pages.push_back(std::move(page));
  }
  return doc;
}

TReportDocument TKsRedactor::AddRedactionToReport() const {
  if (!FReport) return {};
  TReportDocument doc = *FReport;
  const int pages = std::min(FPageCount, static_cast<int>(doc.Pages.size()));
  for (int i = 0; i < pages; ++i) {
    TReportPage& page = doc.Pages[i];
    for (const QPointer<TKsRedactionShape>& shape : RedactionShapes[i]) {
      if (!shape) continue;
      const QRect px = shape->geometry().intersected(olPages[i].rect());
      if (px.isEmpty()) continue;
      const QRect box(
          TppMemBMPDevice::ToMicrometres(px.x()), TppMemBMPDevice::ToMicrometres(px.y()),
          TppMemBMPDevice::ToMicrometres(px.width()), TppMemBMPDevice::ToMicrometres(px.height()));
      // A hatch alone would let the page show between its lines.
      TShapeCommand background;
      background.Box = box;
      background.Pen.WidthUm = 0;
      background.BrushColor = shape->BackgroundColor();
      background.BrushStyle = Qt::SolidPattern;
      page.Commands.push_back(background);
      TShapeCommand hatch;
      hatch.Box = box;
      hatch.Pen.WidthUm = TppMemBMPDevice::ToMicrometres(1);
      hatch.BrushColor = shape->ForegroundColor();
      hatch.BrushStyle = shape->Pattern();
      page.Commands.push_back(hatch);
    }
  }
  return doc;
}

// --- printing ---------------------------------------------------------------

void TKsRedactor::Print() {
  PrintRange(0, FPageCount - 1);
}

void TKsRedactor::PrintCurrentPage() {
  PrintRange(FCurrentViewPage, FCurrentViewPage);
}

bool TKsRedactor::Progress(std::uint32_t done) {
  if (!OnPrintProgress) return true;
  return OnPrintProgress(done, static_cast<std::uint32_t>(FPrintPageCount) * 100u);
}

void TKsRedactor::PrintRange(int AStartPage, int AEndPage) {
  // Only loaded pages can be printed; with none left no job is started, so
  // no empty sheet comes out.
  const int start = std::max(0, AStartPage);
  const int end = std::min(AEndPage, FPageCount - 1);
  if (end < start) return;

  QPagedPaintDevice* device = FPrintDevice;
  if (!device) {
    if (!FDefaultPrinter) FDefaultPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device = FDefaultPrinter.get();
  }
  auto* printer = dynamic_cast<QPrinter*>(device);
  const auto orientationOf = [this](int page) {
    if (FReport && page < static_cast<int>(FReport->Pages.size()))
      return FReport->Pages[page].Orientation;
    return FReport ? FReport->Orientation : QPageLayout::Portrait;
  };
  if (printer) printer->setDocName(QStringLiteral("Report"));
  if (auto* writer = dynamic_cast<QPdfWriter*>(device)) writer->setTitle(QStringLiteral("Report"));
  device->setPageOrientation(orientationOf(start));

  FPrintPageCount = end - start + 1;
  FCurrentPrintPage = start;
  QPainter painter;
  if (!painter.begin(device))
    throw ERedactionError(QStringLiteral("The printer could not be opened."));
  // The painter ends the job on every way out, errors included.
  if (!Progress(0)) {
    if (printer) printer->abort();
    return;
  }
  for (int page = start; page <= end; ++page) {
    if (page > start) {
      device->setPageOrientation(orientationOf(page));
      device->newPage();
    }
    FCurrentPrintPage = page;
    const QImage image = RedactedPage(page);
    if (!PrintBitmap(painter, *device, image, page - start)) {
      if (printer) printer->abort();
      return;
    }
  }
  painter.end();
}

bool TKsRedactor::PrintBitmap(QPainter& painter, QPagedPaintDevice& device, const QImage& image,
                              int pagesDone) {
  if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->abort();
    throw ERedactionError(
        QStringLiteral("Page %1 could not be printed.").arg(FCurrentPrintPage + 1));
  }

  // The page area: the sheet less the widest unprintable margin on every
  // side, so the image sits centred on the paper.
  const QPageLayout layout = device.pageLayout();
  const int dpi = device.logicalDpiX();
  const QRect full = layout.fullRectPixels(dpi);
  const QRect paint = layout.paintRectPixels(dpi);
  const int margin =
      std::max({paint.left(), paint.top(), full.width() - (paint.x() + paint.width()),
                full.height() - (paint.y() + paint.height()), 0});
  // Painter coordinates start at the printable area's corner.
  const QRect area = QRect(margin, margin, full.width() - 2 * margin, full.height() - 2 * margin)
                         .translated(-paint.topLeft());

  const double scale = std::min(area.width() / static_cast<double>(image.width()),
                                area.height() / static_cast<double>(image.height()));
  const int width = static_cast<int>(image.width() * scale);
  const int height = static_cast<int>(image.height() * scale);
  const QRect target(area.x() + (area.width() - width) / 2, area.y() + (area.height() - height) / 2,
                     width, height);

  // Tiles of at most a screen's size, so no single transfer gets huge. Tile
  // edges fall on whole source pixels and are placed by rounding the same
  // positions, so neighbouring tiles meet without gaps or overlaps.
  QSize tile(1024, 768);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize size = screen->size() * screen->devicePixelRatio();
    if (size.width() > 0 && size.height() > 0) tile = size;
  }
  const bool visible = width > 0 && height > 0;
  const int sourceW = std::max(1, static_cast<int>(tile.width() / scale));
  const int sourceH = std::max(1, static_cast<int>(tile.height() / scale));
  const int columns = visible ? (image.width() + sourceW - 1) / sourceW : 0;
  const int rows = visible ? (image.height() + sourceH - 1) / sourceH : 0;
  const int tiles = columns * rows;
  const std::uint32_t pageBase = static_cast<std::uint32_t>(pagesDone) * 100u;
  const auto place = [scale](int origin, int sourcePos) {
    return origin + static_cast<int>(std::lround(sourcePos * scale));
  };

  painter.save();
  painter.setClipRect(area);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  int done = 0;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      const QRect source =
          QRect(column * sourceW, row * sourceH, sourceW, sourceH).intersected(image.rect());
      const int left = place(target.x(), source.left());
      const int top = place(target.y(), source.top());
      const QRect piece(left, top, place(target.x(), source.left() + source.width()) - left,
                        place(target.y(), source.top() + source.height()) - top);
      painter.drawImage(piece, image, source);
      ++done;
      if (!Progress(pageBase + static_cast<std::uint32_t>(done * 100 / tiles))) {
        painter.restore();
        return false;
      }
    }
  }
  painter.restore();
  // A page too small to give a tile still counts as done.
  if (tiles == 0) return Progress(pageBase + 100u);
  return true;
}
