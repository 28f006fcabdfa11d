#pragma once

class TReportCatalogue;

// The head count and inmate count entries of the inmate-reports menu.
void RegisterInmatesCountsHandlers(TReportCatalogue& catalogue);
