#include "cli/DemoCodes.h"

const std::vector<TDemoCaseStatus>& DemoCaseStatuses() {
  static const std::vector<TDemoCaseStatus> list = {
      {"SFYR", "SENTENCED FELONY OVER 1 YEAR", 1, 1, true},
      {"SF", "SENTENCED FELONY", 2, 1, true},
      {"FVOP", "FELONY VIOLATION OF PROBATION", 3, 1, false},
      {"PSIF", "PRE-SENTENCE FELONY", 4, 1, false},
      {"FA", "FELONY AWAITING TRIAL", 5, 1, false},
      {"SMYR", "SENTENCED MISD OVER 1 YEAR", 6, 2, true},
      {"SM", "SENTENCED MISDEMEANOR", 7, 2, true},
      {"MVOP", "MISD VIOLATION OF PROBATION", 8, 2, false},
      {"PSIM", "PRE-SENTENCE MISDEMEANOR", 9, 2, false},
      {"MA", "MISDEMEANOR AWAITING TRIAL", 10, 2, false},
      {"HOLD", "HOLD FOR OTHER AGENCY", 11, 3, false},
      {"CIV", "CIVIL COMMITMENT", 12, 3, false},
  };
  return list;
}

const char* DemoUnconfiguredStatus() {
  return "TRAF";
}

const std::vector<TDemoReason>& DemoCheckInOutReasons() {
  using namespace DemoReason;
  static const std::vector<TDemoReason> list = {
      {Booked, "Booked", true},
      {Released, "Released", false},
      {InForWeekend, "In For Weekend", true},
      {OutForWeekend, "Out For Weekend", false},
      {Court, "Court Appearance", false},
      {Hospital, "Hospital", false},
      {WorkRelease, "Work Release", false},
      {Medical, "Medical Appointment", false},
      {Funeral, "Funeral Visit", false},
      {BackFromCourt, "Returned From Court", true},
      {BackFromHospital, "Returned From Hospital", true},
      {BackFromWork, "Returned From Work", true},
      {BackFromMedical, "Returned From Appointment", true},
      {Returned, "Returned", true},
  };
  return list;
}

const std::vector<TDemoCode>& DemoClassCodes() {
  static const std::vector<TDemoCode> list = {
      {"MAX", "MAXIMUM SECURITY"},  {"MED", "MEDIUM SECURITY"}, {"MIN", "MINIMUM SECURITY"},
      {"TRST", "TRUSTY"},           {"WEEK", "WEEKENDER"},      {"WR", "WORK RELEASE"},
      {"PC", "PROTECTIVE CUSTODY"}, {"JUV", "JUVENILE"},
  };
  return list;
}

const std::vector<TDemoCode>& DemoLogCodes() {
  static const std::vector<TDemoCode> list = {
      {"SHFT", "SHIFT CHANGE"},  {"CNT", "HEAD COUNT"},      {"MEAL", "MEAL SERVICE"},
      {"MED", "MEDICAL CALL"},   {"SRCH", "CELL SEARCH"},    {"REC", "RECREATION"},
      {"VIS", "VISITATION"},     {"INC", "INCIDENT"},        {"MAINT", "MAINTENANCE"},
      {"SEC", "SECURITY CHECK"}, {"PROP", "PROPERTY ISSUE"}, {"CLASS", "CLASSIFICATION"},
  };
  return list;
}

const std::vector<TDemoCode>& DemoInmateStatuses() {
  static const std::vector<TDemoCode> list = {
      {"P", "PRETRIAL"}, {"S", "SENTENCED"}, {"H", "HOLD"}, {"F", "FEDERAL"}, {"O", "OTHER"},
  };
  return list;
}

const std::vector<TDemoCode>& DemoRaces() {
  static const std::vector<TDemoCode> list = {
      {"W", "WHITE"},           {"B", "BLACK"}, {"H", "HISPANIC"}, {"A", "ASIAN"},
      {"I", "NATIVE AMERICAN"}, {"O", "OTHER"}, {"U", "UNKNOWN"},
  };
  return list;
}

const std::vector<TDemoCode>& DemoIncidentTypes() {
  static const std::vector<TDemoCode> list = {
      {"FIGHT", "Fight"},          {"CONTR", "Contraband"},
      {"INJ", "Injury"},           {"MEDEM", "Medical Emergency"},
      {"DAMG", "Property Damage"}, {"ESC", "Escape Attempt"},
      {"SUIC", "Suicide Attempt"}, {"ASSLT", "Assault on Staff"},
  };
  return list;
}

const std::vector<TDemoCode>& DemoLabTests() {
  static const std::vector<TDemoCode> list = {
      {"CBC", "COMPLETE BLOOD COUNT"}, {"TB", "TUBERCULOSIS SKIN TEST"}, {"UA", "URINALYSIS"},
      {"GLU", "BLOOD GLUCOSE"},        {"HEP", "HEPATITIS PANEL"},       {"LIP", "LIPID PANEL"},
  };
  return list;
}

const std::vector<TDemoCode>& DemoMedicalServices() {
  static const std::vector<TDemoCode> list = {
      {"SICK", "SICK CALL"},   {"DENT", "DENTAL EXAM"},       {"XRAY", "X-RAY"},
      {"WOUND", "WOUND CARE"}, {"PSY", "MENTAL HEALTH EVAL"}, {"EYE", "EYE EXAM"},
  };
  return list;
}

const std::vector<TDemoPlace>& DemoPlaces() {
  static const std::vector<TDemoPlace> list = {
      {"COUNTY COURTHOUSE", "Columbia County Courthouse", "LAKE CITY", true},
      {"CIRCUIT COURT", "Third Judicial Circuit Court", "LAKE CITY", true},
      {"REGIONAL HOSPITAL", "Lake City Regional Medical Center", "LAKE CITY", true},
      {"DENTAL CLINIC", "County Dental Clinic", "LAKE CITY", true},
      {"STATE RECEPTION", "State Reception and Medical Center", "LAKE BUTLER", true},
      {"NORTH ANNEX", "North Annex Transfer", "LAKE CITY", true},
      {"FEDERAL COURT", "United States District Court", "JACKSONVILLE", true},
      {"DAYROOM", "Dayroom", "", false},
      {"INTAKE", "Intake and Booking", "", false},
      {"YARD", "Recreation Yard", "", false},
      {"KITCHEN", "Kitchen", "", false},
      {"SALLYPORT", "Vehicle Sallyport", "", false},
  };
  return list;
}

const std::vector<TDemoRequirement>& DemoSpecialRequirements() {
  static const std::vector<TDemoRequirement> list = {
      {"Bottom Bunk", false},        {"Wheelchair Access", false},
      {"Protective Custody", false}, {"Hearing Impaired", false},
      {"Medical Isolation", false},  {"No Contact With Staff Member", false},
      {"Diabetic Diet", true},       {"Vegetarian Meal", true},
      {"Kosher Meal", true},
  };
  return list;
}

const std::vector<TDemoMedication>& DemoMedications() {
  static const std::vector<TDemoMedication> list = {
      {"M001", "IBUPROFEN 400MG", 0.12},    {"M002", "ACETAMINOPHEN 500MG", 0.08},
      {"M003", "AMOXICILLIN 500MG", 0.45},  {"M004", "LISINOPRIL 10MG", 0.21},
      {"M005", "METFORMIN 500MG", 0.18},    {"M006", "INSULIN GLARGINE", 12.50},
      {"M007", "ALBUTEROL INHALER", 18.75}, {"M008", "SERTRALINE 50MG", 0.33},
      {"M009", "OMEPRAZOLE 20MG", 0.27},    {"M010", "HYDROCHLOROTHIAZIDE 25MG", 0.09},
      {"M011", "LORATADINE 10MG", 0.11},    {"M012", "NAPROXEN 250MG", 0.14},
      {"M013", "CEPHALEXIN 500MG", 0.52},   {"M014", "ATORVASTATIN 20MG", 0.24},
  };
  return list;
}

const std::vector<TDemoCountry>& DemoCountries() {
  static const std::vector<TDemoCountry> list = {
      {"US", "UNITED STATES", "USA"}, {"MX", "MEXICO", "MEX"},      {"GT", "GUATEMALA", "GTM"},
      {"HN", "HONDURAS", "HND"},      {"CU", "CUBA", "CUB"},        {"HT", "HAITI", "HTI"},
      {"JM", "JAMAICA", "JAM"},       {"CO", "COLOMBIA", "COL"},    {"VN", "VIETNAM", "VNM"},
      {"CA", "CANADA", "CAN"},        {"SV", "EL SALVADOR", "SLV"},
  };
  return list;
}

const std::vector<TDemoCode>& DemoStates() {
  static const std::vector<TDemoCode> list = {
      {"FL", "FLORIDA"},        {"GA", "GEORGIA"},   {"AL", "ALABAMA"}, {"SC", "SOUTH CAROLINA"},
      {"NC", "NORTH CAROLINA"}, {"TN", "TENNESSEE"}, {"TX", "TEXAS"},   {"NY", "NEW YORK"},
  };
  return list;
}

const std::vector<TDemoStorage>& DemoStorages() {
  static const std::vector<TDemoStorage> list = {
      {1, "PR1", "MAIN PROPERTY ROOM", 40},
      {2, "PR2", "ANNEX PROPERTY CAGE", 24},
      {3, "SAFE", "VALUABLES SAFE", 10},
      {4, "BULK", "BULK STORAGE", 6},
  };
  return list;
}

const std::vector<TDemoCode>& DemoPropertyTypes() {
  static const std::vector<TDemoCode> list = {
      {"5001", "CLOTHING"}, {"5002", "JEWELRY"},   {"5003", "WALLET/PURSE"},
      {"5004", "CURRENCY"}, {"5005", "DOCUMENTS"}, {"5006", "ELECTRONICS"},
      {"5007", "KEYS"},     {"5008", "FOOTWEAR"},
  };
  return list;
}

const char* DemoPropertyGroup() {
  return "PROPTYPE";
}

const std::vector<TDemoStatuteRow>& DemoStatuteRows() {
  static const std::vector<TDemoStatuteRow> list = {
      {"812.014(2)(C)", "F", "3", "GRAND THEFT", "GRAND THEFT 3RD DEGREE", "32001", false},
      {"812.014(3)(A)", "M", "2", "PETIT THEFT", "PETIT THEFT", "32008", false},
      {"810.02(3)", "F", "2", "BURGLARY DWELL", "BURGLARY OF A DWELLING", "32010", false},
      {"810.02(4)", "F", "3", "BURGLARY CONV", "BURGLARY OF A CONVEYANCE", "32010", false},
      {"812.13(2)(C)", "F", "2", "ROBBERY", "ROBBERY WITHOUT A WEAPON", "32012", false},
      {"784.03(1)(A)", "M", "1", "BATTERY", "BATTERY", "32003", false},
      {"784.03 DV", "M", "1", "BATTERY DOM", "BATTERY - DOMESTIC VIOLENCE", "32003", true},
      {"784.021(1)(A)", "F", "3", "AGG ASSAULT", "AGGRAVATED ASSAULT WITH A DEADLY WEAPON", "32003",
       false},
      {"784.045 DV", "F", "2", "AGG BATT DOM", "AGGRAVATED BATTERY - DOMESTIC VIOLENCE", "32003",
       true},
      {"741.31(4)", "M", "1", "VIOL INJUNCT", "VIOLATION OF DOMESTIC VIOLENCE INJUNCTION", "32007",
       true},
      {"893.13(6)(A)", "F", "3", "POSS CONT SUB", "POSSESSION OF CONTROLLED SUBSTANCE", "32005",
       false},
      {"893.13(1)(A)", "F", "2", "SELL COCAINE", "SALE OF COCAINE", "32005", false},
      {"893.13(6)(B)", "M", "1", "POSS CANNABIS", "POSSESSION OF CANNABIS UNDER 20 GRAMS", "32005",
       false},
      {"316.193(1)", "M", "2", "DUI", "DUI - DRIVING UNDER THE INFLUENCE", "32004", false},
      {"316.193(3)(C)", "F", "3", "DUI SBI", "DUI WITH SERIOUS BODILY INJURY", "32004", false},
      {"322.34(2)", "M", "2", "DWLSR", "DRIVING WHILE LICENSE SUSPENDED", "32004", false},
      {"817.034(4)", "F", "3", "ORG FRAUD", "ORGANIZED SCHEME TO DEFRAUD", "32006", false},
      {"831.01", "F", "3", "FORGERY", "FORGERY", "32006", false},
      {"794.011(5)", "F", "2", "SEX BATTERY", "SEXUAL BATTERY", "32002", false},
      {"787.01(1)", "F", "1", "KIDNAPPING", "KIDNAPPING", "32009", false},
      {"782.04(2)", "F", "1", "MURDER 2ND", "MURDER IN THE SECOND DEGREE", "32011", false},
      {"948.06", "F", "3", "PROB VIOLATION FEL", "PROBATION VIOLATION - FELONY", "32007", false},
      {"948.06 M", "M", "1", "PROB VIOLATION MISD", "PROBATION VIOLATION - MISDEMEANOR", "32007",
       false},
      {"843.15(1)(A)", "F", "3", "BAIL-SECURED BOND FEL", "FAILURE TO APPEAR ON FELONY BOND",
       "32007", false},
      {"843.15(1)(B)", "M", "1", "BAIL-SECURED BOND MISD", "FAILURE TO APPEAR ON MISDEMEANOR BOND",
       "32007", false},
      {"843.02", "M", "1", "RESIST W/O VIOL", "RESISTING OFFICER WITHOUT VIOLENCE", "32007", false},
      {"806.13(1)(B)", "M", "2", "CRIM MISCHIEF", "CRIMINAL MISCHIEF", "32001", false},
      {"901.04", "F", "3", "OUT CNTY WARR", "OUT OF COUNTY WARRANT", "32007", false},
      {"856.011", "M", "2", "DISORDERLY INTOX", "DISORDERLY INTOXICATION", "32007", false},
      {"790.23(1)", "F", "2", "FELON W/ FIREARM", "POSSESSION OF FIREARM BY CONVICTED FELON",
       "32007", false},
  };
  return list;
}

QString DemoFixedKey(const char* tag, int number) {
  const QString head = QStringLiteral("DEMO") + QLatin1String(tag);
  return head + QString::number(number).rightJustified(22 - int(head.size()), QLatin1Char('0'));
}
