#include "reports/framework/ReportCatalogue.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {
// The catalogue as the window's menus read: menu path (button caption first,
// " > " between captions), item, handler ("action " before an action's name),
// shown or hidden, and the family that builds the report.
// clang-format off
const char* const kExpectedCatalogue[] = {
    "Inmate Reports > By Release Date > Short | ShortRpt | ShortRptClick | yes | inmates.release_dates",
    "Inmate Reports > By Release Date > Long with Cases/Charges | LongRpt | LongRptClick | yes | inmates.release_dates",
    "Inmate Reports > By Release Date Grouped by Jurisdiction > Short | ByReleaseDateGroupedbyJurisdictionShort | ByReleaseDateGroupedbyJurisdictionShortClick | yes | inmates.release_dates",
    "Inmate Reports > By Release Date Grouped by Jurisdiction > Long with Cases/Charges | ByReleaseDateGroupedbyJurisdictionLong | ByReleaseDateGroupedbyJurisdictionLongClick | yes | inmates.release_dates",
    "Inmate Reports > By Name > Active > Short | Short6 | ShortReport1Click | yes | inmates.rosters_by_name",
    "Inmate Reports > By Name > Active > Long (with Case/Charges) | LongwithCaseCharges1 | LongReport1Click | yes | inmates.rosters_by_name",
    "Inmate Reports > By Name > Active > Specity Date/Time Range with Picture | SpecityDateTimeRangewithPicture2 | SpecifyDateTimeRange1Click | yes | inmates.rosters_by_name",
    "Inmate Reports > By Name > Inactive > Short | Short5 | ShortReportInactiveClick | yes | inmates.rosters_by_name",
    "Inmate Reports > By Name > Inactive > Long (with Case/Charges) | LongWith1 | LongReportInactiveClick | yes | inmates.rosters_by_name",
    "Inmate Reports > By Name > Inactive > Specify Date/Time Range with Picture | SpecityDateTimeRangewithPicture1 | SpecifyInactiveDateTimeRange1Click | yes | inmates.rosters_by_name",
    "Inmate Reports > By Name > Roster for Specific Date | mniRosterForSpecificDate | mniRosterForSpecificDateClick | yes | inmates.rosters_by_name",
    "Inmate Reports > <<By Facility (disabled)>> > Active | Active1 | FacilityActClick | hidden | none",
    "Inmate Reports > <<By Facility (disabled)>> > Inactive | Released1 | FacilityRelClick | hidden | none",
    "Inmate Reports > By BookDate > Active > Short | ActiveShort2 | BookDateActClick | yes | inmates.rosters_by_date",
    "Inmate Reports > By BookDate > Active > Long (with Cases/Charges) | ActiveLong2 | LongWithChargesClick | yes | inmates.rosters_by_date",
    "Inmate Reports > By BookDate > Inactive > Short | InactiveShort3 | BookDateRelClick | yes | inmates.rosters_by_date",
    "Inmate Reports > By BookDate > Inactive > Long (with Cases/Charges) | InactiveLongwithCharges2 | LongWithChargesClick | yes | inmates.rosters_by_date",
    "Inmate Reports > By BookDate > Both > Short | mniRosterByBookDateShort_Both | mniRosterByBookDateShort_BothClick | yes | inmates.rosters_by_date",
    "Inmate Reports > By BookDate > Both > Long (with Cases/Charges) | BothLongwithCharges | LongWithChargesClick | yes | inmates.rosters_by_date",
    "Inmate Reports > By Dorm > With Cell Grouping > Active | ActDormWithCellGrouping | ActDormWithCellGroupingClick | yes | inmates.dorm_cell_lists",
    "Inmate Reports > By Dorm > With Cell Grouping > Active with Pictures | ActivewithPictures1 | ActivewithPictures1Click | yes | inmates.dorm_cell_lists",
    "Inmate Reports > By Dorm > With Cell Grouping > Inactive | InactiveDormWithCellGrouping | InactiveDormWithCellGroupingClick | yes | inmates.dorm_cell_lists",
    "Inmate Reports > By Dorm > Without Cell Grouping > Active | ActiveDormWithoutCellGrouping | ActiveDormWithoutCellGroupingClick | yes | inmates.dorm_cell_lists",
    "Inmate Reports > By Dorm > Without Cell Grouping > Inactive | InactiveDormWithoutCellGrouping | InactiveDormWithoutCellGroupingClick | yes | inmates.dorm_cell_lists",
    "Inmate Reports > By Cell > Active > Specify Cell Range > Without Picture > By Alpha | ByAlpha2 | ByAlpha2Click | yes | inmates.dorm_cell_lists",
    "Inmate Reports > By Cell > Active > Specify Cell Range > Without Picture > By Bed | ByBed2 | ByBed2Click | yes | inmates.dorm_cell_lists",
    "Inmate Reports > By Cell > Active > Specify Cell Range > With Picture > By Alpha | ByAlphaWithPic | ByAlphaWithPicClick | yes | inmates.dorm_cell_lists",
    "Inmate Reports > By Cell > Active > Specify Cell Range > With Picture > By Bed | ByBedwithPic | ByBedwithPicClick | yes | inmates.dorm_cell_lists",
    "Inmate Reports > By Arrest Date > Active > Short | ActiveArrestDateShort | ActiveArrestDateShortClick | yes | inmates.rosters_by_date",
    "Inmate Reports > By Arrest Date > Active > Long (with Case/Charges | ActiveArrestDateLong | ActiveArrestDateLongClick | yes | inmates.rosters_by_date",
    "Inmate Reports > By Arrest Date > Inactive > Short | InactArrestDateShor1 | InactArrestDateShor1Click | yes | inmates.rosters_by_date",
    "Inmate Reports > By Arrest Date > Inactive > Long (with Cases/Charges) | InactArrestDateLong | InactArrestDateLongClick | yes | inmates.rosters_by_date",
    "Inmate Reports > ID Labels | IDLabels1 | IDLabels1Click | yes | inmates.other_lists",
    "Inmate Reports > Keep From | KeepFrom2 | InmatesKeepFromList1Click | yes | inmates.other_lists",
    "Inmate Reports > First Appearance | FirstAppearance2 | InmateFirstAppereance1Click | yes | operations.moves",
    "Inmate Reports > To Be Released > Based On Case End Time > Short | Short3 | FutureInmatesToBeRelease1Click | yes | inmates.release_dates",
    "Inmate Reports > To Be Released > Based On Case End Time > Long (Cases + Pictures) | LongCasesPictures1 | ToBeReleasedLongClick | yes | inmates.release_dates",
    "Inmate Reports > To Be Released > Based On Case Estimated End Time > Short | Short1 | Short2Click | yes | inmates.release_dates",
    "Inmate Reports > To Be Released > Based On Case Estimated End Time > Long (Case + Pictures) | LongCasePictures2 | LongCasePictures1Click | yes | inmates.release_dates",
    "Inmate Reports > Work Release | WorkRelease2 | WorkRelease1Click | yes | inmates.other_lists",
    "Inmate Reports > Inmate Workers | InmateWorkers2 | InmateWorkers1Click | yes | inmates.other_lists",
    "Inmate Reports > On Hold | OnHold2 | InmatesOnHoldReport1Click | yes | inmates.other_lists",
    "Inmate Reports > Head Count > As of Now | AsofNow1 | HCAsofNowClick | yes | inmates.counts",
    "Inmate Reports > Head Count > Specify Date Range | SpecifyDateRange1 | HCSpecifyDateClick | yes | inmates.counts",
    "Inmate Reports > Inmate Count > Range of Date/Time > Active | Active17 | Active4Click | yes | inmates.counts",
    "Inmate Reports > Inmate Count > Range of Date/Time > Inactive | Inactive11 | Inactive1Click | yes | inmates.counts",
    "Inmate Reports > Inmate Count > Range of Date/Time > Both (Active/Inactive) | BothActiveInactive3 | BothActiveInactive1Click | yes | inmates.counts",
    "Inmate Reports > Inmate Count > As of Date/Time > Active | Active12 | ActAsOfInmateCountClick | yes | inmates.counts",
    "Inmate Reports > Inmate Count > As of Date/Time > Inactive | Inactive2 | InactAsOfInmateCountClick | yes | inmates.counts",
    "Inmate Reports > Inmate Count > As of Date/Time > Both (Active/Inactive) | BothActiveInactive2 | AsOfBothInmateCountClick | yes | inmates.counts",
    "Inmate Reports > Absence Reports > Weekenders | Weekenders1 | Weekenders1Click | yes | inmates.absences",
    "Inmate Reports > Absence Reports > Straight Timers | StraightTimers1 | StraightTimers1Click | yes | inmates.absences",
    "Inmate Reports > Absence Reports > All | All2 | All2Click | yes | inmates.absences",
    "Inmate Reports > Weekenders > Active | ActiveWeekenders | ActiveWeekendersClick | yes | inmates.absences",
    "Inmate Reports > Weekenders > Inactive | InactiveWeekenders | InactiveWeekendersClick | yes | inmates.absences",
    "Inmate Reports > Weekenders > Both | Both1 | Both1Click | yes | inmates.absences",
    "Inmate Reports > SpecialRequirements > By Requirement | ByRequirement1 | ByRequirement1Click | yes | inmates.special_requirements",
    "Inmate Reports > SpecialRequirements > By Inmate | ByInmate1 | ByInmate1Click | yes | inmates.special_requirements",
    "Inmate Reports > SpecialRequirements > By Dorm | mniByDorm | mniByDormClick | yes | inmates.special_requirements",
    "Misc Reports > Sentenced | Sentenced1 | SentencedInmatesReport1Click | yes | operations.sentence_release",
    "Misc Reports > [X] Days Reclassification | mmXDaysReclassification1 | action actXDaysReclass | yes | operations.sentence_release",
    "Misc Reports > State DOC Statistics > As of Now | DOCAsofNow | DOCAsofNowClick | hidden | stats.totals",
    "Misc Reports > State DOC Statistics > Specify Date Range | DOC1 | action actDOC | hidden | stats.totals",
    "Misc Reports > State DOC Statistics > Florida DOC Population Report > Report | Report1 | Report1Click | yes | billing.doc_population",
    "Misc Reports > State DOC Statistics > Florida DOC Population Report > Text | Text1 | Text1Click | yes | billing.doc_population",
    "Misc Reports > State DOC Statistics > Florida DOC Population Report > CSV | miCSV | miCSVClick | yes | billing.doc_population",
    "Misc Reports > State DOC Statistics > Florida DOC Population Report > PDF | miPDF | miPDFClick | yes | billing.doc_population",
    "Misc Reports > Released > Short | S1 | btnRelShortClick | yes | operations.sentence_release",
    "Misc Reports > Released > Long (with Cases/Charges) | LongwithCharges1 | btnRelLongClick | yes | operations.sentence_release",
    "Misc Reports > Media Report | MediaReport1 | MediaReport1Click | yes | operations.sentence_release",
    "Misc Reports > Inmate Property > Active > By Book Date | ByBookDate5 | ByBookDate5Click | yes | operations.property",
    "Misc Reports > Inmate Property > Active > By Received Date | ByReceivedDate1 | ByReceivedDate1Click | yes | operations.property",
    "Misc Reports > Inmate Property > Active > Specific Inmate | ActiveXXProperty | ActiveXXPropertyClick | yes | operations.property",
    "Misc Reports > Inmate Property > Inactive > By Book Date | ByBookDate4 | ByBookDate4Click | yes | operations.property",
    "Misc Reports > Inmate Property > Inactive > By Received Date | ByReceiveDate1 | ByReceiveDate1Click | yes | operations.property",
    "Misc Reports > Inmate Property > Inactive > Specific Inmate | InactiveXXProperty | InactiveXXPropertyClick | yes | operations.property",
    "Misc Reports > Property Storage/Location  > All Locations | AllLocations1 | AllLocations1Click | yes | operations.property",
    "Misc Reports > Property Storage/Location  > Location/Container range | LocationContainerrange1 | LocationContainerrange1Click | yes | operations.property",
    "Misc Reports > Disciplinary > Active | DispActive | ActXXDispciplinaryClick | yes | operations.property",
    "Misc Reports > Disciplinary > Inactive | DispInactive | DispInactiveClick | yes | operations.property",
    "Misc Reports > Sentenced Inmates with DOC Cases | SentencedInmateswithDOCCases1 | SentencedInmateswithDOCCases1Click | yes | operations.sentence_release",
    "Misc Reports > Inmates with Case Adjustments | InmateswithCaseAdjustments1 | InmateswithCaseAdjustments1Click | yes | operations.sentence_release",
    "Misc Reports > Check-In/Out Logs > Specific Date/Time Range of Check-In | SpecificDateTimeRangeofCheckIn1 | SpecificDateTimeRangeofCheckIn1Click | yes | operations.check_in_out",
    "Misc Reports > Check-In/Out Logs > Specific Date/Time Range of Check-Out | SpecificDateTimeRangeofCheckOut1 | SpecificDateTimeRangeofCheckOut1Click | yes | operations.check_in_out",
    "Misc Reports > Check-In/Out Logs > All | All1 | All1Click | yes | operations.check_in_out",
    "Misc Reports > Cell History | miCellHistory | miCellHistoryClick | yes | operations.check_in_out",
    "Misc Reports > Checked Out | CheckedOut1 | CheckedOut1Click | yes | operations.check_in_out",
    "Misc Reports > Average Daily Population | AverageDailyPopulation1 | AverageDailyPopulation1Click | yes | billing.adp_incarceration",
    "Misc Reports > Incarceration Report | mniIncarcerationReport | mniIncarcerationReportClick | yes | billing.adp_incarceration",
    "Billing Reports > By Jurisdiction > Active | Active5 | OtherActive1Click | yes | billing.jurisdiction",
    "Billing Reports > By Jurisdiction > Inactive | Released5 | OtherReleased1Click | yes | billing.jurisdiction",
    "Billing Reports > By Jurisdiction > Both | JurisdicitionBillingBoth1 | JurisdicitionBillingBoth1Click | yes | billing.jurisdiction",
    "Billing Reports > SSN > Generate File (To submit to SSN Department) | SSNActiveAndInactiveTextFile | SSNActiveAndInactiveTextFile1Click | yes | billing.ssn_scaap",
    "Billing Reports > SSN > Report | SSNActiveReport | SSNActReport1Click | yes | billing.ssn_scaap",
    "Billing Reports > SCAAP > Text File | TextFile5 | TextFile5Click | yes | billing.ssn_scaap",
    "Billing Reports > SCAAP > Report | Report5 | Report5Click | yes | billing.ssn_scaap",
    "Juvenile Reports > Local | Local1 | JuvenileReport2Click | yes | operations.juvenile",
    "Juvenile Reports > Released  > Short | JuvRelShort | JuvRelShortClick | yes | operations.sentence_release",
    "Juvenile Reports > Released  > Long (with Cases/Charges) | Long2 | Long2Click | yes | operations.sentence_release",
    "Juvenile Reports > Department Of Juvenile Justice > Active > Text File | TextFile3 | DJJActivesClick | yes | operations.juvenile",
    "Juvenile Reports > Department Of Juvenile Justice > Active > Report | Report3 | DJJActReport3Click | yes | operations.juvenile",
    "Juvenile Reports > Department Of Juvenile Justice > Inactive > Text File | TextFile4 | DJJReleasedClick | yes | operations.juvenile",
    "Juvenile Reports > Department Of Juvenile Justice > Inactive > Report | Report4 | DJJRelReport3Click | yes | operations.juvenile",
    "Juvenile Reports > Compliance Monitoring Reporting Form (Lgl Sz Frm Req) | FloridaJJDPAComplianceMonitoringReportingForm1 | FloridaJJDPAComplianceMonitoringReportingForm1Click | yes | operations.juvenile",
    "Reports with Charges > Felony > By Book Date > Active | Active8 | FelActive5Click | yes | operations.charges",
    "Reports with Charges > Felony > By Book Date > Inactive | Released8 | FelRelease2Click | yes | operations.charges",
    "Reports with Charges > Felony > By Arrest Date > Active | ActiveFelonybyArrestDate | ActiveFelonybyArrestDateClick | yes | operations.charges",
    "Reports with Charges > Felony > By Arrest Date > Inactive | InactiveFeleonyByArrestDate | InactiveFeleonyByArrestDateClick | yes | operations.charges",
    "Reports with Charges > Misdemeanor > By Book Date > Active | Active9 | MisdActive6Click | yes | operations.charges",
    "Reports with Charges > Misdemeanor > By Book Date > Inactive | Released9 | MIsdRelease3Click | yes | operations.charges",
    "Reports with Charges > Misdemeanor > By Arrest Date > Active | ActiveMisdByArrestDate | ActiveMisdByArrestDateClick | yes | operations.charges",
    "Reports with Charges > Misdemeanor > By Arrest Date > Inactive | InactiveMisdByArrestDate | InactiveMisdByArrestDateClick | yes | operations.charges",
    "Reports with Charges > DUI > By Book Date > Active | Active10 | DUIActiveClick | yes | operations.charges",
    "Reports with Charges > DUI > By Book Date > Inactive | Released10 | DUIReleasedClick | yes | operations.charges",
    "Reports with Charges > DUI > By Arrest Date > Active | ActiveDUIByArrestDate | ActiveDUIByArrestDateClick | yes | operations.charges",
    "Reports with Charges > DUI > By Arrest Date > Inactive | InactiveDUIByArrestDate | InactiveDUIByArrestDateClick | yes | operations.charges",
    "Reports with Charges > Domestic Violence > Active | Active7 | DVactive4Click | yes | operations.charges",
    "Reports with Charges > Domestic Violence > Inactive | Released7 | DVRelease1Click | yes | operations.charges",
    "Reports with Charges > Inmates with Warrants | InmateswithWarrants1 | WarrantReport1Click | yes | operations.charges",
    "Reports with Charges > Violation of Probation/Failure to Appear | ViolationofProbationFailuretoAppear1 | ViolationofProbationFailuretoAppearReport1Click | yes | operations.charges",
    "Visitor Lists > Active > Order By > Inmate | ActiveByInmate1 | btnListActiveByInmateClick | yes | operations.visitor_lists",
    "Visitor Lists > Active > Order By > Dorm | ActiveByDorm2 | btnListActiveByDormClick | yes | operations.visitor_lists",
    "Visitor Lists > Active > Specify Dorm | VisitorListSpecifyDorm | VisitorListSpecifyDormClick | yes | operations.visitor_lists",
    "Visitor Lists > Inactive > Order By > Inmate | InactiveByInmate | InactiveByInmateClick | yes | operations.visitor_lists",
    "Visitor Lists > Inactive > Order By > Dorm | InactiveByDorm | InactiveByDormClick | yes | operations.visitor_lists",
    "Visitor Lists > Inactive > Specify Dorm | InactiveSpecifyDormRange1 | InactiveSpecifyDormRange1Click | yes | operations.visitor_lists",
    "Visitor Logs > Active > Specify Date/Time > Order By > Date/Time | ActiveVisitLogDateTime | btnActiveLogSpecificDateClick | yes | operations.visitor_logs",
    "Visitor Logs > Active > Specify Date/Time > Order By > Visitor | ActiveVisitLogbyVisitor | ActiveVisitLogbyVisitorClick | yes | operations.visitor_logs",
    "Visitor Logs > Active > Specify Date/Time > Order By > Inmate | ActiveVisitLogbyInmate | ActiveVisitLogbyInmateClick | yes | operations.visitor_logs",
    "Visitor Logs > Active > Specify Date/Time > Order By > Dorm | ActiveVisitLogDorm1 | ActiveVisitLogDorm1Click | yes | operations.visitor_logs",
    "Visitor Logs > Active > Specify Dorm and Date/Time | ActiveVisitLogSpecifyDormDate | btnActiveLogSpecificDormClick | yes | operations.visitor_logs",
    "Visitor Logs > Inactive > Specify Date/Time > Order By > Date/Time | InactiveVisitLogDateTime | InactiveLogBySpecificDateClick | yes | operations.visitor_logs",
    "Visitor Logs > Inactive > Specify Date/Time > Order By > Visitor | InactiveVisitLogByVisitor | InactiveVisitLogByVisitorClick | yes | operations.visitor_logs",
    "Visitor Logs > Inactive > Specify Date/Time > Order By > Inmate | InactiveVisitLogbyInmate | InactiveVisitLogbyInmateClick | yes | operations.visitor_logs",
    "Visitor Logs > Inactive > Specify Date/Time > Order By > Dorm | RelVisitLogDorm1 | RelVisitLogDorm1Click | yes | operations.visitor_logs",
    "Visitor Logs > Inactive > Specify Dorm and Date/Time | InactiveVisitLogSpecifyDormDateTime | InactiveLogBySpecificDormDateClick | yes | operations.visitor_logs",
    "Banned Visitor List > All Banned Visitors | AllBanVistors | AllBanVistorsClick | yes | operations.visitor_lists",
    "Banned Visitor List > By Entry Date Range | BannedByEntryDate | BannedByEntryDateClick | yes | operations.visitor_lists",
    "Banned Visitor List > By Expiration Date Range | ByExpirationDate | ByExpirationDateClick | yes | operations.visitor_lists",
    "Medical Reports > Active > Specify Date/Time > Medical Visits > All | AllActMedVis | AllActMedVisClick | yes | medical.reports",
    "Medical Reports > Active > Specify Date/Time > Medical Visits > Select One | ActSel1MedVis | ActSel1MedVisClick | yes | medical.reports",
    "Medical Reports > Active > Specify Date/Time > Follow-Up Appointments > Pending > All | PendMedAptAll | PendMedAptAllClick | yes | medical.reports",
    "Medical Reports > Active > Specify Date/Time > Follow-Up Appointments > Pending > Select One | ActPendMedApt1 | ActPendMedApt1Click | yes | medical.reports",
    "Medical Reports > Active > Specify Date/Time > Follow-Up Appointments > Completed > All | CompletedMedAptAll | CompletedMedAptAllClick | yes | medical.reports",
    "Medical Reports > Active > Specify Date/Time > Follow-Up Appointments > Completed > Select One | ActCompleteMedApt | ActCompleteMedAptClick | yes | medical.reports",
    "Medical Reports > Active > Specify Date/Time > Medical Services > All | AllActMedSvcs | AllActMedSvcsClick | yes | medical.reports",
    "Medical Reports > Active > Specify Date/Time > Medical Services > Select One | Sel1ActMedSvcs | Sel1ActMedSvcsClick | yes | medical.reports",
    "Medical Reports > Active > Specify Date/Time > Laboratory Services > All | AllActiveLabSvcs | AllActiveLabSvcsClick | yes | medical.reports",
    "Medical Reports > Active > Specify Date/Time > Laboratory Services > Select One | Sel1ActiveLabSvcs | Sel1ActiveLabSvcsClick | yes | medical.reports",
    "Medical Reports > Active > Specify Date/Time > Prescription Information > All | AllActPresInfo | AllActPresInfoClick | yes | medical.reports",
    "Medical Reports > Active > Specify Date/Time > Prescription Information > Select One | Sel1ActPresInfo | Sel1ActPresInfoClick | yes | medical.reports",
    "Medical Reports > Active > Specify Date/Time > Medication Dispense Log > All | AllActMedDispLog | AllActMedDispLogClick | yes | medical.dispense_log",
    "Medical Reports > Active > Specify Date/Time > Medication Dispense Log > Select One | Sel1ActMedDispLog | Sel1ActMedDispLogClick | yes | medical.dispense_log",
    "Medical Reports > Inactive > Specify Date/Time > Medical Visits > All | AllInactiveMedVis | AllInactiveMedVisClick | yes | medical.reports",
    "Medical Reports > Inactive > Specify Date/Time > Medical Visits > Select One | InactSel1MedVis | InactSel1MedVisClick | yes | medical.reports",
    "Medical Reports > Inactive > Specify Date/Time > Follow-Up Appointments > All | InactMedAptAll | InactMedAptAllClick | yes | medical.reports",
    "Medical Reports > Inactive > Specify Date/Time > Follow-Up Appointments > Select One | InactCompletedMedApt | InactCompletedMedAptClick | yes | medical.reports",
    "Medical Reports > Inactive > Specify Date/Time > Medical Services > All | AllInactMedSvcs | AllInactMedSvcsClick | yes | medical.reports",
    "Medical Reports > Inactive > Specify Date/Time > Medical Services > Select One | Sel1InactMedSvcs | Sel1InactMedSvcsClick | yes | medical.reports",
    "Medical Reports > Inactive > Specify Date/Time > Laboratory Services > All | AllInactiveLabSvcs | AllInactiveLabSvcsClick | yes | medical.reports",
    "Medical Reports > Inactive > Specify Date/Time > Laboratory Services > Select One | Sel1InactiveLabSvcs | Sel1InactiveLabSvcsClick | yes | medical.reports",
    "Medical Reports > Inactive > Specify Date/Time > Prescription Information > All | AllInactPresInfo | AllInactPresInfoClick | yes | medical.reports",
    "Medical Reports > Inactive > Specify Date/Time > Prescription Information > Select One | Sel1InactPresInfo | Sel1InactPresInfoClick | yes | medical.reports",
    "Medical Reports > Inactive > Specify Date/Time > Medication Dispense Log > All | AllInactMedDispLog | AllInactMedDispLogClick | yes | medical.dispense_log",
    "Medical Reports > Inactive > Specify Date/Time > Medication Dispense Log > Select One | Sel1InactMedDispLog | Sel1InactMedDispLogClick | yes | medical.dispense_log",
    "Medical Reports > Medical Screening Information > Active > All | AllMedScreenActive | AllMedScreenActiveClick | yes | medical.reports",
    "Medical Reports > Medical Screening Information > Active > Select One | Sel1MedScreenActive | Sel1MedScreenActiveClick | yes | medical.reports",
    "Medical Reports > Medical Screening Information > Inactive > All | AllMedScreenInactive | AllMedScreenInactiveClick | yes | medical.reports",
    "Medical Reports > Medical Screening Information > Inactive > Select One | Sel1MedScreenInactive | Sel1MedScreenInactiveClick | yes | medical.reports",
    "Incident Reports > Unapproved > Ordered By Incident No > All | UnapprovedAll1 | UnapprovedAll1Click | yes | operations.incidents",
    "Incident Reports > Unapproved > Ordered By Incident No > Specify Date/Time | UnapprovedSpecifyDateTime3 | UnapprovedSpecifyDateTime3Click | yes | operations.incidents",
    "Incident Reports > Approved > Ordered By Incident No > All | ApprovedAll1 | ApprovedAll1Click | yes | operations.incidents",
    "Incident Reports > Approved > Ordered By Incident No > Specify Date/Time | ApprovedSpecifyDateTime3 | ApprovedSpecifyDateTime3Click | yes | operations.incidents",
    "Incident Reports > Specify Date/Time | SpecifyDate1 | btnIncideSpecDateClick | yes | operations.incidents",
    "All Moves > Active > Specify > Date/Time | ActiveMoveByDate | ActiveMoveByDateClick | yes | operations.moves",
    "All Moves > Active > Specify > Date/Time and Destination | ActiveMoveDateDest1 | ActiveMoveByDateDest | yes | operations.moves",
    "All Moves > Active > Unscheduled Moves | UnscheduledMoves1 | UnscheduledMoves1Click | yes | operations.moves",
    "All Moves > Inactive > Specify > Date/Time | InactiveMoveDateDest | InactiveMovebyDateClick | yes | operations.moves",
    "All Moves > Inactive > Specify > Date/Time and Destination | InactiveMoveDestDate1 | InactiveMovebyDestDateClick | yes | operations.moves",
    "First Appearance > Today's > Order By Court | TodaysFAByCourt | btnFATodayCourtClick | yes | operations.moves",
    "First Appearance > Today's > Order By Destination | TodaysFAByDest | TodaysFAByDestClick | yes | operations.moves",
    "First Appearance > Specify Date / Time > Active > Order By Court | ActiveFADateByCourt1 | ActiveFADateByCourt | yes | operations.moves",
    "First Appearance > Specify Date / Time > Active > Order By Destination | ActiveFADateByDestination | ActiveFADateByDestClick | yes | operations.moves",
    "First Appearance > Specify Date / Time > Inactive > Order By Court | InactiveFADateByCourt | InactiveFADateByCourtClick | yes | operations.moves",
    "First Appearance > Specify Date / Time > Inactive > Order By Destination | InactiveFADateByDestination | InactiveFADateByDestClick | yes | operations.moves",
    "Lists > Medication | Medication1 | btnCFGMedListClick | yes | operations.config_lists",
    "Log Reports > Specify Date/Time > Order By > Date/Time | SpecifyDateByDate | btnSpecAllClick | yes | operations.jail_log",
    "Log Reports > Specify Date/Time > Order By > Log Code | SpecifyDateByLogCode | SpecifyDateByLogCodeClick | yes | operations.jail_log",
    "Log Reports > Specify Date/Time > Order By > Officer | SpecifyDateByOfficer | SpecifyDateByOfficerClick | yes | operations.jail_log",
    "Log Reports > Specify Date/Time > Order By > Inmate > VereRir No | JailLogNo1 | JailLogNo1Click | yes | operations.jail_log",
    "Log Reports > Specify Date/Time > Order By > Inmate > Booking No | SpecifyDateByBookNo | SpecifyDateByBookNoClick | yes | operations.jail_log",
    "Log Reports > Specify Dorm and Date/Time > Order By > Date/Time | DormDateByDate | DormDateByDateClick | yes | operations.jail_log",
    "Log Reports > Specify Dorm and Date/Time > Order By > Log Code | DormDateByLogCode | DormDateByLogCodeClick | yes | operations.jail_log",
    "Log Reports > Specify Dorm and Date/Time > Order By > Officer | SpecifyDormDateByOfficer | SpecifyDormDateByOfficerClick | yes | operations.jail_log",
    "Log Reports > Specify Dorm and Date/Time > Order By > Inmate > VereRir No  | SpecifyDormDateByJailLogNo | SpecifyDormDateByJailLogNoClick | yes | operations.jail_log",
    "Log Reports > Specify Dorm and Date/Time > Order By > Inmate > Booking No | SpecifyDormDateByBookNo | SpecifyDormDateByBookNoClick | yes | operations.jail_log",
    "Log Reports > Supervisor Log Report | Sup1 | Sup1Click | yes | operations.jail_log",
    "Demographics > Age | Age1 | btnAgeClick | yes | stats.charts",
    "Demographics > Race | Rac1 | btnRaceClick | yes | stats.charts",
    "Demographics > Gender | Gender1 | btnGenderClick | yes | stats.charts",
    "Felony > Active > By Date/Time | miFelony_Active_ByDateAndTime | btnActFelByDateClick | yes | stats.charts",
    "Felony > Active > Pretrial Inmates > Group By Status | miFelony_Active_Pretrial_GroupByStatus | btnPretrialFelClick | yes | stats.charts",
    "Felony > Active > Pretrial Inmates > Group By Offense <disabled> | miFelony_Active_Pretrial_GroupByOffense | btnPretrialOffensesClick | hidden | stats.charts",
    "Felony > Active > All Inmates > Group By Status | miFelony_Active_All_GroupByStatus | btnAllFeloniesClick | yes | stats.charts",
    "Felony > Active > All Inmates > Group By Offense <disabled> | miFelony_Active_All_GroupByOffense | FelOffense1Click | hidden | stats.charts",
    "Felony > Inactive > By Date/Time <disabled> | miFelony_InActive_ByDateAndTime | btnRelFelByDateClick | hidden | stats.charts",
    "Misdemeanor > Active > All Inmates > Status | miMisd_Active_All_GroupByStatus | btnAllMisdClick | yes | stats.charts",
    "Misdemeanor > Active > All Inmates > Offense <disabled> | miMisd_Active_All_GroupByOffense | miMisd_Active_All_GroupByOffenseClick | hidden | stats.charts",
    "Misdemeanor > Active > Pretrial Inmates > Status | miMisd_Active_Pretrial_GroupByStatus | btnPretrialMisdClick | yes | stats.charts",
    "Misdemeanor > Active > Pretrial Inmates > Offense <disabled> | miMisd_Active_Pretrial_GroupByOffense | miMisd_Active_Pretrial_GroupByOffenseClick | hidden | stats.charts",
    "Misdemeanor > Active > By Date/Time | miMisd_Active_ByDateAndTime | btnActMisdByDateClick | yes | stats.charts",
    "Misdemeanor > Inactive <disabled> > Specify Date/Time | miMisd_Inactive_ByDateAndTime | btnRelMisdByDateClick | hidden | stats.charts",
    "Misc Charts > Sentenced | Sentenced2 | btnSentencedClick | yes | stats.charts",
    "Misc Charts > Custody Status | CustodyStatus1 | btnCustodyClick | yes | stats.charts",
    "Misc Charts > Releases | Releases1 | btnReleasesClick | yes | stats.charts",
    "Misc Charts > Offenses > All | AllOffenses | Offenses1Click | yes | stats.charts",
    "Misc Charts > Offenses > Pretrial | PretrialOffenses | PretrialOffensesClick | yes | stats.charts",
    "Misc Charts > Average Length of Stay | AverageLengthofStay1 | AverageLengthofStay1Click | yes | stats.generators",
    "Misc Charts > Average Daily Population Chart | AverageDailyPopulationChart1 | AverageDailyPopulationChart1Click | yes | stats.charts",
};
// clang-format on

QString Describe(const TReportCatalogue& catalogue, const TReportCatalogueEntry& entry) {
  return QStringList{catalogue.MenuPathText(entry), entry.ItemName,
                     (entry.IsAction ? QStringLiteral("action ") : QString()) + entry.HandlerName,
                     entry.Shown ? QStringLiteral("yes") : QStringLiteral("hidden"),
                     entry.Family.isEmpty() ? QStringLiteral("none") : entry.Family}
      .join(QStringLiteral(" | "));
}

TEST(ReportCatalogueTest, EveryEntryMatchesTheCatalogueInMenuOrder) {
  const TReportCatalogue catalogue;
  const auto& entries = catalogue.Entries();
  ASSERT_EQ(entries.size(), std::size(kExpectedCatalogue));
  for (size_t i = 0; i < entries.size(); ++i)
    EXPECT_EQ(Describe(catalogue, entries[i]).toStdString(), kExpectedCatalogue[i])
        << "entry " << i;
}

TEST(ReportCatalogueTest, CountsShownAndHiddenEntries) {
  const TReportCatalogue catalogue;
  EXPECT_EQ(catalogue.Entries().size(), 219u);
  EXPECT_EQ(catalogue.ShownCount(), 209);
  EXPECT_EQ(catalogue.BuiltCount(), 0);
}

TEST(ReportCatalogueTest, ItemNamesAreUniqueAndEveryEntryHasAButton) {
  const TReportCatalogue catalogue;
  QSet<QString> items;
  for (const TReportCatalogueEntry& entry : catalogue.Entries()) {
    EXPECT_FALSE(items.contains(entry.ItemName)) << entry.ItemName.toStdString();
    items.insert(entry.ItemName);
    EXPECT_NE(catalogue.FindButton(entry.ButtonName), nullptr) << entry.ItemName.toStdString();
    EXPECT_FALSE(entry.Path.isEmpty());
  }
}

TEST(ReportCatalogueTest, ButtonsInWindowOrderEachWithItsMenu) {
  const TReportCatalogue catalogue;
  const QStringList expected = {
      "VedaVavi/InmateReports/Inmate Reports/ppmInmateReports",
      "VedaVavi/MiscReports/Misc Reports/ppmMiscReports",
      "VedaVavi/BillingReports/Billing Reports/ppmBillingReports",
      "VedaVavi/JuvenileReports/Juvenile Reports/ppmJuvenileReports",
      "VedaVavi/ReportsCharges/Reports with Charges/ppmReportsCharges",
      "VeviZAV/CFGLists/Lists/ppmCFGLists",
      "ZeroRedi/AllMoves/All Moves/ppmAllMoves",
      "ZeroRedi/FirstAppearance/First Appearance/ppmFirstAppearance",
      "RaziVorova/Demographics/Demographics/ppmChartDemographics",
      "RaziVorova/FelonyDispositions/Felony/ppmChartFelonyDispo",
      "RaziVorova/MisdemeanorDisposition/Misdemeanor/ppmChartMisdemDispo",
      "RaziVorova/MiscCharts/Misc Charts/ppmChartMisc",
      "VereRir/VereRir/Log Reports/ppmJailLog",
      "ZedoRidizuza/IncidentReports/Incident Reports/ppmJailIncident",
      "DadoZezov/VisitorLists/Visitor Lists/ppmVisitorLists",
      "DadoZezov/VisitorLogs/Visitor Logs/ppmVisitorLogs",
      "DadoZezov/BanVisitors/Banned Visitor List/ppmBannedVistors",
      "VudoDorirav/VudoDorirav/Medical Reports/ppmJailMedical",
  };
  QStringList actual;
  for (const TReportCatalogueButton& b : catalogue.Buttons()) {
    actual << QStringList{b.GroupBox, b.Name, b.Caption, b.MenuName}.join('/');
    EXPECT_FALSE(catalogue.EntriesOfButton(b.Name).empty()) << b.Name.toStdString();
  }
  EXPECT_EQ(actual, expected);
}

TEST(ReportCatalogueTest, HandlerRegisteredOnceServesEveryItemNamingIt) {
  TReportCatalogue catalogue;
  QStringList ran;
  catalogue.RegisterHandler("LongWithChargesClick",
                            [&](const TReportCatalogueEntry& sender) { ran << sender.ItemName; });
  const auto served = catalogue.FindByHandler("LongWithChargesClick");
  ASSERT_EQ(served.size(), 3u);
  EXPECT_EQ(catalogue.BuiltCount(), 3);
  for (const TReportCatalogueEntry* entry : served) catalogue.Run(*entry);
  EXPECT_EQ(ran, (QStringList{"ActiveLong2", "InactiveLongwithCharges2", "BothLongwithCharges"}));

  catalogue.ClearHandlers();
  EXPECT_EQ(catalogue.BuiltCount(), 0);
}

TEST(ReportCatalogueTest, RegisteringAnUnknownHandlerFails) {
  TReportCatalogue catalogue;
  EXPECT_THROW(catalogue.RegisterHandler("ShortRptClik", [](const TReportCatalogueEntry&) {}),
               EReportCatalogueError);
  EXPECT_EQ(catalogue.BuiltCount(), 0);
}

TEST(ReportCatalogueTest, RunningAnEntryThatIsNotBuiltSaysSo) {
  const TReportCatalogue catalogue;
  const TReportCatalogueEntry* entry = catalogue.FindByItem("ShortRpt");
  ASSERT_NE(entry, nullptr);
  try {
    catalogue.Run(*entry);
    FAIL() << "ran an entry without a handler";
  } catch (const EReportCatalogueError& e) {
    EXPECT_EQ(e.Message(),
              "Inmate Reports > By Release Date > Short: " + TReportCatalogue::NotBuiltHint());
  }
}

TEST(ReportCatalogueTest, ResolvesHandlersAndItems) {
  const TReportCatalogue catalogue;
  EXPECT_EQ(catalogue.Resolve("ShortRptClick").ItemName, "ShortRpt");
  EXPECT_EQ(catalogue.Resolve("BothLongwithCharges").ItemName, "BothLongwithCharges");
  EXPECT_EQ(catalogue.Resolve("actXDaysReclass").ItemName, "mmXDaysReclassification1");

  struct TCase {
    const char* Name;
    const char* MessagePart;
  };
  for (const TCase& c : {TCase{"LongWithChargesClick",
                               "ActiveLong2, InactiveLongwithCharges2, "
                               "BothLongwithCharges"},
                         TCase{"NoSuchReport", "tallyhouse list"}}) {
    try {
      catalogue.Resolve(c.Name);
      ADD_FAILURE() << c.Name << " resolved";
    } catch (const EReportCatalogueError& e) {
      EXPECT_TRUE(e.Message().contains(c.MessagePart)) << e.Message().toStdString();
    }
  }
}
}  // namespace
