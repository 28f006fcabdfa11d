#include "reports/inmates/dmInmNameLongRpt.h"

#include "config/dmJAILCFG.h"
#include "config/dmSharedINI.h"
#include "core/UserPrompts.h"
#include "data/utJailDateTimeLib.h"
#include "reports/framework/ReportRun.h"
#include "reports/inmates/InmateLongLayout.h"
#include "security/JailPermissions.h"

TdtmInmNameLongRpt* dtmInmNameLongRpt = nullptr;

void FreeInmNameLongRpt() {
  delete dtmInmNameLongRpt;
  dtmInmNameLongRpt = nullptr;
}

namespace {

// The statements are fixed texts; the run fills in their macros.
QString RowsStatement(const QString& table, const QString& caseMacro, const QString& rowFilter) {
  return QStringLiteral(
             "SELECT JB.Bookno, JB.ECSOID, JB.LName, JB.MName, JB.FName, JB.Title, JB.OCA_ID, "
             "JB.Hold, JB.FaciCode, JB.Sex, JB.Race, JB.Age, JB.DOB, JB.SSN, JB.Classcode, "
             "JB.ClasscodeDesc, JB.CellNo, JB.Facility, JB.WorkRelType, JB.Jurisdiction, "
             "JB.TrustyStatus, dbo.JustTheDate(JB.Bookdate) AS Bookdate, "
             "dbo.JustTheTime(JB.Booktime) AS BookTime, JB.InmateTimeServed, sq.CaseNo, "
             "sq.CourtCaseNum, sq.Active, sq.AgencyName, sq.Status, sq.Agency, sq.StatusDesc, "
             "sq.BondNone, sq.BondLeo, sq.BondLeoAuth, sq.BondLeoAmount, sq.BondJud, "
             "sq.BondChargeAmount, 'custodylevel' = CASE WHEN CLOSEOBSERVATION = 1 THEN 'MEDIUM' "
             "WHEN HIGHOBSERVATION = 1 THEN 'MAXIMUM' WHEN LOWOBSERVATION = 1 THEN 'MINIMUM' ELSE "
             "'' END ,sq.BonJudName, sq.BondJudgeAmount,sq.AttorneyName, sq.GivesUpAttorney, "
             "sq.RetainPrivateAttorney, sq.PublicDefenderAssigned,sq.StatesUnableAffordAttor, "
             "sq.NotQualifyForAttorn, sq.UnDecidedOnAttorn, sq.FCICCODEV, sq.FSN, sq.FSDESC, "
             "sq.ChrgDispo, sq.StatusDesc AS Expr1, sq.ChargeNo ,sq.Seal FROM ") +
         table +
         QStringLiteral(
             " JB (READUNCOMMITTED) LEFT OUTER JOIN ( SELECT C.BookNo ,C.CaseNo ,C.CourtCaseNum "
             ",C.Active ,C.AgencyName ,C.STATUS ,C.Agency ,C.StatusDesc ,C.BondNone ,C.BondLeo "
             ",C.BondLeoAuth ,C.BondLeoAmount ,C.BondJud ,CH.BondChargeAmount ,C.BonJudName "
             ",C.BondJudgeAmount ,C.AttorneyName ,C.GivesUpAttorney ,C.RetainPrivateAttorney "
             ",C.PublicDefenderAssigned ,C.StatesUnableAffordAttor ,C.NotQualifyForAttorn "
             ",C.UnDecidedOnAttorn ,CH.FCICCODEV ,CH.FSN ,CH.FSDESC ,CH.ChrgDispo ,CH.StatusDesc "
             "AS Expr1 ,CH.ChargeNo ,c.Seal FROM JBCASE C(READUNCOMMITTED) LEFT OUTER JOIN "
             "JBCHARGE CH(READUNCOMMITTED) ON CH.CaseNo = C.CaseNo AND CH.Bookno = C.Bookno WHERE "
             "1 = 1 &") +
         caseMacro + QStringLiteral(" ) sq on sq.BOOKNO = jb.BOOKNO ") + rowFilter +
         QStringLiteral(
             " ORDER BY JB.faciCode, JB.LName, JB.FName, JB.MName, JB.Bookno, JB.ECSOID, "
             "sq.CaseNo, sq.ChargeNo");
}

QString CountStatement(const QString& table, const QString& joinTail) {
  return QStringLiteral("SELECT A.FACICODE, Count(distinct c.bookno) AS InmCount FROM ") + table +
         QStringLiteral(
             " A (READUNCOMMITTED) inner JOIN (SELECT BOOKNO, CASENO, AGENCYNAME, ACTIVE, AGENCY, "
             "STATUS, STATUSDESC FROM JBCASE (READUNCOMMITTED) where 1=1 &MacroSealed) C ON "
             "A.BOOKNO = C.BOOKNO ") +
         joinTail + QStringLiteral(" GROUP BY a.FACICODE");
}

// Sets the macros the statement names; the others are not in its text.
void SetMacros(TKsCustomDataSet& query, const std::vector<std::pair<QString, QString>>& values) {
  for (const auto& [name, value] : values)
    if (TMacro* macro = query.FindMacro(name)) macro->SetValue(value);
}

}  // namespace

TdtmInmNameLongRpt::TdtmInmNameLongRpt() {
  for (TKsMSQuery* query :
       {&qryInmateLong, &qryInmateCount, &qryInactiveInmateLong, &qryInactiveInmateCount})
    UseConnection(*query);
  TInmateLongContext context{[this] { return xsJBUserName; }, [this] { return BondByLabel(); },
                             [this] { return FShowsSealedCases; }};
  BuildInmateLongLayout(rptInmateLong, ppInmateLong, ppInmateCount, Agency(), false, context);
  BuildInmateLongLayout(rptInactiveInmateLong, ppInactiveInmateLong, ppInactiveInmateCount,
                        Agency(), true, context);
}

TdtmInmNameLongRpt::~TdtmInmNameLongRpt() = default;

QString TdtmInmNameLongRpt::BondByLabel() {
  if (!FBondByLabel)
    FBondByLabel = dtmSharedINI ? dtmSharedINI->GetStringValue(QStringLiteral("UserStrings"),
                                                               QStringLiteral("BondByLabel"),
                                                               QStringLiteral("LEO"))
                                : QStringLiteral("LEO");
  return *FBondByLabel;
}

void TdtmInmNameLongRpt::InmateLongRpt() {
  PrintLong(false);
}

void TdtmInmNameLongRpt::InmateLongInactiveRpt() {
  PrintLong(true);
}

void TdtmInmNameLongRpt::PrintLong(bool inactive) {
  xbInActive = inactive;
  QString facilities;
  if (dtmJAILCFG) dtmJAILCFG->CreateFacilityString(facilities);
  THourglass hourglass;
  if (facilities.isEmpty()) return;
  switch (ShowChoiceDialog(
      QStringLiteral("Filter Report"), QStringLiteral("Which Cases you want to print ?"),
      {QStringLiteral(" All "), QStringLiteral(" Open "), QStringLiteral(" Closed ")})) {
    case 2:
      xsCaseActive = QStringLiteral(" AND C.Active = 1 ");
      break;
    case 3:
      xsCaseActive = QStringLiteral(" AND C.Active = 0 ");
      break;
    default:
      xsCaseActive.clear();
  }
  QString nameReleas;
  if (!inactive && !UserPrompts().ConfirmYes(QStringLiteral("Include checked out inmates?")))
    nameReleas = QStringLiteral("AND (NAMERELEAS = 0 or NAMERELEAS IS NULL)");

  const QString table = inactive ? QStringLiteral("JBHISTO") : QStringLiteral("JAILBOOK");
  const std::vector<std::pair<QString, QString>> macros = {
      {QStringLiteral("MacroFacilityString"), facilities},
      {QStringLiteral("MacroActiveCases"), xsCaseActive},
      {QStringLiteral("MacroInactiveActiveCases"), xsCaseActive},
      {QStringLiteral("MacroNameReleas"), nameReleas},
      {QStringLiteral("MacroSealed"), QString()},
  };
  try {
    TRunQuery rows(inactive ? qryInactiveInmateLong : qryInmateLong);
    TRunQuery counts(inactive ? qryInactiveInmateCount : qryInmateCount);
    if (inactive) {
      rows.Add(RowsStatement(table, QStringLiteral("MacroInactiveActiveCases"),
                             QStringLiteral("WHERE (JB.NAMERELEAS = 1 ) &MacroFacilityString")));
      counts.Add(CountStatement(
          table,
          QStringLiteral("AND (A.NAMERELEAS = 1) &MacroFacilityString &MacroInactiveActiveCases")));
    } else {
      rows.Add(RowsStatement(table, QStringLiteral("MacroActiveCases"),
                             QStringLiteral("WHERE 1 = 1 &MacroNameReleas &MacroFacilityString")));
      counts.Add(CountStatement(
          table, QStringLiteral("&MacroFacilityString &MacroNameReleas &MacroActiveCases")));
    }
    SetMacros(*rows, macros);
    SetMacros(*counts, macros);
    rows.Open();
    counts.Open();
    FShowsSealedCases = JailPermissionsReader::HasViewSealedFullAccess();
    const QString note =
        inactive ? QStringLiteral("Inactive Inmate Reports, By Name, Long (Cases/Charges) Report ")
                 : QStringLiteral("Inmate Reports, By Name, Long (Cases/Charges) Report ");
    PrintWhenRows(
        *rows,
        [this, &note] { WriteReportsTransLog({}, {}, etPrint, QStringLiteral("JBCASE"), note); },
        [this, inactive] { PrintReport(inactive ? rptInactiveInmateLong : rptInmateLong); },
        inactive ? QStringLiteral("No record were found for Inactive Inmates By Name Long")
                 : QStringLiteral("No record were found for Active Inmates By Name Long"));
  } catch (const std::exception& e) {
    UserPrompts().ShowWarning(ExceptionMessage(e));
  }
}
