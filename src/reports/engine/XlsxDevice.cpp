#include "reports/engine/XlsxDevice.h"

#include "reports/engine/SavedTextLines.h"

#include <xlsxwriter.h>

namespace {

// Owns the workbook so it is closed (and its memory freed) on every way out.
class TWorkbook {
 public:
  explicit TWorkbook(const QString& path) : FBook(workbook_new(path.toLocal8Bit().constData())) {}
  ~TWorkbook() {
    if (FBook) workbook_close(FBook);
  }
  TWorkbook(const TWorkbook&) = delete;
  TWorkbook& operator=(const TWorkbook&) = delete;

  lxw_workbook* Get() const { return FBook; }
  lxw_error Close() {
    const lxw_error result = workbook_close(FBook);
    FBook = nullptr;
    return result;
  }

 private:
  lxw_workbook* FBook;
};

}  // namespace

void TXlsxFileDevice::WriteFile(const TReportDocument& document, const QString& path) {
  TWorkbook book(path);
  if (!book.Get())
    throw FileWriteError(FileName(), QStringLiteral("the workbook could not be created"));
  lxw_worksheet* sheet = nullptr;
  lxw_row_t row = 0;
  for (const TReportPage& page : document.Pages) {
    if (Cancelled()) return;
    for (const TSavedLine& line : SavedTextLines(page)) {
      // A report longer than a worksheet goes on to the next one.
      if (!sheet || row >= LXW_ROW_MAX) {
        sheet = workbook_add_worksheet(book.Get(), nullptr);
        if (!sheet)
          throw FileWriteError(FileName(), QStringLiteral("a worksheet could not be added"));
        row = 0;
      }
      lxw_col_t column = 0;
      for (const TSavedField& field : line) {
        if (column >= LXW_COL_MAX) break;
        const lxw_error error =
            worksheet_write_string(sheet, row, column++, field.Text.toUtf8().constData(), nullptr);
        if (error != LXW_NO_ERROR)
          throw FileWriteError(FileName(), QString::fromUtf8(lxw_strerror(error)));
      }
      ++row;
    }
  }
  // An empty report still gives a workbook that opens.
  if (!sheet) workbook_add_worksheet(book.Get(), nullptr);
  const lxw_error error = book.Close();
  if (error != LXW_NO_ERROR)
    throw FileWriteError(FileName(), QString::fromUtf8(lxw_strerror(error)));
}
