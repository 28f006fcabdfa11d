#pragma once

#include "reports/engine/ReportDocument.h"

#include <QDialog>

#include <functional>

class QAction;
class QListView;
class TfraReportPreviewer;
class TPageThumbnailModel;

// The file and the device the user chose to save a report with.
struct TSaveChoice {
  QString FileName;
  QString DeviceName;
};

// Asks where to save; false when cancelled. `deviceNames` are the offered
// file devices, the first the default.
using TSaveFileChooser = std::function<bool(QWidget* parent, const QStringList& deviceNames,
                                            const QString& suggestedName, TSaveChoice& choice)>;

// The modal preview of a generated report: the preview frame beside the
// page thumbnails, maximised, with saving to PDF, text, CSV and XLSX.
class TfrmReportPreview : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmReportPreview(const TReportDocument& document, QWidget* parent = nullptr);
  ~TfrmReportPreview() override;

  TfraReportPreviewer* Previewer() const { return FPreviewer; }
  QListView* Thumbnails() const { return FThumbnails; }
  QAction* actSave = nullptr;

  // The save formats, PDF first: the registered ones of PDF, text, CSV, XLSX.
  static QStringList SaveDeviceNames();
  // Asks for a file and saves the report to it; errors are shown. Returns
  // whether a file was written.
  bool SaveAs();
  // Replaces the save dialog (tests, headless runs); empty restores it.
  static void SetSaveFileChooser(TSaveFileChooser chooser);

  // Shows the window maximised until it is closed.
  int exec() override;

 private:
  const TReportDocument& FDocument;
  TfraReportPreviewer* FPreviewer = nullptr;
  QListView* FThumbnails = nullptr;
  TPageThumbnailModel* FThumbnailModel = nullptr;
};

// Shows the report in the modal preview; returns whether it was printed.
bool PreviewReport(const TReportDocument& document, QWidget* parent = nullptr);
