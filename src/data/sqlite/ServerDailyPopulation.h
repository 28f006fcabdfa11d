#pragma once

struct TSqliteProcedureContext;

// kssp_UpdateDailyPopulation (FaciCode, StartDate, StopDate), called as
// "{:RETURN_VALUE = CALL Jail.dbo.kssp_UpdateDailyPopulation;1(:FaciCode,
// :StartDate, :StopDate)}"; the arguments are read in that order.
//
// Returns one row per day from StartDate's day to StopDate's day: Date
// (midnight), FaciCode, Completed (the day is over) and the day's average
// population of the facility, AverageMale, AverageFemale, AverageUnknown
// (sex neither "M" nor "F"), AverageJuvenile and AverageTotal (male +
// female + unknown). The average is over the day's time: an inmate held for
// half of the day counts one half; the sums are rounded to whole inmates.
// For today it covers the time up to now; later days are all 0. Reads
// active and released bookings alike (ServerCustody.h). Return value 0.
void KsspUpdateDailyPopulation(TSqliteProcedureContext& call);
