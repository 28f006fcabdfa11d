#pragma once

// The keys of the report families, one per file pair that builds a group of
// catalogue entries. A family registers its handlers under these keys' entries.
namespace ReportFamily {
inline constexpr char InmatesRostersByName[] = "inmates.rosters_by_name";
inline constexpr char InmatesRostersByDate[] = "inmates.rosters_by_date";
inline constexpr char InmatesReleaseDates[] = "inmates.release_dates";
inline constexpr char InmatesDormCellLists[] = "inmates.dorm_cell_lists";
inline constexpr char InmatesCounts[] = "inmates.counts";
inline constexpr char InmatesAbsences[] = "inmates.absences";
inline constexpr char InmatesSpecialRequirements[] = "inmates.special_requirements";
inline constexpr char InmatesOtherLists[] = "inmates.other_lists";
inline constexpr char OperationsJailLog[] = "operations.jail_log";
inline constexpr char OperationsVisitorLists[] = "operations.visitor_lists";
inline constexpr char OperationsMoves[] = "operations.moves";
inline constexpr char OperationsIncidents[] = "operations.incidents";
inline constexpr char OperationsCharges[] = "operations.charges";
inline constexpr char OperationsJuvenile[] = "operations.juvenile";
inline constexpr char OperationsSentenceRelease[] = "operations.sentence_release";
inline constexpr char OperationsProperty[] = "operations.property";
inline constexpr char OperationsConfigLists[] = "operations.config_lists";
inline constexpr char OperationsVisitorLogs[] = "operations.visitor_logs";
inline constexpr char OperationsCheckInOut[] = "operations.check_in_out";
inline constexpr char MedicalReports[] = "medical.reports";
inline constexpr char MedicalDispenseLog[] = "medical.dispense_log";
inline constexpr char StatsGenerators[] = "stats.generators";
inline constexpr char StatsTotals[] = "stats.totals";
inline constexpr char StatsCharts[] = "stats.charts";
inline constexpr char BillingJurisdiction[] = "billing.jurisdiction";
inline constexpr char BillingSsnScaap[] = "billing.ssn_scaap";
inline constexpr char BillingDocPopulation[] = "billing.doc_population";
inline constexpr char BillingAdpIncarceration[] = "billing.adp_incarceration";
}  // namespace ReportFamily
