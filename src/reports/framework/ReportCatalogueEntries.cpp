#include "reports/framework/ReportCatalogueEntries.h"

#include "reports/framework/ReportFamilies.h"

#include <array>

namespace {
namespace F = ReportFamily;

enum TKind { kClick, kAction };
enum TVisibility { kShown, kHidden };
// The two entries of the disabled "By Facility" menu have no report behind them.
constexpr const char* kNeverOffered = "";

// The deepest item sits five captions below its button.
constexpr int kMaxDepth = 5;

struct TRow {
  const char* Button;
  std::array<const char*, kMaxDepth> Path;  // unused levels are null
  const char* Item;
  const char* Handler;
  TKind Kind;
  TVisibility Visibility;
  const char* Family;
};

// Captions are kept exactly as the menus read, misspellings, unbalanced
// brackets and trailing blanks included: users and the transaction log know
// the entries by them.
// clang-format off
const TRow kRows[] = {
    // Inmate Reports
    {"InmateReports", {"By Release Date", "Short"}, "ShortRpt", "ShortRptClick", kClick, kShown, F::InmatesReleaseDates},
    {"InmateReports", {"By Release Date", "Long with Cases/Charges"}, "LongRpt", "LongRptClick", kClick, kShown, F::InmatesReleaseDates},
    {"InmateReports", {"By Release Date Grouped by Jurisdiction", "Short"}, "ByReleaseDateGroupedbyJurisdictionShort", "ByReleaseDateGroupedbyJurisdictionShortClick", kClick, kShown, F::InmatesReleaseDates},
    {"InmateReports", {"By Release Date Grouped by Jurisdiction", "Long with Cases/Charges"}, "ByReleaseDateGroupedbyJurisdictionLong", "ByReleaseDateGroupedbyJurisdictionLongClick", kClick, kShown, F::InmatesReleaseDates},
    {"InmateReports", {"By Name", "Active", "Short"}, "Short6", "ShortReport1Click", kClick, kShown, F::InmatesRostersByName},
    {"InmateReports", {"By Name", "Active", "Long (with Case/Charges)"}, "LongwithCaseCharges1", "LongReport1Click", kClick, kShown, F::InmatesRostersByName},
    {"InmateReports", {"By Name", "Active", "Specity Date/Time Range with Picture"}, "SpecityDateTimeRangewithPicture2", "SpecifyDateTimeRange1Click", kClick, kShown, F::InmatesRostersByName},
    {"InmateReports", {"By Name", "Inactive", "Short"}, "Short5", "ShortReportInactiveClick", kClick, kShown, F::InmatesRostersByName},
    {"InmateReports", {"By Name", "Inactive", "Long (with Case/Charges)"}, "LongWith1", "LongReportInactiveClick", kClick, kShown, F::InmatesRostersByName},
    {"InmateReports", {"By Name", "Inactive", "Specify Date/Time Range with Picture"}, "SpecityDateTimeRangewithPicture1", "SpecifyInactiveDateTimeRange1Click", kClick, kShown, F::InmatesRostersByName},
    {"InmateReports", {"By Name", "Roster for Specific Date"}, "mniRosterForSpecificDate", "mniRosterForSpecificDateClick", kClick, kShown, F::InmatesRostersByName},
    {"InmateReports", {"<<By Facility (disabled)>>", "Active"}, "Active1", "FacilityActClick", kClick, kHidden, kNeverOffered},
    {"InmateReports", {"<<By Facility (disabled)>>", "Inactive"}, "Released1", "FacilityRelClick", kClick, kHidden, kNeverOffered},
    {"InmateReports", {"By BookDate", "Active", "Short"}, "ActiveShort2", "BookDateActClick", kClick, kShown, F::InmatesRostersByDate},
    {"InmateReports", {"By BookDate", "Active", "Long (with Cases/Charges)"}, "ActiveLong2", "LongWithChargesClick", kClick, kShown, F::InmatesRostersByDate},
    {"InmateReports", {"By BookDate", "Inactive", "Short"}, "InactiveShort3", "BookDateRelClick", kClick, kShown, F::InmatesRostersByDate},
    {"InmateReports", {"By BookDate", "Inactive", "Long (with Cases/Charges)"}, "InactiveLongwithCharges2", "LongWithChargesClick", kClick, kShown, F::InmatesRostersByDate},
    {"InmateReports", {"By BookDate", "Both", "Short"}, "mniRosterByBookDateShort_Both", "mniRosterByBookDateShort_BothClick", kClick, kShown, F::InmatesRostersByDate},
    {"InmateReports", {"By BookDate", "Both", "Long (with Cases/Charges)"}, "BothLongwithCharges", "LongWithChargesClick", kClick, kShown, F::InmatesRostersByDate},
    {"InmateReports", {"By Dorm", "With Cell Grouping", "Active"}, "ActDormWithCellGrouping", "ActDormWithCellGroupingClick", kClick, kShown, F::InmatesDormCellLists},
    {"InmateReports", {"By Dorm", "With Cell Grouping", "Active with Pictures"}, "ActivewithPictures1", "ActivewithPictures1Click", kClick, kShown, F::InmatesDormCellLists},
    {"InmateReports", {"By Dorm", "With Cell Grouping", "Inactive"}, "InactiveDormWithCellGrouping", "InactiveDormWithCellGroupingClick", kClick, kShown, F::InmatesDormCellLists},
    {"InmateReports", {"By Dorm", "Without Cell Grouping", "Active"}, "ActiveDormWithoutCellGrouping", "ActiveDormWithoutCellGroupingClick", kClick, kShown, F::InmatesDormCellLists},
    {"InmateReports", {"By Dorm", "Without Cell Grouping", "Inactive"}, "InactiveDormWithoutCellGrouping", "InactiveDormWithoutCellGroupingClick", kClick, kShown, F::InmatesDormCellLists},
    {"InmateReports", {"By Cell", "Active", "Specify Cell Range", "Without Picture", "By Alpha"}, "ByAlpha2", "ByAlpha2Click", kClick, kShown, F::InmatesDormCellLists},
    {"InmateReports", {"By Cell", "Active", "Specify Cell Range", "Without Picture", "By Bed"}, "ByBed2", "ByBed2Click", kClick, kShown, F::InmatesDormCellLists},
    {"InmateReports", {"By Cell", "Active", "Specify Cell Range", "With Picture", "By Alpha"}, "ByAlphaWithPic", "ByAlphaWithPicClick", kClick, kShown, F::InmatesDormCellLists},
    {"InmateReports", {"By Cell", "Active", "Specify Cell Range", "With Picture", "By Bed"}, "ByBedwithPic", "ByBedwithPicClick", kClick, kShown, F::InmatesDormCellLists},
    {"InmateReports", {"By Arrest Date", "Active", "Short"}, "ActiveArrestDateShort", "ActiveArrestDateShortClick", kClick, kShown, F::InmatesRostersByDate},
    {"InmateReports", {"By Arrest Date", "Active", "Long (with Case/Charges"}, "ActiveArrestDateLong", "ActiveArrestDateLongClick", kClick, kShown, F::InmatesRostersByDate},
    {"InmateReports", {"By Arrest Date", "Inactive", "Short"}, "InactArrestDateShor1", "InactArrestDateShor1Click", kClick, kShown, F::InmatesRostersByDate},
    {"InmateReports", {"By Arrest Date", "Inactive", "Long (with Cases/Charges)"}, "InactArrestDateLong", "InactArrestDateLongClick", kClick, kShown, F::InmatesRostersByDate},
    {"InmateReports", {"ID Labels"}, "IDLabels1", "IDLabels1Click", kClick, kShown, F::InmatesOtherLists},
    {"InmateReports", {"Keep From"}, "KeepFrom2", "InmatesKeepFromList1Click", kClick, kShown, F::InmatesOtherLists},
    {"InmateReports", {"First Appearance"}, "FirstAppearance2", "InmateFirstAppereance1Click", kClick, kShown, F::OperationsMoves},
    {"InmateReports", {"To Be Released", "Based On Case End Time", "Short"}, "Short3", "FutureInmatesToBeRelease1Click", kClick, kShown, F::InmatesReleaseDates},
    {"InmateReports", {"To Be Released", "Based On Case End Time", "Long (Cases + Pictures)"}, "LongCasesPictures1", "ToBeReleasedLongClick", kClick, kShown, F::InmatesReleaseDates},
    {"InmateReports", {"To Be Released", "Based On Case Estimated End Time", "Short"}, "Short1", "Short2Click", kClick, kShown, F::InmatesReleaseDates},
    {"InmateReports", {"To Be Released", "Based On Case Estimated End Time", "Long (Case + Pictures)"}, "LongCasePictures2", "LongCasePictures1Click", kClick, kShown, F::InmatesReleaseDates},
    {"InmateReports", {"Work Release"}, "WorkRelease2", "WorkRelease1Click", kClick, kShown, F::InmatesOtherLists},
    {"InmateReports", {"Inmate Workers"}, "InmateWorkers2", "InmateWorkers1Click", kClick, kShown, F::InmatesOtherLists},
    {"InmateReports", {"On Hold"}, "OnHold2", "InmatesOnHoldReport1Click", kClick, kShown, F::InmatesOtherLists},
    {"InmateReports", {"Head Count", "As of Now"}, "AsofNow1", "HCAsofNowClick", kClick, kShown, F::InmatesCounts},
    {"InmateReports", {"Head Count", "Specify Date Range"}, "SpecifyDateRange1", "HCSpecifyDateClick", kClick, kShown, F::InmatesCounts},
    {"InmateReports", {"Inmate Count", "Range of Date/Time", "Active"}, "Active17", "Active4Click", kClick, kShown, F::InmatesCounts},
    {"InmateReports", {"Inmate Count", "Range of Date/Time", "Inactive"}, "Inactive11", "Inactive1Click", kClick, kShown, F::InmatesCounts},
    {"InmateReports", {"Inmate Count", "Range of Date/Time", "Both (Active/Inactive)"}, "BothActiveInactive3", "BothActiveInactive1Click", kClick, kShown, F::InmatesCounts},
    {"InmateReports", {"Inmate Count", "As of Date/Time", "Active"}, "Active12", "ActAsOfInmateCountClick", kClick, kShown, F::InmatesCounts},
    {"InmateReports", {"Inmate Count", "As of Date/Time", "Inactive"}, "Inactive2", "InactAsOfInmateCountClick", kClick, kShown, F::InmatesCounts},
    {"InmateReports", {"Inmate Count", "As of Date/Time", "Both (Active/Inactive)"}, "BothActiveInactive2", "AsOfBothInmateCountClick", kClick, kShown, F::InmatesCounts},
    {"InmateReports", {"Absence Reports", "Weekenders"}, "Weekenders1", "Weekenders1Click", kClick, kShown, F::InmatesAbsences},
    {"InmateReports", {"Absence Reports", "Straight Timers"}, "StraightTimers1", "StraightTimers1Click", kClick, kShown, F::InmatesAbsences},
    {"InmateReports", {"Absence Reports", "All"}, "All2", "All2Click", kClick, kShown, F::InmatesAbsences},
    {"InmateReports", {"Weekenders", "Active"}, "ActiveWeekenders", "ActiveWeekendersClick", kClick, kShown, F::InmatesAbsences},
    {"InmateReports", {"Weekenders", "Inactive"}, "InactiveWeekenders", "InactiveWeekendersClick", kClick, kShown, F::InmatesAbsences},
    {"InmateReports", {"Weekenders", "Both"}, "Both1", "Both1Click", kClick, kShown, F::InmatesAbsences},
    {"InmateReports", {"SpecialRequirements", "By Requirement"}, "ByRequirement1", "ByRequirement1Click", kClick, kShown, F::InmatesSpecialRequirements},
    {"InmateReports", {"SpecialRequirements", "By Inmate"}, "ByInmate1", "ByInmate1Click", kClick, kShown, F::InmatesSpecialRequirements},
    {"InmateReports", {"SpecialRequirements", "By Dorm"}, "mniByDorm", "mniByDormClick", kClick, kShown, F::InmatesSpecialRequirements},

    // Misc Reports
    {"MiscReports", {"Sentenced"}, "Sentenced1", "SentencedInmatesReport1Click", kClick, kShown, F::OperationsSentenceRelease},
    {"MiscReports", {"[X] Days Reclassification"}, "mmXDaysReclassification1", "actXDaysReclass", kAction, kShown, F::OperationsSentenceRelease},
    {"MiscReports", {"State DOC Statistics", "As of Now"}, "DOCAsofNow", "DOCAsofNowClick", kClick, kHidden, F::StatsTotals},
    {"MiscReports", {"State DOC Statistics", "Specify Date Range"}, "DOC1", "actDOC", kAction, kHidden, F::StatsTotals},
    {"MiscReports", {"State DOC Statistics", "Florida DOC Population Report", "Report"}, "Report1", "Report1Click", kClick, kShown, F::BillingDocPopulation},
    {"MiscReports", {"State DOC Statistics", "Florida DOC Population Report", "Text"}, "Text1", "Text1Click", kClick, kShown, F::BillingDocPopulation},
    {"MiscReports", {"State DOC Statistics", "Florida DOC Population Report", "CSV"}, "miCSV", "miCSVClick", kClick, kShown, F::BillingDocPopulation},
    {"MiscReports", {"State DOC Statistics", "Florida DOC Population Report", "PDF"}, "miPDF", "miPDFClick", kClick, kShown, F::BillingDocPopulation},
    {"MiscReports", {"Released", "Short"}, "S1", "btnRelShortClick", kClick, kShown, F::OperationsSentenceRelease},
    {"MiscReports", {"Released", "Long (with Cases/Charges)"}, "LongwithCharges1", "btnRelLongClick", kClick, kShown, F::OperationsSentenceRelease},
    {"MiscReports", {"Media Report"}, "MediaReport1", "MediaReport1Click", kClick, kShown, F::OperationsSentenceRelease},
    {"MiscReports", {"Inmate Property", "Active", "By Book Date"}, "ByBookDate5", "ByBookDate5Click", kClick, kShown, F::OperationsProperty},
    {"MiscReports", {"Inmate Property", "Active", "By Received Date"}, "ByReceivedDate1", "ByReceivedDate1Click", kClick, kShown, F::OperationsProperty},
    {"MiscReports", {"Inmate Property", "Active", "Specific Inmate"}, "ActiveXXProperty", "ActiveXXPropertyClick", kClick, kShown, F::OperationsProperty},
    {"MiscReports", {"Inmate Property", "Inactive", "By Book Date"}, "ByBookDate4", "ByBookDate4Click", kClick, kShown, F::OperationsProperty},
    {"MiscReports", {"Inmate Property", "Inactive", "By Received Date"}, "ByReceiveDate1", "ByReceiveDate1Click", kClick, kShown, F::OperationsProperty},
    {"MiscReports", {"Inmate Property", "Inactive", "Specific Inmate"}, "InactiveXXProperty", "InactiveXXPropertyClick", kClick, kShown, F::OperationsProperty},
    {"MiscReports", {"Property Storage/Location ", "All Locations"}, "AllLocations1", "AllLocations1Click", kClick, kShown, F::OperationsProperty},
    {"MiscReports", {"Property Storage/Location ", "Location/Container range"}, "LocationContainerrange1", "LocationContainerrange1Click", kClick, kShown, F::OperationsProperty},
    {"MiscReports", {"Disciplinary", "Active"}, "DispActive", "ActXXDispciplinaryClick", kClick, kShown, F::OperationsProperty},
    {"MiscReports", {"Disciplinary", "Inactive"}, "DispInactive", "DispInactiveClick", kClick, kShown, F::OperationsProperty},
    {"MiscReports", {"Sentenced Inmates with DOC Cases"}, "SentencedInmateswithDOCCases1", "SentencedInmateswithDOCCases1Click", kClick, kShown, F::OperationsSentenceRelease},
    {"MiscReports", {"Inmates with Case Adjustments"}, "InmateswithCaseAdjustments1", "InmateswithCaseAdjustments1Click", kClick, kShown, F::OperationsSentenceRelease},
    {"MiscReports", {"Check-In/Out Logs", "Specific Date/Time Range of Check-In"}, "SpecificDateTimeRangeofCheckIn1", "SpecificDateTimeRangeofCheckIn1Click", kClick, kShown, F::OperationsCheckInOut},
    {"MiscReports", {"Check-In/Out Logs", "Specific Date/Time Range of Check-Out"}, "SpecificDateTimeRangeofCheckOut1", "SpecificDateTimeRangeofCheckOut1Click", kClick, kShown, F::OperationsCheckInOut},
    {"MiscReports", {"Check-In/Out Logs", "All"}, "All1", "All1Click", kClick, kShown, F::OperationsCheckInOut},
    {"MiscReports", {"Cell History"}, "miCellHistory", "miCellHistoryClick", kClick, kShown, F::OperationsCheckInOut},
    {"MiscReports", {"Checked Out"}, "CheckedOut1", "CheckedOut1Click", kClick, kShown, F::OperationsCheckInOut},
    {"MiscReports", {"Average Daily Population"}, "AverageDailyPopulation1", "AverageDailyPopulation1Click", kClick, kShown, F::BillingAdpIncarceration},
    {"MiscReports", {"Incarceration Report"}, "mniIncarcerationReport", "mniIncarcerationReportClick", kClick, kShown, F::BillingAdpIncarceration},

    // Billing Reports
    {"BillingReports", {"By Jurisdiction", "Active"}, "Active5", "OtherActive1Click", kClick, kShown, F::BillingJurisdiction},
    {"BillingReports", {"By Jurisdiction", "Inactive"}, "Released5", "OtherReleased1Click", kClick, kShown, F::BillingJurisdiction},
    {"BillingReports", {"By Jurisdiction", "Both"}, "JurisdicitionBillingBoth1", "JurisdicitionBillingBoth1Click", kClick, kShown, F::BillingJurisdiction},
    {"BillingReports", {"SSN", "Generate File (To submit to SSN Department)"}, "SSNActiveAndInactiveTextFile", "SSNActiveAndInactiveTextFile1Click", kClick, kShown, F::BillingSsnScaap},
    {"BillingReports", {"SSN", "Report"}, "SSNActiveReport", "SSNActReport1Click", kClick, kShown, F::BillingSsnScaap},
    {"BillingReports", {"SCAAP", "Text File"}, "TextFile5", "TextFile5Click", kClick, kShown, F::BillingSsnScaap},
    {"BillingReports", {"SCAAP", "Report"}, "Report5", "Report5Click", kClick, kShown, F::BillingSsnScaap},

    // Juvenile Reports
    {"JuvenileReports", {"Local"}, "Local1", "JuvenileReport2Click", kClick, kShown, F::OperationsJuvenile},
    {"JuvenileReports", {"Released ", "Short"}, "JuvRelShort", "JuvRelShortClick", kClick, kShown, F::OperationsSentenceRelease},
    {"JuvenileReports", {"Released ", "Long (with Cases/Charges)"}, "Long2", "Long2Click", kClick, kShown, F::OperationsSentenceRelease},
    {"JuvenileReports", {"Department Of Juvenile Justice", "Active", "Text File"}, "TextFile3", "DJJActivesClick", kClick, kShown, F::OperationsJuvenile},
    {"JuvenileReports", {"Department Of Juvenile Justice", "Active", "Report"}, "Report3", "DJJActReport3Click", kClick, kShown, F::OperationsJuvenile},
    {"JuvenileReports", {"Department Of Juvenile Justice", "Inactive", "Text File"}, "TextFile4", "DJJReleasedClick", kClick, kShown, F::OperationsJuvenile},
    {"JuvenileReports", {"Department Of Juvenile Justice", "Inactive", "Report"}, "Report4", "DJJRelReport3Click", kClick, kShown, F::OperationsJuvenile},
    {"JuvenileReports", {"Compliance Monitoring Reporting Form (Lgl Sz Frm Req)"}, "FloridaJJDPAComplianceMonitoringReportingForm1", "FloridaJJDPAComplianceMonitoringReportingForm1Click", kClick, kShown, F::OperationsJuvenile},

    // Reports with Charges
    {"ReportsCharges", {"Felony", "By Book Date", "Active"}, "Active8", "FelActive5Click", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"Felony", "By Book Date", "Inactive"}, "Released8", "FelRelease2Click", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"Felony", "By Arrest Date", "Active"}, "ActiveFelonybyArrestDate", "ActiveFelonybyArrestDateClick", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"Felony", "By Arrest Date", "Inactive"}, "InactiveFeleonyByArrestDate", "InactiveFeleonyByArrestDateClick", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"Misdemeanor", "By Book Date", "Active"}, "Active9", "MisdActive6Click", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"Misdemeanor", "By Book Date", "Inactive"}, "Released9", "MIsdRelease3Click", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"Misdemeanor", "By Arrest Date", "Active"}, "ActiveMisdByArrestDate", "ActiveMisdByArrestDateClick", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"Misdemeanor", "By Arrest Date", "Inactive"}, "InactiveMisdByArrestDate", "InactiveMisdByArrestDateClick", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"DUI", "By Book Date", "Active"}, "Active10", "DUIActiveClick", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"DUI", "By Book Date", "Inactive"}, "Released10", "DUIReleasedClick", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"DUI", "By Arrest Date", "Active"}, "ActiveDUIByArrestDate", "ActiveDUIByArrestDateClick", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"DUI", "By Arrest Date", "Inactive"}, "InactiveDUIByArrestDate", "InactiveDUIByArrestDateClick", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"Domestic Violence", "Active"}, "Active7", "DVactive4Click", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"Domestic Violence", "Inactive"}, "Released7", "DVRelease1Click", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"Inmates with Warrants"}, "InmateswithWarrants1", "WarrantReport1Click", kClick, kShown, F::OperationsCharges},
    {"ReportsCharges", {"Violation of Probation/Failure to Appear"}, "ViolationofProbationFailuretoAppear1", "ViolationofProbationFailuretoAppearReport1Click", kClick, kShown, F::OperationsCharges},

    // Visitor Lists
    {"VisitorLists", {"Active", "Order By", "Inmate"}, "ActiveByInmate1", "btnListActiveByInmateClick", kClick, kShown, F::OperationsVisitorLists},
    {"VisitorLists", {"Active", "Order By", "Dorm"}, "ActiveByDorm2", "btnListActiveByDormClick", kClick, kShown, F::OperationsVisitorLists},
    {"VisitorLists", {"Active", "Specify Dorm"}, "VisitorListSpecifyDorm", "VisitorListSpecifyDormClick", kClick, kShown, F::OperationsVisitorLists},
    {"VisitorLists", {"Inactive", "Order By", "Inmate"}, "InactiveByInmate", "InactiveByInmateClick", kClick, kShown, F::OperationsVisitorLists},
    {"VisitorLists", {"Inactive", "Order By", "Dorm"}, "InactiveByDorm", "InactiveByDormClick", kClick, kShown, F::OperationsVisitorLists},
    {"VisitorLists", {"Inactive", "Specify Dorm"}, "InactiveSpecifyDormRange1", "InactiveSpecifyDormRange1Click", kClick, kShown, F::OperationsVisitorLists},

    // Visitor Logs
    {"VisitorLogs", {"Active", "Specify Date/Time", "Order By", "Date/Time"}, "ActiveVisitLogDateTime", "btnActiveLogSpecificDateClick", kClick, kShown, F::OperationsVisitorLogs},
    {"VisitorLogs", {"Active", "Specify Date/Time", "Order By", "Visitor"}, "ActiveVisitLogbyVisitor", "ActiveVisitLogbyVisitorClick", kClick, kShown, F::OperationsVisitorLogs},
    {"VisitorLogs", {"Active", "Specify Date/Time", "Order By", "Inmate"}, "ActiveVisitLogbyInmate", "ActiveVisitLogbyInmateClick", kClick, kShown, F::OperationsVisitorLogs},
    {"VisitorLogs", {"Active", "Specify Date/Time", "Order By", "Dorm"}, "ActiveVisitLogDorm1", "ActiveVisitLogDorm1Click", kClick, kShown, F::OperationsVisitorLogs},
    {"VisitorLogs", {"Active", "Specify Dorm and Date/Time"}, "ActiveVisitLogSpecifyDormDate", "btnActiveLogSpecificDormClick", kClick, kShown, F::OperationsVisitorLogs},
    {"VisitorLogs", {"Inactive", "Specify Date/Time", "Order By", "Date/Time"}, "InactiveVisitLogDateTime", "InactiveLogBySpecificDateClick", kClick, kShown, F::OperationsVisitorLogs},
    {"VisitorLogs", {"Inactive", "Specify Date/Time", "Order By", "Visitor"}, "InactiveVisitLogByVisitor", "InactiveVisitLogByVisitorClick", kClick, kShown, F::OperationsVisitorLogs},
    {"VisitorLogs", {"Inactive", "Specify Date/Time", "Order By", "Inmate"}, "InactiveVisitLogbyInmate", "InactiveVisitLogbyInmateClick", kClick, kShown, F::OperationsVisitorLogs},
    {"VisitorLogs", {"Inactive", "Specify Date/Time", "Order By", "Dorm"}, "RelVisitLogDorm1", "RelVisitLogDorm1Click", kClick, kShown, F::OperationsVisitorLogs},
    {"VisitorLogs", {"Inactive", "Specify Dorm and Date/Time"}, "InactiveVisitLogSpecifyDormDateTime", "InactiveLogBySpecificDormDateClick", kClick, kShown, F::OperationsVisitorLogs},

    // Banned Visitor List
    {"BanVisitors", {"All Banned Visitors"}, "AllBanVistors", "AllBanVistorsClick", kClick, kShown, F::OperationsVisitorLists},
    {"BanVisitors", {"By Entry Date Range"}, "BannedByEntryDate", "BannedByEntryDateClick", kClick, kShown, F::OperationsVisitorLists},
    {"BanVisitors", {"By Expiration Date Range"}, "ByExpirationDate", "ByExpirationDateClick", kClick, kShown, F::OperationsVisitorLists},

    // Medical Reports
    {"VudoDorirav", {"Active", "Specify Date/Time", "Medical Visits", "All"}, "AllActMedVis", "AllActMedVisClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Active", "Specify Date/Time", "Medical Visits", "Select One"}, "ActSel1MedVis", "ActSel1MedVisClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Active", "Specify Date/Time", "Follow-Up Appointments", "Pending", "All"}, "PendMedAptAll", "PendMedAptAllClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Active", "Specify Date/Time", "Follow-Up Appointments", "Pending", "Select One"}, "ActPendMedApt1", "ActPendMedApt1Click", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Active", "Specify Date/Time", "Follow-Up Appointments", "Completed", "All"}, "CompletedMedAptAll", "CompletedMedAptAllClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Active", "Specify Date/Time", "Follow-Up Appointments", "Completed", "Select One"}, "ActCompleteMedApt", "ActCompleteMedAptClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Active", "Specify Date/Time", "Medical Services", "All"}, "AllActMedSvcs", "AllActMedSvcsClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Active", "Specify Date/Time", "Medical Services", "Select One"}, "Sel1ActMedSvcs", "Sel1ActMedSvcsClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Active", "Specify Date/Time", "Laboratory Services", "All"}, "AllActiveLabSvcs", "AllActiveLabSvcsClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Active", "Specify Date/Time", "Laboratory Services", "Select One"}, "Sel1ActiveLabSvcs", "Sel1ActiveLabSvcsClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Active", "Specify Date/Time", "Prescription Information", "All"}, "AllActPresInfo", "AllActPresInfoClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Active", "Specify Date/Time", "Prescription Information", "Select One"}, "Sel1ActPresInfo", "Sel1ActPresInfoClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Active", "Specify Date/Time", "Medication Dispense Log", "All"}, "AllActMedDispLog", "AllActMedDispLogClick", kClick, kShown, F::MedicalDispenseLog},
    {"VudoDorirav", {"Active", "Specify Date/Time", "Medication Dispense Log", "Select One"}, "Sel1ActMedDispLog", "Sel1ActMedDispLogClick", kClick, kShown, F::MedicalDispenseLog},
    {"VudoDorirav", {"Inactive", "Specify Date/Time", "Medical Visits", "All"}, "AllInactiveMedVis", "AllInactiveMedVisClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Inactive", "Specify Date/Time", "Medical Visits", "Select One"}, "InactSel1MedVis", "InactSel1MedVisClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Inactive", "Specify Date/Time", "Follow-Up Appointments", "All"}, "InactMedAptAll", "InactMedAptAllClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Inactive", "Specify Date/Time", "Follow-Up Appointments", "Select One"}, "InactCompletedMedApt", "InactCompletedMedAptClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Inactive", "Specify Date/Time", "Medical Services", "All"}, "AllInactMedSvcs", "AllInactMedSvcsClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Inactive", "Specify Date/Time", "Medical Services", "Select One"}, "Sel1InactMedSvcs", "Sel1InactMedSvcsClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Inactive", "Specify Date/Time", "Laboratory Services", "All"}, "AllInactiveLabSvcs", "AllInactiveLabSvcsClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Inactive", "Specify Date/Time", "Laboratory Services", "Select One"}, "Sel1InactiveLabSvcs", "Sel1InactiveLabSvcsClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Inactive", "Specify Date/Time", "Prescription Information", "All"}, "AllInactPresInfo", "AllInactPresInfoClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Inactive", "Specify Date/Time", "Prescription Information", "Select One"}, "Sel1InactPresInfo", "Sel1InactPresInfoClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Inactive", "Specify Date/Time", "Medication Dispense Log", "All"}, "AllInactMedDispLog", "AllInactMedDispLogClick", kClick, kShown, F::MedicalDispenseLog},
    {"VudoDorirav", {"Inactive", "Specify Date/Time", "Medication Dispense Log", "Select One"}, "Sel1InactMedDispLog", "Sel1InactMedDispLogClick", kClick, kShown, F::MedicalDispenseLog},
    {"VudoDorirav", {"Medical Screening Information", "Active", "All"}, "AllMedScreenActive", "AllMedScreenActiveClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Medical Screening Information", "Active", "Select One"}, "Sel1MedScreenActive", "Sel1MedScreenActiveClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Medical Screening Information", "Inactive", "All"}, "AllMedScreenInactive", "AllMedScreenInactiveClick", kClick, kShown, F::MedicalReports},
    {"VudoDorirav", {"Medical Screening Information", "Inactive", "Select One"}, "Sel1MedScreenInactive", "Sel1MedScreenInactiveClick", kClick, kShown, F::MedicalReports},

    // Incident Reports
    {"IncidentReports", {"Unapproved", "Ordered By Incident No", "All"}, "UnapprovedAll1", "UnapprovedAll1Click", kClick, kShown, F::OperationsIncidents},
    {"IncidentReports", {"Unapproved", "Ordered By Incident No", "Specify Date/Time"}, "UnapprovedSpecifyDateTime3", "UnapprovedSpecifyDateTime3Click", kClick, kShown, F::OperationsIncidents},
    {"IncidentReports", {"Approved", "Ordered By Incident No", "All"}, "ApprovedAll1", "ApprovedAll1Click", kClick, kShown, F::OperationsIncidents},
    {"IncidentReports", {"Approved", "Ordered By Incident No", "Specify Date/Time"}, "ApprovedSpecifyDateTime3", "ApprovedSpecifyDateTime3Click", kClick, kShown, F::OperationsIncidents},
    {"IncidentReports", {"Specify Date/Time"}, "SpecifyDate1", "btnIncideSpecDateClick", kClick, kShown, F::OperationsIncidents},

    // All Moves
    {"AllMoves", {"Active", "Specify", "Date/Time"}, "ActiveMoveByDate", "ActiveMoveByDateClick", kClick, kShown, F::OperationsMoves},
    {"AllMoves", {"Active", "Specify", "Date/Time and Destination"}, "ActiveMoveDateDest1", "ActiveMoveByDateDest", kClick, kShown, F::OperationsMoves},
    {"AllMoves", {"Active", "Unscheduled Moves"}, "UnscheduledMoves1", "UnscheduledMoves1Click", kClick, kShown, F::OperationsMoves},
    {"AllMoves", {"Inactive", "Specify", "Date/Time"}, "InactiveMoveDateDest", "InactiveMovebyDateClick", kClick, kShown, F::OperationsMoves},
    {"AllMoves", {"Inactive", "Specify", "Date/Time and Destination"}, "InactiveMoveDestDate1", "InactiveMovebyDestDateClick", kClick, kShown, F::OperationsMoves},

    // First Appearance
    {"FirstAppearance", {"Today's", "Order By Court"}, "TodaysFAByCourt", "btnFATodayCourtClick", kClick, kShown, F::OperationsMoves},
    {"FirstAppearance", {"Today's", "Order By Destination"}, "TodaysFAByDest", "TodaysFAByDestClick", kClick, kShown, F::OperationsMoves},
    {"FirstAppearance", {"Specify Date / Time", "Active", "Order By Court"}, "ActiveFADateByCourt1", "ActiveFADateByCourt", kClick, kShown, F::OperationsMoves},
    {"FirstAppearance", {"Specify Date / Time", "Active", "Order By Destination"}, "ActiveFADateByDestination", "ActiveFADateByDestClick", kClick, kShown, F::OperationsMoves},
    {"FirstAppearance", {"Specify Date / Time", "Inactive", "Order By Court"}, "InactiveFADateByCourt", "InactiveFADateByCourtClick", kClick, kShown, F::OperationsMoves},
    {"FirstAppearance", {"Specify Date / Time", "Inactive", "Order By Destination"}, "InactiveFADateByDestination", "InactiveFADateByDestClick", kClick, kShown, F::OperationsMoves},

    // Lists
    {"CFGLists", {"Medication"}, "Medication1", "btnCFGMedListClick", kClick, kShown, F::OperationsConfigLists},

    // Log Reports
    {"VereRir", {"Specify Date/Time", "Order By", "Date/Time"}, "SpecifyDateByDate", "btnSpecAllClick", kClick, kShown, F::OperationsJailLog},
    {"VereRir", {"Specify Date/Time", "Order By", "Log Code"}, "SpecifyDateByLogCode", "SpecifyDateByLogCodeClick", kClick, kShown, F::OperationsJailLog},
    {"VereRir", {"Specify Date/Time", "Order By", "Officer"}, "SpecifyDateByOfficer", "SpecifyDateByOfficerClick", kClick, kShown, F::OperationsJailLog},
    {"VereRir", {"Specify Date/Time", "Order By", "Inmate", "VereRir No"}, "JailLogNo1", "JailLogNo1Click", kClick, kShown, F::OperationsJailLog},
    {"VereRir", {"Specify Date/Time", "Order By", "Inmate", "Booking No"}, "SpecifyDateByBookNo", "SpecifyDateByBookNoClick", kClick, kShown, F::OperationsJailLog},
    {"VereRir", {"Specify Dorm and Date/Time", "Order By", "Date/Time"}, "DormDateByDate", "DormDateByDateClick", kClick, kShown, F::OperationsJailLog},
    {"VereRir", {"Specify Dorm and Date/Time", "Order By", "Log Code"}, "DormDateByLogCode", "DormDateByLogCodeClick", kClick, kShown, F::OperationsJailLog},
    {"VereRir", {"Specify Dorm and Date/Time", "Order By", "Officer"}, "SpecifyDormDateByOfficer", "SpecifyDormDateByOfficerClick", kClick, kShown, F::OperationsJailLog},
    {"VereRir", {"Specify Dorm and Date/Time", "Order By", "Inmate", "VereRir No "}, "SpecifyDormDateByJailLogNo", "SpecifyDormDateByJailLogNoClick", kClick, kShown, F::OperationsJailLog},
    {"VereRir", {"Specify Dorm and Date/Time", "Order By", "Inmate", "Booking No"}, "SpecifyDormDateByBookNo", "SpecifyDormDateByBookNoClick", kClick, kShown, F::OperationsJailLog},
    {"VereRir", {"Supervisor Log Report"}, "Sup1", "Sup1Click", kClick, kShown, F::OperationsJailLog},

    // Demographics
    {"Demographics", {"Age"}, "Age1", "btnAgeClick", kClick, kShown, F::StatsCharts},
    {"Demographics", {"Race"}, "Rac1", "btnRaceClick", kClick, kShown, F::StatsCharts},
    {"Demographics", {"Gender"}, "Gender1", "btnGenderClick", kClick, kShown, F::StatsCharts},

    // Felony
    {"FelonyDispositions", {"Active", "By Date/Time"}, "miFelony_Active_ByDateAndTime", "btnActFelByDateClick", kClick, kShown, F::StatsCharts},
    {"FelonyDispositions", {"Active", "Pretrial Inmates", "Group By Status"}, "miFelony_Active_Pretrial_GroupByStatus", "btnPretrialFelClick", kClick, kShown, F::StatsCharts},
    {"FelonyDispositions", {"Active", "Pretrial Inmates", "Group By Offense <disabled>"}, "miFelony_Active_Pretrial_GroupByOffense", "btnPretrialOffensesClick", kClick, kHidden, F::StatsCharts},
    {"FelonyDispositions", {"Active", "All Inmates", "Group By Status"}, "miFelony_Active_All_GroupByStatus", "btnAllFeloniesClick", kClick, kShown, F::StatsCharts},
    {"FelonyDispositions", {"Active", "All Inmates", "Group By Offense <disabled>"}, "miFelony_Active_All_GroupByOffense", "FelOffense1Click", kClick, kHidden, F::StatsCharts},
    {"FelonyDispositions", {"Inactive", "By Date/Time <disabled>"}, "miFelony_InActive_ByDateAndTime", "btnRelFelByDateClick", kClick, kHidden, F::StatsCharts},

    // Misdemeanor
    {"MisdemeanorDisposition", {"Active", "All Inmates", "Status"}, "miMisd_Active_All_GroupByStatus", "btnAllMisdClick", kClick, kShown, F::StatsCharts},
    {"MisdemeanorDisposition", {"Active", "All Inmates", "Offense <disabled>"}, "miMisd_Active_All_GroupByOffense", "miMisd_Active_All_GroupByOffenseClick", kClick, kHidden, F::StatsCharts},
    {"MisdemeanorDisposition", {"Active", "Pretrial Inmates", "Status"}, "miMisd_Active_Pretrial_GroupByStatus", "btnPretrialMisdClick", kClick, kShown, F::StatsCharts},
    {"MisdemeanorDisposition", {"Active", "Pretrial Inmates", "Offense <disabled>"}, "miMisd_Active_Pretrial_GroupByOffense", "miMisd_Active_Pretrial_GroupByOffenseClick", kClick, kHidden, F::StatsCharts},
    {"MisdemeanorDisposition", {"Active", "By Date/Time"}, "miMisd_Active_ByDateAndTime", "btnActMisdByDateClick", kClick, kShown, F::StatsCharts},
    {"MisdemeanorDisposition", {"Inactive <disabled>", "Specify Date/Time"}, "miMisd_Inactive_ByDateAndTime", "btnRelMisdByDateClick", kClick, kHidden, F::StatsCharts},

    // Misc Charts
    {"MiscCharts", {"Sentenced"}, "Sentenced2", "btnSentencedClick", kClick, kShown, F::StatsCharts},
    {"MiscCharts", {"Custody Status"}, "CustodyStatus1", "btnCustodyClick", kClick, kShown, F::StatsCharts},
    {"MiscCharts", {"Releases"}, "Releases1", "btnReleasesClick", kClick, kShown, F::StatsCharts},
    {"MiscCharts", {"Offenses", "All"}, "AllOffenses", "Offenses1Click", kClick, kShown, F::StatsCharts},
    {"MiscCharts", {"Offenses", "Pretrial"}, "PretrialOffenses", "PretrialOffensesClick", kClick, kShown, F::StatsCharts},
    {"MiscCharts", {"Average Length of Stay"}, "AverageLengthofStay1", "AverageLengthofStay1Click", kClick, kShown, F::StatsGenerators},
    {"MiscCharts", {"Average Daily Population Chart"}, "AverageDailyPopulationChart1", "AverageDailyPopulationChart1Click", kClick, kShown, F::StatsCharts},
};
// clang-format on
}  // namespace

std::vector<TReportCatalogueButton> StandardCatalogueButtons() {
  // Window order: group by group, each group's buttons top to bottom.
  return {
      {QStringLiteral("InmateReports"), QStringLiteral("Inmate Reports"),
       QStringLiteral("VedaVavi"), QStringLiteral("ppmInmateReports")},
      {QStringLiteral("MiscReports"), QStringLiteral("Misc Reports"), QStringLiteral("VedaVavi"),
       QStringLiteral("ppmMiscReports")},
      {QStringLiteral("BillingReports"), QStringLiteral("Billing Reports"),
       QStringLiteral("VedaVavi"), QStringLiteral("ppmBillingReports")},
      {QStringLiteral("JuvenileReports"), QStringLiteral("Juvenile Reports"),
       QStringLiteral("VedaVavi"), QStringLiteral("ppmJuvenileReports")},
      {QStringLiteral("ReportsCharges"), QStringLiteral("Reports with Charges"),
       QStringLiteral("VedaVavi"), QStringLiteral("ppmReportsCharges")},
      {QStringLiteral("CFGLists"), QStringLiteral("Lists"), QStringLiteral("VeviZAV"),
       QStringLiteral("ppmCFGLists")},
      {QStringLiteral("AllMoves"), QStringLiteral("All Moves"), QStringLiteral("ZeroRedi"),
       QStringLiteral("ppmAllMoves")},
      {QStringLiteral("FirstAppearance"), QStringLiteral("First Appearance"),
       QStringLiteral("ZeroRedi"), QStringLiteral("ppmFirstAppearance")},
      {QStringLiteral("Demographics"), QStringLiteral("Demographics"), QStringLiteral("RaziVorova"),
       QStringLiteral("ppmChartDemographics")},
      {QStringLiteral("FelonyDispositions"), QStringLiteral("Felony"), QStringLiteral("RaziVorova"),
       QStringLiteral("ppmChartFelonyDispo")},
      {QStringLiteral("MisdemeanorDisposition"), QStringLiteral("Misdemeanor"),
       QStringLiteral("RaziVorova"), QStringLiteral("ppmChartMisdemDispo")},
      {QStringLiteral("MiscCharts"), QStringLiteral("Misc Charts"), QStringLiteral("RaziVorova"),
       QStringLiteral("ppmChartMisc")},
      {QStringLiteral("VereRir"), QStringLiteral("Log Reports"), QStringLiteral("VereRir"),
       QStringLiteral("ppmJailLog")},
      {QStringLiteral("IncidentReports"), QStringLiteral("Incident Reports"),
       QStringLiteral("ZedoRidizuza"), QStringLiteral("ppmJailIncident")},
      {QStringLiteral("VisitorLists"), QStringLiteral("Visitor Lists"), QStringLiteral("DadoZezov"),
       QStringLiteral("ppmVisitorLists")},
      {QStringLiteral("VisitorLogs"), QStringLiteral("Visitor Logs"), QStringLiteral("DadoZezov"),
       QStringLiteral("ppmVisitorLogs")},
      {QStringLiteral("BanVisitors"), QStringLiteral("Banned Visitor List"),
       QStringLiteral("DadoZezov"), QStringLiteral("ppmBannedVistors")},
      {QStringLiteral("VudoDorirav"), QStringLiteral("Medical Reports"),
       QStringLiteral("VudoDorirav"), QStringLiteral("ppmJailMedical")},
  };
}

std::vector<TReportCatalogueEntry> StandardCatalogueEntries() {
  std::vector<TReportCatalogueEntry> entries;
  entries.reserve(std::size(kRows));
  for (const TRow& row : kRows) {
    TReportCatalogueEntry entry;
    entry.ButtonName = QString::fromLatin1(row.Button);
    for (const char* caption : row.Path)
      if (caption) entry.Path << QString::fromLatin1(caption);
    entry.ItemName = QString::fromLatin1(row.Item);
    entry.HandlerName = QString::fromLatin1(row.Handler);
    entry.IsAction = row.Kind == kAction;
    entry.Shown = row.Visibility == kShown;
    entry.Family = QString::fromLatin1(row.Family);
    entries.push_back(std::move(entry));
  }
  return entries;
}
