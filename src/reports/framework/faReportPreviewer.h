#pragma once

#include "reports/engine/PrinterDevice.h"
#include "reports/engine/ReportDocument.h"
#include "reports/framework/ReportViewer.h"

#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPagedPaintDevice;
class QPrinter;
class QProgressBar;
class QScrollArea;
class QStackedWidget;
class QStatusBar;
class QToolBar;
class THourglass;
class TKsRedactor;

// Where a print goes and which pages: chosen in the print dialog, or given
// by a test or a headless run.
struct TPrintRequest {
  QPagedPaintDevice* Device = nullptr;  // not owned
  TPrintRangeChoice Range;
};

// The embeddable report preview: page navigation, zoom, printing, saving and
// a redaction mode in which the user blacks out parts of the pages before
// they are printed.
class TfraReportPreviewer : public QWidget {
  Q_OBJECT

 public:
  explicit TfraReportPreviewer(QWidget* parent = nullptr);
  ~TfraReportPreviewer() override;

  // The report shown; not owned. Redact is enabled only while one is set.
  const TReportDocument* Report() const { return FReport; }
  void SetReport(const TReportDocument* report);

  bool RedactionModeAvailable() const;
  void SetRedactionModeAvailable(bool available);
  // Hidden after creation; the modal preview window shows it.
  bool CloseButtonVisible() const;
  void SetCloseButtonVisible(bool visible);
  bool ControlsEnabled() const { return FControlsEnabled; }
  void SetControlsEnabled(bool enabled);

  TReportViewer* ppViewer1() const { return FViewer; }
  TKsRedactor& Redactor() const { return *FRedactor; }

  // Leaves redaction mode, resets the viewer and drops the report.
  void Reset();
  // Leaves redaction mode and shows the whole page.
  void FrameShow();
  // Leaves redaction mode.
  void FrameClose();

  bool RedactionEnabled() const { return FRedactionEnabled; }
  void SetRedactionEnabled(bool enabled);
  // Whether the last print completed.
  bool WasPrinted() const { return FWasPrinted; }

  // Goes to a page (from 1), in the redactor too while redacting.
  void GotoPage(int pageNo);
  // The page shown, from 1.
  int CurrentPage() const;

  // The Print action: the no-printer message, the print dialog, then the
  // report's pages or, in redaction mode, the redacted pages alone. Errors
  // are thrown to the caller; the action shows them.
  void PrintReport();
  // Chooses the printer and pages; false when cancelled. The default shows
  // the print dialog on the system printer.
  std::function<bool(int pageCount, int currentPage, bool redacting, TPrintRequest& request)>
      OnChoosePrint;

  // Saves the report with the named file device (by the file's extension
  // when no name is given, PDF when that is unknown). While pages are
  // redacted only the pictures of the redacted pages may leave: they are
  // saved as PDF and any other format is refused with a message. Returns
  // whether a file was written; throws EReportDeviceError on failure.
  bool SaveToFile(const QString& fileName, const QString& deviceName = {});

  // While the report is being generated: Cancel is enabled, the hourglass
  // shows and the status bar carries the viewer's status.
  void SetGenerating(bool generating);
  std::function<void()> OnCancelGeneration;

  // The controls, in toolbar order.
  QToolBar* tbPreview = nullptr;
  QAction* actPrint = nullptr;
  QActionGroup* grpZoom = nullptr;
  QAction* actWholePage = nullptr;
  QAction* actPageWidth = nullptr;
  QAction* act100Percent = nullptr;
  QLineEdit* edtZoomPercentage = nullptr;
  QAction* actFirstPage = nullptr;
  QAction* actPriorPage = nullptr;
  QLineEdit* edtPageNumber = nullptr;
  QAction* actNextPage = nullptr;
  QAction* actLastPage = nullptr;
  QAction* actCancel = nullptr;
  QAction* actRedact = nullptr;
  QAction* actClose = nullptr;
  QMenu* mnuViewer = nullptr;
  QStatusBar* sbStatus = nullptr;
  QLabel* lblStatus = nullptr;
  QWidget* pnlRedaction = nullptr;  // the redactor's page panel
  QWidget* pnlProgress = nullptr;
  QProgressBar* pbPrinting = nullptr;

 signals:
  // The page shown changed (viewer or redactor).
  void PageChanged(int pageNo);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildToolbar();
  void BuildViewer();
  void BuildRedactionArea();
  void ConnectActions();

  void ZoomButtonClick(TppZoomSetting setting);
  void ZoomEntered();
  void PageEntered();
  void ShowCalculatedZoom();
  void ShowPageNumber();
  void MovePage(void (TReportViewer::*viewerMove)());
  void ViewerPageChanged();
  void RedactorPageChanged();
  bool RedactorPrintProgress(std::uint32_t done, std::uint32_t total);
  void PrintActionClick();
  void PrintRedacted(const TPrintRequest& request);
  bool DefaultChoosePrint(int pageCount, int currentPage, bool redacting, TPrintRequest& request);
  void UpdateActions();

  const TReportDocument* FReport = nullptr;
  TReportViewer* FViewer = nullptr;
  QStackedWidget* FPages = nullptr;
  QScrollArea* FRedactionScroll = nullptr;
  std::unique_ptr<TKsRedactor> FRedactor;
  std::unique_ptr<QPrinter> FPrinter;
  std::unique_ptr<THourglass> FHourglass;
  bool FRedactionEnabled = false;
  bool FWasPrinted = false;
  bool FControlsEnabled = true;
  bool FGenerating = false;
  bool FRedactionAvailable = true;
};

// "An installed printer was not detected." and its second line.
QString NoPrinterMessage();
// Why a redacted report cannot be saved in a text format.
QString RedactedSaveMessage();
