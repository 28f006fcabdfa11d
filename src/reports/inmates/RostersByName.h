#pragma once

class TReportCatalogue;

// The "By Name" rosters of the Inmate Reports menu: short and long rosters
// of active and released bookings, the rosters with pictures for a booking
// range, and the roster of one day.
void RegisterInmatesRostersByNameHandlers(TReportCatalogue& catalogue);
