#include "reports/engine/PrinterDevice.h"

#include "reports/engine/PagePainter.h"
#include "reports/engine/ReportSettingsStorage.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace {

const QString kPrinterSection = QStringLiteral("Printer");
const QString kPrinterNameKey = QStringLiteral("PrinterName");

std::function<bool()>& PrinterCheck() {
  static std::function<bool()> check;
  return check;
}

// Paper coordinates from the top-left corner of the sheet, whatever margins
// the device keeps.
void SetUpPage(QPagedPaintDevice& device, const TReportDocument& document,
               const TReportPage& page) {
  if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->setFullPage(true);
  device.setPageSize(document.PageSize);
  device.setPageOrientation(page.Orientation);
  device.setPageMargins(QMarginsF(0, 0, 0, 0));
}

void SetJobTitle(QPagedPaintDevice& device, const QString& title) {
  if (auto* printer = dynamic_cast<QPrinter*>(&device)) printer->setDocName(title);
  if (auto* writer = dynamic_cast<QPdfWriter*>(&device)) writer->setTitle(title);
}

}  // namespace

bool PrinterInstalled() {
  if (PrinterCheck()) return PrinterCheck()();
  return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void SetPrinterInstalledCheck(std::function<bool()> check) {
  PrinterCheck() = std::move(check);
}

bool ExecPrintDialog(QPrinter& printer, int pageCount, bool allowCurrentPage,
                     TPrintRangeChoice& choice, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintPageRange;
  if (allowCurrentPage)
    options |= QAbstractPrintDialog::PrintCurrentPage | QAbstractPrintDialog::PrintSelection;
  dialog.setOptions(options);
  dialog.setMinMax(1, std::max(1, pageCount));
  dialog.setFromTo(1, std::max(1, pageCount));
  dialog.setPrintRange(QAbstractPrintDialog::AllPages);
  if (dialog.exec() != QDialog::Accepted) return false;
  switch (dialog.printRange()) {
    case QAbstractPrintDialog::PageRange:
      choice.Kind = TPrintRangeChoice::prPageRange;
      choice.FromPage = dialog.fromPage();
      choice.ToPage = dialog.toPage();
      break;
    case QAbstractPrintDialog::CurrentPage:
    case QAbstractPrintDialog::Selection:
      choice.Kind = TPrintRangeChoice::prCurrentPage;
      break;
    case QAbstractPrintDialog::AllPages:
      choice.Kind = TPrintRangeChoice::prAllPages;
      break;
  }
  return true;
}

TPrinterDevice::TPrinterDevice() : FPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  const QString remembered =
      CurrentIniStorage().ReadString(kPrinterSection, kPrinterNameKey, QString());
  if (!remembered.isEmpty() && !QPrinterInfo::printerInfo(remembered).isNull())
    FPrinter->setPrinterName(remembered);
}

TPrinterDevice::~TPrinterDevice() = default;

void TPrinterDevice::SetPageRange(int fromPage, int toPage) {
  FFromPage = std::max(0, fromPage);
  FToPage = std::max(0, toPage);
}

bool TPrinterDevice::ShowPrintDialog(const TReportDocument& document, QWidget* parent) {
  TPrintRangeChoice choice;
  if (!ExecPrintDialog(*FPrinter, static_cast<int>(document.Pages.size()), false, choice, parent))
    return false;
  if (choice.Kind == TPrintRangeChoice::prPageRange)
    SetPageRange(choice.FromPage, choice.ToPage);
  else
    SetPageRange(0, 0);
  CurrentIniStorage().WriteString(kPrinterSection, kPrinterNameKey, FPrinter->printerName());
  return true;
}

void TPrinterDevice::Print(const TReportDocument& document) {
  ClearCancel();
  const int count = static_cast<int>(document.Pages.size());
  const int first = std::max(1, FFromPage);
  const int last = FToPage > 0 ? std::min(FToPage, count) : count;
  // Nothing to print starts no job, so no blank sheet comes out.
  if (first > last) return;

  QPagedPaintDevice& device = FTarget ? *FTarget : *FPrinter;
  SetJobTitle(device, document.Title.isEmpty() ? QStringLiteral("Report") : document.Title);
  SetUpPage(device, document, document.Pages[first - 1]);
  QPainter painter;
  if (!painter.begin(&device))
    throw EReportDeviceError(QStringLiteral("The printer could not be opened."));
  for (int number = first; number <= last; ++number) {
    if (Cancelled()) {
      if (&device == FPrinter.get()) FPrinter->abort();
      break;
    }
    const TReportPage& page = document.Pages[number - 1];
    if (number > first) {
      SetUpPage(device, document, page);
      device.newPage();
    }
    painter.save();
    const QRect paintRect = device.pageLayout().paintRectPixels(device.logicalDpiX());
    painter.translate(-paintRect.topLeft());
    PaintPage(painter, page, DeviceScale(device));
    painter.restore();
  }
  painter.end();
}
