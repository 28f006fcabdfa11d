#pragma once

struct TSqliteProcedureContext;

// spks_jbDocSummary (RptBeginingDate, RptEndingDate, Agency, FacilityIds),
// called as "{:RETURN_VALUE = CALL JAIL.dbo.spks_jbDocSummary;1(
// :RptBeginingDate, :RptEndingDate, :Agency, :FacilityIds)}"; the
// arguments are read in that order.
//
// Rebuilds JBDOCSUMMARY, the state's monthly population return, for the
// days of the period (which lies within one month) and the facilities of
// FacilityIds, an XML list <Facilities><FaciCode>X</FaciCode>...</Facilities>
// (none listed: the Agency facility). The form has 50 lines in four
// sections: adult male 1-16, adult female 17-32, juvenile male 33-41 and
// juvenile female 42-50 (sex "F" is female, anything else male); each
// adult section has a felony block of 5 lines, a misdemeanor block of 5 and
// an "other" block of 6, each juvenile section a felony block of 4 and a
// misdemeanor block of 5. A block's lines take the case statuses of its
// level type (CFGCASST.CASE_LEVEL_TYPE 1 felony, 2 misdemeanor, others
// other) in order of LEVEL; when there are more statuses than lines, the
// last line counts the rest as "ALL OTHER FELONY" or "ALL OTHER
// MISDEMEANOR". The last line of an adult "other" block is always "ALL
// OTHER": it also counts inmates whose status is not configured or who have
// no case. Juveniles held only on "other" statuses are not on the form.
//
// Day N of a line counts the inmates on that day of the month whose most
// serious status (the smallest LEVEL of their cases) is the line's. A day
// is taken from the daily snapshots of JBDOCTOTALS where the collection
// service wrote any for that day, and otherwise from the bookings in
// custody at the start of the day. Every line is written, with
// StatusTotal the sum of its days and StatusAvg that over the period's
// days; when nobody is counted at all the table is left empty. Agency is
// written into every row. Return value 0.
void SpksJbDocSummary(TSqliteProcedureContext& call);
