#pragma once

#include "reports/framework/ReportCatalogue.h"

#include <vector>

// The standard catalogue: the eighteen drop-down buttons in window order, and
// every item of their menus in menu order. This is the one place where an
// entry is added.
std::vector<TReportCatalogueButton> StandardCatalogueButtons();
std::vector<TReportCatalogueEntry> StandardCatalogueEntries();
