#pragma once

class TReportCatalogue;

// The entries of the "Log Reports" button: the jail log by date/time, log
// code, officer and inmate, for the facility or a dorm range, and the
// supervisor log.
void RegisterOperationsJailLogHandlers(TReportCatalogue& catalogue);
