#include "config/dmJAILCFG.h"

#include "config/KsConfigInfo.h"
#include "config/KsMemIniFile.h"
#include "config/dmJailAdminReportsConfigFormats.h"
#include "core/Exception.h"
#include "core/RegionalFormats.h"
#include "core/UserPrompts.h"
#include "data/KsSQLText.h"

TdtmJAILCFG* dtmJAILCFG = nullptr;

void SetUpFacilityDialog(TKsLookupDialog& dialog, TKsCustomDataSet* facilities) {
  dialog.Caption = QStringLiteral("Select Your Facility");
  dialog.LookupTable = facilities;
  dialog.Columns = {{QStringLiteral("FACILITYID"), 10, QStringLiteral("Facility")},
                    {QStringLiteral("FACILITYDESC"), 45, QStringLiteral("Description")}};
  dialog.UpperCaseSearch = true;
  dialog.MaxHeight = 209;
}

TdtmJAILCFG::TdtmJAILCFG() : TdtmJAILCFG(nullptr) {}

TdtmJAILCFG::TdtmJAILCFG(TKsCustomConfigInfo* AConfigInfo) : FKsConfigInfo(AConfigInfo) {
  for (TKsSQLDatabase* db : {&dbJail, &dbCFG}) {
    db->SetKsConfigInfo(FKsConfigInfo.Get());
    db->SetLoginPrompt(false);
  }
  dbJail.SetProgramName(QStringLiteral("JAIL"));
  dbCFG.SetProgramName(QStringLiteral("CFG"));
  tblCFGFACI.SetConnection(&dbJail);
  tblCFGFACI.SetTableName(QStringLiteral("CFGFACI"));
  tblCfgLabelPrinters.SetConnection(&dbJail);
  tblCfgLabelPrinters.SetTableName(QStringLiteral("CfgLabelPrinters"));
  qryGeneric.SetConnection(&dbJail);
  SetUpFacilityDialog(dlstSelectFaci, &tblCFGFACI);
  SetUpFacilityDialog(dlstSelectMultiFaci, &tblCFGFACI);
  DataModuleCreate();
}

TdtmJAILCFG::~TdtmJAILCFG() = default;

void TdtmJAILCFG::DataModuleCreate() {
  try {
    ReadJailConfigFormats();
    tblCFGFACI.SetOrderFields(QStringLiteral("FACILITYID"));
    tblCfgLabelPrinters.SetOrderFields(QStringLiteral("Description"));
  } catch (const std::exception& e) {
    UserPrompts().ShowError(ExceptionMessage(e) +
                            QStringLiteral("\tOn: TdtmJAILCFG.DataModuleCreate"));
  }
}

void TdtmJAILCFG::ReadJailConfigFormats() {
  const QString file = FindJailConfigIni(*FKsConfigInfo.Get());
  if (file.isEmpty()) return;
  const TKsMemIniFile ini = TKsMemIniFile::Load(file);
  const QString section = QStringLiteral("SYSTEM");
  xsKSShortDateFormat = ini.ReadString(section, QStringLiteral("KSShortDateFormat"), {});
  xsKSLongDateFormat = ini.ReadString(section, QStringLiteral("KSLongDateFormat"), {});
  xsKSShortTimeFormat = ini.ReadString(section, QStringLiteral("KSShortTimeFormat"), {});
  xsKSLongTimeFormat = ini.ReadString(section, QStringLiteral("KSLongTimeFormat"), {});
  TRegionalFormats formats = RegionalFormats();
  if (!xsKSShortDateFormat.isEmpty()) formats.ShortDateFormat = xsKSShortDateFormat;
  if (!xsKSLongDateFormat.isEmpty()) formats.LongDateFormat = xsKSLongDateFormat;
  if (!xsKSShortTimeFormat.isEmpty()) formats.ShortTimeFormat = xsKSShortTimeFormat;
  if (!xsKSLongTimeFormat.isEmpty()) formats.LongTimeFormat = xsKSLongTimeFormat;
  SetRegionalFormats(formats);
}

void TdtmJAILCFG::CreateFacilityString(QString& Condition) {
  Condition.clear();
  try {
    if (!tblCFGFACI.Active()) tblCFGFACI.Open();
    xsFacilityString = QStringLiteral("AND (");
    std::vector<int> chosen;
    const bool confirmed = dlstSelectMultiFaci.ExecuteMulti(chosen);
    // Nothing to choose from would make "AND ()", which no statement accepts.
    if (tblCFGFACI.IsEmpty()) return;
    if (chosen.empty()) chosen.push_back(1);
    const int current = tblCFGFACI.RecNo();
    for (size_t i = 0; i < chosen.size(); ++i) {
      tblCFGFACI.SetRecNo(chosen[i]);
      xsFacilityString +=
          (i == 0 ? QStringLiteral(" FaciCode = ") : QStringLiteral(" OR FaciCode = ")) +
          KsSQLText::QuotedStr(tblCFGFACI.FieldByName(QStringLiteral("FacilityId")).AsString());
    }
    tblCFGFACI.SetRecNo(current);
    if (confirmed) Condition = xsFacilityString + QStringLiteral(")");
  } catch (const std::exception& e) {
    qryGeneric.Close();
    UserPrompts().ShowWarning(
        ExceptionMessage(e) +
        QStringLiteral(" Error On Procedure: TdtmJAILCFG.CreateFacilityString"));
  }
}
