#pragma once

#include "core/Exception.h"
#include "reports/engine/ReportDocument.h"

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

// Printing the redacted pages failed.
class ERedactionError : public Exception {
 public:
  using Exception::Exception;
};

// One redaction rectangle over a page: its background colour with a hatch
// pattern in the foreground colour over it. A click on it reaches OnMouseUp.
class TKsRedactionShape : public QWidget {
  Q_OBJECT

 public:
  explicit TKsRedactionShape(QWidget* parent = nullptr);

  QColor BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(const QColor& color);
  QColor ForegroundColor() const { return FForegroundColor; }
  void SetForegroundColor(const QColor& color);
  // Lines rising from bottom left to top right by default.
  Qt::BrushStyle Pattern() const { return FPattern; }
  void SetPattern(Qt::BrushStyle pattern);

  // A mouse button released anywhere on the rectangle.
  std::function<void(TKsRedactionShape* shape, Qt::MouseButton button)> OnMouseUp;

  // Draws a rectangle exactly as it is shown and burnt into a printed page:
  // solid background, then the pattern in the foreground colour, outlined
  // with a one-pixel black pen.
  static void PaintRedaction(QPainter& painter, const QRect& rect, const QColor& background,
                             const QColor& foreground, Qt::BrushStyle pattern);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QColor FBackgroundColor = Qt::white;
  QColor FForegroundColor = Qt::black;
  Qt::BrushStyle FPattern = Qt::BDiagPattern;
};

// Raised while printing: units done of the total (100 per page). Returning
// false stops the print job.
using TKsPrintProgressEvent =
    std::function<bool(std::uint32_t UnitsDone, std::uint32_t TotalUnits)>;

// Turns each page of a generated report into a bitmap, shows one page at a
// time at 1:1 on its parent, lets the user drag hatched rectangles over it
// (a click removes one again) and prints the pages with the rectangles burnt
// into the images, so nothing under a rectangle reaches the paper.
class TKsRedactor {
 public:
  TKsRedactor();
  TKsRedactor(const TReportDocument* AReport, QWidget* AParent);
  ~TKsRedactor();
  TKsRedactor(const TKsRedactor&) = delete;
  TKsRedactor& operator=(const TKsRedactor&) = delete;

  // The report whose pages are loaded; not owned.
  const TReportDocument* Report() const { return FReport; }
  void SetReport(const TReportDocument* value) { FReport = value; }
  // The area holding the page image, the selection frame and the
  // rectangles; not owned.
  QWidget* Parent() const { return FParent; }
  void SetParent(QWidget* value);

  void LoadPages();
  void UnloadPages();

  int PageCount() const { return FPageCount; }
  // Counted from 0. A page outside the loaded ones goes to the nearest one.
  int CurrentViewPage() const { return FCurrentViewPage; }
  void SetCurrentViewPage(int value);
  void FirstPage();
  void PriorPage();
  void NextPage();
  void LastPage();

  int CurrentPrintPage() const { return FCurrentPrintPage; }
  int PrintPageCount() const { return FPrintPageCount; }

  // Pages counted from 0. Pages outside the loaded ones are left out; when
  // nothing is left no print job is started.
  void Print();
  void PrintCurrentPage();
  void PrintRange(int AStartPage, int AEndPage);
  // Prints onto this device instead of the system's default printer (not
  // owned; nullptr: the default printer).
  void SetPrintDevice(QPagedPaintDevice* device) { FPrintDevice = device; }

  // The loaded page bitmaps, in page order.
  const std::vector<QImage>& Pages() const { return olPages; }
  // The rectangles of a page, in page-image pixels.
  std::vector<QRect> Redactions(int page) const;
  bool HasRedactions() const;
  // A copy of the page bitmap with its rectangles burnt in.
  QImage RedactedPage(int page) const;
  // The report as pictures of its redacted pages and nothing else, for
  // saving: no text under a rectangle survives in the output.
  TReportDocument RedactedImageDocument() const;
  // A copy of the report with each rectangle added as shapes over its page
  // (a solid background under the hatch). The covered texts remain in the
  // copy, so it is for screen and paper only, never for saving.
  TReportDocument AddRedactionToReport() const;

  // The page image the user draws on.
  QWidget* imgPreview() const;

  std::function<void()> OnPageChange;
  TKsPrintProgressEvent OnPrintProgress;

 private:
  class TPageImage;
  class TSelectionFrame;
  friend class TPageImage;

  void MouseDown(Qt::MouseButton button, QPoint pos);
  void MouseMove(QPoint pos);
  void MouseUp(QPoint pos);
  void RemoveShape(TKsRedactionShape* shape, Qt::MouseButton button);
  QPoint Clamped(QPoint pos) const;
  void FreeShapes();

  // Prints one redacted page; false when the progress handler stopped the job.
  bool PrintBitmap(QPainter& painter, QPagedPaintDevice& device, const QImage& image,
                   int pagesDone);
  bool Progress(std::uint32_t done);

  const TReportDocument* FReport = nullptr;
  QPointer<QWidget> FParent;
  std::vector<QImage> olPages;
  std::vector<std::vector<QPointer<TKsRedactionShape>>> RedactionShapes;
  QPointer<TPageImage> FImage;
  QPointer<TSelectionFrame> shpSelection;
  bool bButtonDown = false;
  int X1 = 0;
  int Y1 = 0;
  int FPageCount = 0;
  int FCurrentViewPage = 0;
  int FCurrentPrintPage = 0;
  int FPrintPageCount = 0;
  QPagedPaintDevice* FPrintDevice = nullptr;
  std::unique_ptr<QPrinter> FDefaultPrinter;
};
