#pragma once

#include "reports/engine/ReportDocument.h"

#include <QString>

#include <vector>

// The texts of a page that are marked to be saved, in save order and grouped
// into the lines of a text file: the shared reading of the text and
// spreadsheet devices.

struct TSavedField {
  QString Text;  // memo text for memos, plain text for rich text
  TSaveInfo Save;
};

using TSavedLine = std::vector<TSavedField>;

// The sort key of a saved text: the report save number right-aligned in 13
// characters, then band, row, column and component save numbers in 10 each.
QString SaveOrderKey(const TSaveInfo& save);

// The page's savable texts sorted by SaveOrderKey; consecutive texts with the
// same report, band and row save numbers form one line. Empty when the page
// has nothing to save.
std::vector<TSavedLine> SavedTextLines(const TReportPage& page);
