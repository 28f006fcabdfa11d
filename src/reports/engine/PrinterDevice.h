#pragma once

#include "reports/engine/OutputDevice.h"

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// Which pages the user chose in a print dialog; page numbers from 1.
struct TPrintRangeChoice {
  enum TKind { prAllPages, prCurrentPage, prPageRange };
  TKind Kind = prAllPages;
  int FromPage = 1;
  int ToPage = 1;
};

// Shows the print dialog for a document of `pageCount` pages on `printer`
// with all pages preselected. Returns false when the user cancels.
bool ExecPrintDialog(QPrinter& printer, int pageCount, bool allowCurrentPage,
                     TPrintRangeChoice& choice, QWidget* parent);

// Whether the machine has a printer. Tests and headless runs may install
// their own answer; an empty function restores the real check.
bool PrinterInstalled();
void SetPrinterInstalledCheck(std::function<bool()> check);

// Prints the document's pages at their full size, in the orientation of each
// page, on the system printer or on any paged device put in its place.
class TPrinterDevice : public TOutputDevice {
 public:
  TPrinterDevice();
  ~TPrinterDevice() override;

  QString DeviceName() const override { return QStringLiteral("Printer"); }
  QString Description() const override { return QStringLiteral("Printer"); }

  QPrinter& Printer() { return *FPrinter; }
  // Prints onto this device instead of the printer (not owned; nullptr: the printer).
  void SetTarget(QPagedPaintDevice* target) { FTarget = target; }

  // Absolute page numbers from 1; 0 for either end means the document's end.
  void SetPageRange(int fromPage, int toPage);
  int FromPage() const { return FFromPage; }
  int ToPage() const { return FToPage; }

  // The print dialog for the document; sets the page range. False when cancelled.
  bool ShowPrintDialog(const TReportDocument& document, QWidget* parent);

  void Print(const TReportDocument& document) override;

 private:
  std::unique_ptr<QPrinter> FPrinter;
  QPagedPaintDevice* FTarget = nullptr;
  int FFromPage = 0;
  int FToPage = 0;
};
