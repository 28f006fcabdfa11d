#pragma once

#include "reports/engine/ReportDocument.h"

#include <QAbstractScrollArea>

// How the viewer chooses its zoom.
enum class TppZoomSetting {
  zsWholePage,   // the whole page fits the view
  zsPageWidth,   // the page's width fits the view
  zs100Percent,  // the page at its printed size
  zsPercentage,  // the percentage set last
};

// Shows one page of a generated report at a time, centred with a margin of
// dead space around it, at a chosen zoom.
class TReportViewer : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit TReportViewer(QWidget* parent = nullptr);

  // The document shown; not owned. Setting it shows its first page.
  const TReportDocument* Document() const { return FDocument; }
  void SetDocument(const TReportDocument* document);
  // Nothing shown, page 0, status cleared.
  void Reset();

  // Pixels of background around the page.
  int DeadSpace() const { return FDeadSpace; }
  void SetDeadSpace(int pixels);

  TppZoomSetting ZoomSetting() const { return FZoomSetting; }
  void SetZoomSetting(TppZoomSetting setting);
  // Sets a fixed percentage (at least 1) and the setting zsPercentage.
  void SetZoomPercentage(int percent);
  // The zoom in effect, in percent, as the setting gives it for the
  // current view size.
  int CalculatedZoom() const;

  int PageCount() const;
  // From 1; 0 when nothing is shown.
  int AbsolutePageNo() const { return FPageNo; }
  // Goes to the page, or to the first or last page when outside them.
  void GotoPage(int pageNo);
  void FirstPage();
  void PriorPage();
  void NextPage();
  void LastPage();

  QString StatusText() const { return FStatusText; }
  void SetStatusText(const QString& text);

  // The page's rectangle in viewport coordinates at the current zoom.
  QRect PageRect() const;

 signals:
  void PageChanged();
  void StatusChanged(const QString& text);
  // The calculated zoom may have changed (setting or view size).
  void ZoomChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  const TReportPage* CurrentPage() const;
  // Page size in pixels at 100 %.
  QSizeF PageSizeAt100() const;
  double ZoomFactor() const;
  void UpdateScrollBars();
  void ShowPageStatus();

  const TReportDocument* FDocument = nullptr;
  int FPageNo = 0;
  int FDeadSpace = 30;
  TppZoomSetting FZoomSetting = TppZoomSetting::zsPageWidth;
  int FZoomPercentage = 100;
  QString FStatusText;
};
