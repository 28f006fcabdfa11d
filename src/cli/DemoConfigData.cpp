#include "cli/DemoConfigData.h"

#include "cli/DemoCodes.h"
#include "cli/DemoContext.h"
#include "cli/DemoTableWriter.h"

#include <cmath>

namespace {

struct TDormPlan {
  const char* Code;
  const char* Desc;
  TDemoHousing Housing;
  int Share;  // percent of the facility's beds
  const char* Tower;
  bool Floors;
  int BedsPerCell;
};

struct TFacilityPlan {
  const char* Id;
  const char* Desc;
  int PerScale;
  int AtScaleZero;
  std::vector<TDormPlan> Dorms;
};

const std::vector<TFacilityPlan>& FacilityPlans() {
  static const std::vector<TFacilityPlan> plans = {
      {"MAIN",
       "Main Detention Center",
       200,
       20,
       {{"A", "Alpha Dorm - General Population", TDemoHousing::General, 36, "T1", true, 2},
        {"B", "Bravo Dorm - General Population", TDemoHousing::General, 34, "T1", true, 2},
        {"C", "Charlie Dorm - Female", TDemoHousing::Female, 16, "T2", true, 2},
        {"D", "Delta Dorm - Medical", TDemoHousing::Medical, 6, "T2", false, 1},
        {"J", "Juvenile Unit", TDemoHousing::Juvenile, 8, "T2", false, 2}}},
      {"ANNX",
       "North Annex",
       110,
       10,
       {{"E", "Echo Dorm", TDemoHousing::General, 55, "", true, 4},
        {"F", "Foxtrot Dorm - Female", TDemoHousing::Female, 25, "", true, 4},
        {"G", "Golf Dorm - Trusties", TDemoHousing::General, 20, "", false, 4}}},
      {"WRC",
       "Work Release Center",
       50,
       6,
       {{"W1", "Work Release Bay 1", TDemoHousing::WorkRelease, 60, "", false, 8},
        {"W2", "Work Release Bay 2", TDemoHousing::WorkRelease, 40, "", false, 8}}},
  };
  return plans;
}

}  // namespace

void WriteDemoHousing(TDemoContext& context) {
  TDemoTableWriter faci(context.Db(), QStringLiteral("CFGFACI"));
  TDemoTableWriter dorms(context.Db(), QStringLiteral("CFGDORMS"));
  TDemoTableWriter cells(context.Db(), QStringLiteral("CFGCELL"));
  TDemoTableWriter beds(context.Db(), QStringLiteral("CFGBED"));
  int key = 0;

  for (const TFacilityPlan& plan : FacilityPlans()) {
    TDemoFacility facility;
    facility.Id = QLatin1String(plan.Id);
    facility.Desc = QLatin1String(plan.Desc);
    facility.ActiveTarget = context.Sized(plan.PerScale, plan.AtScaleZero);
    const int facilityIndex = int(context.Facilities.size());
    // About an eighth of the beds stay empty, so the cell listings have
    // empty beds to show.
    const int capacity = int(std::ceil(facility.ActiveTarget / 0.87)) + 2;

    for (const TDormPlan& dormPlan : plan.Dorms) {
      const int dormIndex = int(facility.Dorms.size());
      facility.Dorms.push_back(
          {QLatin1String(dormPlan.Code), QLatin1String(dormPlan.Desc), dormPlan.Housing});
      const int dormBeds = std::max(dormPlan.BedsPerCell, capacity * dormPlan.Share / 100 + 1);
      const int cellCount = (dormBeds + dormPlan.BedsPerCell - 1) / dormPlan.BedsPerCell;
      dorms.Set("FACILITYID", facility.Id)
          .Set("DormCode", dormPlan.Code)
          .Set("DormDesc", dormPlan.Desc)
          .Set("CAPACITY", cellCount * dormPlan.BedsPerCell)
          .Set("UNIQUEKEY", DemoFixedKey("DORM", ++key));
      dorms.Insert();

      for (int c = 0; c < cellCount; ++c) {
        const QString floor =
            dormPlan.Floors ? QString::number(c < (cellCount + 1) / 2 ? 1 : 2) : QString();
        const QString number = QString::number(c + 1).rightJustified(2, QLatin1Char('0'));
        const QString cellNo = QLatin1String(dormPlan.Code) +
                               (floor.isEmpty() ? QStringLiteral("-") + number : floor + number);
        const QString cellKey = facility.Id + QLatin1Char('-') + cellNo;
        cells.Set("CellKey", cellKey)
            .Set("FACILITYID", facility.Id)
            .Set("Tower", QLatin1String(dormPlan.Tower))
            .Set("DORMCODE", dormPlan.Code)
            .Set("Floor", floor)
            .Set("CellNo", cellNo)
            .Set("CellDesc", QStringLiteral("Cell ") + cellNo)
            .Set("CAPACITY", dormPlan.BedsPerCell)
            .Set("UNIQUEKEY", DemoFixedKey("CELL", ++key));
        cells.Insert();
        for (int b = 0; b < dormPlan.BedsPerCell; ++b) {
          TDemoBed bed;
          bed.Facility = facilityIndex;
          bed.Dorm = dormIndex;
          bed.Tower = QLatin1String(dormPlan.Tower);
          bed.Floor = floor;
          bed.CellNo = cellNo;
          bed.CellKey = cellKey;
          bed.BedNo = QString::number(b + 1);
          // Single medical rooms carry no bed letter.
          bed.BedDesc = dormPlan.BedsPerCell == 1 ? QString() : QString(QChar('A' + b));
          beds.Set("CellKey", cellKey)
              .Set("BedNo", bed.BedNo)
              .Set("BedDesc", bed.BedDesc)
              .Set("UNIQUEKEY", DemoFixedKey("BED", ++key));
          beds.Insert();
          context.Beds.push_back(bed);
        }
      }
    }
    faci.Set("FACILITYID", facility.Id)
        .Set("FACILITYDESC", facility.Desc)
        .Set("ADDRESS", QStringLiteral("%1 NW LAKE JEFFERY RD").arg(389 + facilityIndex * 120))
        .Set("CITY", QStringLiteral("LAKE CITY"))
        .Set("STATE", QStringLiteral("FL"))
        .Set("ZIP", QStringLiteral("32055"))
        .Set("PHONE", QStringLiteral("386-758-%1").arg(1100 + facilityIndex * 10))
        .Set("CAPACITY", capacity)
        .Set("UNIQUEKEY", DemoFixedKey("FACI", facilityIndex + 1));
    faci.Insert();
    context.Facilities.push_back(facility);
  }
}

namespace {

void WriteCaseStatuses(TDemoContext& context) {
  TDemoTableWriter w(context.Db(), QStringLiteral("CFGCASST"));
  int key = 0;
  for (const TDemoCaseStatus& s : DemoCaseStatuses()) {
    w.Set("CASE_STATUS_CODE", s.Code)
        .Set("CASE_STATUS_DESC", s.Desc)
        .Set("LEVEL", s.Level)
        .Set("CASE_LEVEL_TYPE", s.LevelType)
        .Set("UNIQUEKEY", DemoFixedKey("CASST", ++key));
    w.Insert();
  }
}

void WriteReasons(TDemoContext& context) {
  TDemoTableWriter w(context.Db(), QStringLiteral("CfgCheckInOutReasons"));
  int key = 0;
  for (const TDemoReason& r : DemoCheckInOutReasons()) {
    w.Set("CheckInOutReasonCode", r.Code)
        .Set("CheckInOutReasonString", r.Text)
        .Set("ReasonIsForCheckIn", r.ForCheckIn)
        .Set("UniqueKey", DemoFixedKey("CIOR", ++key));
    w.Insert();
  }
}

void WriteStatutes(TDemoContext& context) {
  TDemoTableWriter afis(context.Db(), QStringLiteral("FSS_AFIS"));
  TDemoTableWriter choices(context.Db(), QStringLiteral("CfgUcrNibrsChoices"));
  TDemoTableWriter xref(context.Db(), QStringLiteral("FssUcrNibrsXref"));
  TDemoTableWriter category(context.Db(), QStringLiteral("FSS_Category"));
  // UCR offence classes (TypeID 1) and NIBRS codes (TypeID 2) the statutes
  // cross-reference, one of each per offence group.
  static const char* const kUcr[][3] = {
      {"32001", "23H", "13B"}, {"32002", "02", "11A"}, {"32003", "08", "13A"},
      {"32004", "21", "90D"},  {"32005", "18", "35A"}, {"32006", "10", "26A"},
      {"32007", "26", "90Z"},  {"32008", "23", "23H"}, {"32009", "17", "100"},
      {"32010", "05", "220"},  {"32011", "01", "09A"}, {"32012", "03", "120"}};
  int key = 0;
  QHash<QString, std::pair<QString, QString>> groupKeys;
  for (const auto& row : kUcr) {
    const QString ucrKey = DemoFixedKey("UCR", ++key);
    choices.Set("Code", row[1])
        .Set("Description", QStringLiteral("UCR ") + row[1])
        .Set("TypeID", 1);
    choices.Set("UniqueKey", ucrKey).Insert();
    const QString nibrsKey = DemoFixedKey("UCR", ++key);
    choices.Set("Code", row[2])
        .Set("Description", QStringLiteral("NIBRS ") + row[2])
        .Set("TypeID", 2);
    choices.Set("UniqueKey", nibrsKey).Insert();
    groupKeys.insert(QLatin1String(row[0]), {ucrKey, nibrsKey});
  }

  int chargeNum = 1000;
  for (const TDemoStatuteRow& row : DemoStatuteRows()) {
    TDemoStatute s;
    s.ChargeNum = ++chargeNum;
    s.Fsn = QLatin1String(row.Fsn);
    s.Acl = QLatin1String(row.Acl);
    s.Degree = QLatin1String(row.Degree);
    s.Code = QLatin1String(row.Code);
    s.Desc = QLatin1String(row.Desc);
    s.Group = QLatin1String(row.Group);
    s.Dv = row.Dv;
    afis.Set("ChargeNum", s.ChargeNum)
        .Set("FSN", s.Fsn)
        .Set("ACL", s.Acl)
        .Set("DEGREE", s.Degree)
        .Set("FCICCODE", s.Code)
        .Set("FSDESC", s.Desc)
        .Set("GROUPID", s.Group)
        .Set("DV", s.Dv)
        .Set("INACTIVE", false)
        .Set("UniqueKey", DemoFixedKey("AFIS", s.ChargeNum));
    afis.Insert();
    const auto keys = groupKeys.value(s.Group);
    xref.Set("ChargeNum", s.ChargeNum).Set("FK_Choice", keys.first).Set("TypeID", 1);
    xref.Set("UniqueKey", DemoFixedKey("XREF", ++key)).Insert();
    xref.Set("ChargeNum", s.ChargeNum).Set("FK_Choice", keys.second).Set("TypeID", 2);
    xref.Set("UniqueKey", DemoFixedKey("XREF", ++key)).Insert();
    category.Set("ChargeNum", s.ChargeNum).Set("ChoiceID", s.Group);
    category.Set("UniqueKey", DemoFixedKey("FCAT", s.ChargeNum)).Insert();
    context.Statutes.push_back(s);
  }
  // A retired statute stays in the table, marked inactive.
  afis.Set("ChargeNum", 999)
      .Set("FSN", QStringLiteral("316.1925"))
      .Set("ACL", QStringLiteral("M"))
      .Set("FCICCODE", QStringLiteral("RECKLESS OLD"))
      .Set("FSDESC", QStringLiteral("RECKLESS DRIVING (REPEALED TEXT)"))
      .Set("GROUPID", QStringLiteral("32004"))
      .Set("INACTIVE", true)
      .Set("UniqueKey", DemoFixedKey("AFIS", 999));
  afis.Insert();
}

void WriteSimpleCodes(TDemoContext& context) {
  int key = 0;
  {
    TDemoTableWriter w(context.Db(), QStringLiteral("CFGRACE"));
    for (const TDemoCode& c : DemoRaces()) {
      w.Set("RACE", c.Code).Set("DESCRIPTION", c.Desc);
      w.Set("UNIQUEKEY", DemoFixedKey("RACE", ++key)).Insert();
    }
  }
  {
    TDemoTableWriter w(context.Db(), QStringLiteral("CFGINMATESTATUS"));
    for (const TDemoCode& c : DemoInmateStatuses()) {
      w.Set("INMATESTATUS", c.Code).Set("INMATESTATUSDESC", c.Desc);
      w.Set("UNIQUEKEY", DemoFixedKey("INST", ++key)).Insert();
    }
  }
  {
    TDemoTableWriter w(context.Db(), QStringLiteral("CFGMOVE"));
    int n = 0;
    for (const TDemoPlace& p : DemoPlaces()) {
      w.Set("MOVEMENT", p.Name)
          .Set("DESCRIPT", p.Desc)
          .Set("CITY", p.City)
          .Set("STATE", QStringLiteral("FL"))
          .Set("IsMovement", p.Movement)
          .Set("IsLocation", !p.Movement)
          .Set("UNIQUEKEY", DemoFixedKey("MOVE", ++n));
      w.Insert();
    }
  }
  {
    TDemoTableWriter w(context.Db(), QStringLiteral("CfgIncidentTypes"));
    int n = 0;
    for (const TDemoCode& c : DemoIncidentTypes()) {
      w.Set("Code", c.Code).Set("Description", c.Desc);
      w.Set("UNIQUEKEY", DemoFixedKey("INCT", ++n)).Insert();
    }
  }
  {
    TDemoTableWriter w(context.Db(), QStringLiteral("CfgSpecialRequirements"));
    int n = 0;
    for (const TDemoRequirement& r : DemoSpecialRequirements()) {
      w.Set("Description", r.Desc).Set("MealService", r.MealService);
      w.Set("UniqueKey", DemoFixedKey("SREQ", ++n)).Insert();
    }
  }
  {
    TDemoTableWriter w(context.Db(), QStringLiteral("CFGMEDICATION"));
    for (const TDemoMedication& m : DemoMedications()) {
      w.Set("MEDICATIONNO", m.No).Set("MEDICATIONNAME", m.Name).Set("COST", m.Cost);
      w.Set("UNIQUEKEY", DemoFixedKey("MEDI", ++key)).Insert();
    }
  }
  {
    TDemoTableWriter w(context.Db(), QStringLiteral("CfgLabelPrinters"));
    w.Set("Description", QStringLiteral("Desk Jet Labels 3 x 10"))
        .Set("PrinterName", QStringLiteral("Booking Desk Printer"))
        .Set("PageWidth", 8.5)
        .Set("PageHeight", 11.0)
        .Set("MarginTop", 0.5)
        .Set("MarginBottom", 0.5)
        .Set("MarginLeft", 0.19)
        .Set("MarginRight", 0.19)
        .Set("ColumnCount", 3)
        .Set("ColumnPositions", QStringLiteral("0.19,2.94,5.69"))
        .Set("RowSpacing", 0.0)
        .Set("Portrait", true)
        .Set("UniqueKey", DemoFixedKey("LBLP", 1));
    w.Insert();
  }
}

void WriteStorage(TDemoContext& context) {
  TDemoTableWriter locations(context.Db(), QStringLiteral("CFGPROPL"));
  TDemoTableWriter containers(context.Db(), QStringLiteral("CFGPROPC"));
  int containerId = 0;
  for (const TDemoStorage& s : DemoStorages()) {
    locations.Set("LOCKEY", s.LocKey)
        .Set("LOCATIONCODE", s.Code)
        .Set("LOCATION", s.Location)
        .Set("ALLOW", s.Containers)
        .Set("ONLOC", s.Containers)
        .Set("AVAILABLE", true)
        .Set("DefaultLocation", s.LocKey == 1)
        .Set("UNIQUEKEY", DemoFixedKey("PROPL", s.LocKey));
    locations.Insert();
    for (int c = 1; c <= s.Containers; ++c) {
      ++containerId;
      containers.Set("CONTAINERID", containerId)
          .Set("LOCKEY", s.LocKey)
          .Set("LOCATIONCODE", s.Code)
          .Set("CONTAINER", QStringLiteral("BIN %1").arg(c, 3, 10, QLatin1Char('0')))
          .Set("AVAILABLE", true)
          .Set("UNIQUEKEY", DemoFixedKey("PROPC", containerId));
      containers.Insert();
    }
  }
}

void WriteStates(TDemoContext& context) {
  TDemoTableWriter w(context.Db(), QStringLiteral("CfgState"));
  int n = 0;
  QString usKey;
  // A country points at itself, so "the state's country" is the country.
  for (const TDemoCountry& c : DemoCountries()) {
    const QString key = DemoFixedKey("CTRY", ++n);
    if (QLatin1String(c.Code) == QLatin1String("US")) usKey = key;
    w.Set("Code", c.Code).Set("Description", c.Desc).Set("CountryFKey", key);
    w.Set("SCAAPCode", c.ScaapCode).Set("UniqueKey", key).Insert();
  }
  for (const TDemoCode& s : DemoStates()) {
    w.Set("Code", s.Code).Set("Description", s.Desc).Set("CountryFKey", usKey);
    w.Set("SCAAPCode", QStringLiteral("USA")).Set("UniqueKey", DemoFixedKey("STAT", ++n)).Insert();
  }
}

void WriteReportMenus(TDemoContext& context) {
  struct TReport {
    const char* Title;
    const char* File;
    bool Single;
    const char* Param;
    const char* Type;
    bool Default;
  };
  static const TReport kReports[] = {
      {"Jail Census", "JailCensus.rpt", false, "FacilityId", "JAILBOOKMISC", true},
      {"Monthly Bookings Summary", "MonthlyBookings.rpt", false, "FacilityId", "JAILBOOKMISC",
       false},
      {"Classification Overrides", "ClassOverrides.rpt", false, "FacilityId", "JAILBOOKMISC",
       false},
      {"Booking Sheet", "BookingSheet.rpt", true, "UniqueKey", "JAILBOOKMISC", false},
      {"Population Trend Chart", "PopulationTrend.rpt", false, "FacilityId", "JAILCHARTSMISC",
       false},
  };
  TDemoTableWriter reports(context.Db(), QStringLiteral("CfgReports"));
  TDemoTableWriter applies(context.Db(), QStringLiteral("CfgReportApplicability"));
  int n = 0;
  for (const TReport& r : kReports) {
    const QString key = DemoFixedKey("RPT", ++n);
    reports.Set("UniqueKey", key)
        .Set("Title", r.Title)
        .Set("FileName", r.File)
        .Set("SingleRecordRpt", r.Single)
        .Set("ReportNumParamName", r.Param);
    reports.Insert();
    applies.Set("FK_Report", key)
        .Set("ProgramGroup", QStringLiteral("JAIL"))
        .Set("ReportType", r.Type)
        .Set("DefaultReport", r.Default)
        .Set("UniqueKey", DemoFixedKey("RPTA", n));
    applies.Insert();
  }
}

void WriteSignatureConfiguration(TDemoContext& context) {
  TDemoTableWriter fields(context.Db(), QStringLiteral("CfgSignatureFields"));
  struct TBox {
    int Pos;
    const char* Caption;
    int Type;
  };
  static const TBox kBoxes[] = {
      {1, "Inmate Signature", 1}, {2, "Officer Signature", 2}, {3, "Witness Signature", 4}};
  for (const TBox& b : kBoxes) {
    fields.Set("UniqueKey", DemoFixedKey("SIGF", b.Pos))
        .Set("Pos", b.Pos)
        .Set("Caption", b.Caption)
        .Set("DeviceType", 0)
        .Set("SignatureField", QStringLiteral("SIGNATUREIMAGE"))
        .Set("BindingField", QStringLiteral("BINDINGINFO"))
        .Set("SignatureType", b.Type)
        .Set("ComPort", 1)
        .Set("Capture", true);
    fields.Insert();
  }
  TDemoTableWriter reports(context.Db(), QStringLiteral("CfgSignatureReports"));
  reports.Set("UniqueKey", QStringLiteral("38"))
      .Set("ReportName", QStringLiteral("Medical Screening"))
      .Set("ProgramGroup", QStringLiteral("JAIL"))
      .Set("Used", true)
      .Set("ShowSignatureFrameError", true)
      .Set("ExportType", QStringLiteral("PDF"))
      .Set("ReportDesigner", QStringLiteral("RB"))
      .Set("SubReportParamNames", QString());
  reports.Insert();
}

}  // namespace

void WriteDemoCodeTables(TDemoContext& context) {
  WriteCaseStatuses(context);
  WriteReasons(context);
  WriteStatutes(context);
  WriteSimpleCodes(context);
  WriteStorage(context);
  WriteStates(context);
  WriteReportMenus(context);
  WriteSignatureConfiguration(context);
}
