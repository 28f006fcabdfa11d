#include "data/dmJailAdminReports.h"

#include "config/dmJAILCFG.h"
#include "config/dmJailAdminReportsConfig.h"
#include "config/dmMastCfg.h"
#include "core/Exception.h"
#include "core/UserPrompts.h"
#include "data/KsDBLib.h"
#include "data/KsNewRecordKey.h"
#include "data/KsWorkstation.h"

#include <QStringList>

#include <cmath>

TdtmJailAdminReports* dtmJailAdminReports = nullptr;

namespace {

QStringList BookingSelect(const QString& table) {
  return {
      QStringLiteral("SELECT"),
      QStringLiteral("  UNIQUEKEY, BOOKNO, ECSOID, LNAME, FNAME, MNAME, TITLE, DOB, RACE, SEX,"),
      QStringLiteral("  AGE, FACICODE, CELLNO, BOOKDATE, BOOKTIME, RELDATE, RELTIME, ADULT,"),
      QStringLiteral("  CASE WHEN ADULT = 1 THEN '' ELSE 'JUV' END AS typeofinmate"),
      QStringLiteral("FROM"),
      QStringLiteral("  ") + table};
}

// The orderings the inmate lookups offer.
void AddBookingIndexes(TKsMSSearchQuery& query) {
  query.SetAutoLoadIndexDefs(false);
  TIndexDefs& indexes = query.IndexDefs();
  indexes.Clear();
  indexes.Add(QStringLiteral("FNAME"), QStringLiteral("FNAME"), ixCaseInsensitive);
  indexes.Add(QStringLiteral("JBNNO"), QStringLiteral("BOOKNO"), ixCaseInsensitive);
  indexes.Add(QStringLiteral("LNAME"), QStringLiteral("LNAME;FNAME;MNAME"), ixCaseInsensitive);
  indexes.Add(QStringLiteral("MNAME"), QStringLiteral("MNAME"), ixCaseInsensitive);
  indexes.Add(QStringLiteral("MNINO"), QStringLiteral("ECSOID"), ixCaseInsensitive);
}

double DaysBetween(const QDateTime& from, const QDateTime& to) {
  return double(from.msecsTo(to)) / (24.0 * 60 * 60 * 1000);
}

}  // namespace

TdtmJailAdminReports::TdtmJailAdminReports() : TdtmJailAdminReports(nullptr) {}

TdtmJailAdminReports::TdtmJailAdminReports(TKsCustomConfigInfo* AConfigInfo)
    : FKsConfigInfo(AConfigInfo) {
  const auto connect = [this](TKsSQLDatabase& db, const char* program) {
    db.SetKsConfigInfo(FKsConfigInfo.Get());
    db.SetProgramName(QString::fromLatin1(program));
    db.SetLoginPrompt(false);
  };
  connect(dbJail, "JAIL");
  connect(dbArrest, "ARREST");
  connect(dbCFG, "CFG");

  for (TKsMSQuery* query :
       {&qryGeneric, &qryGeneric2, &qryGeneric3, &qryGeneric4, &qryGeneric5, &qryHeadCount})
    query->SetConnection(&dbJail);
  qryGeneric4.SetReadOnly(true);
  qryGeneric4.SetRecordLocksMake(false);

  tblJailTransLog.SetConnection(&dbJail);
  tblJailTransLog.SQL().SetLines(
      {QStringLiteral("Select top 5"),
       QStringLiteral("[KEY1], [KEY2], [KEY3], [NOTE1], [NOTE2], [NOTE3], [USER_ID], "),
       QStringLiteral("[USER_KEY], [EVENT], [EVENT_TABLE], [EVENT_STAMP], [EVENT_DATE], "),
       QStringLiteral("[EVENT_TIME], [UNIQUEKEY]"), QStringLiteral("From"),
       QStringLiteral("  JailTransLog (ReadUnCommitted)")});

  for (TKsMSSearchQuery* query : {&tblJailBook, &tblJailHistory, &qryLoadInmatePopulation}) {
    query->SetConnection(&dbJail);
    AddBookingIndexes(*query);
  }
  tblJailBook.SQL().SetLines(BookingSelect(QStringLiteral("JAILBOOK")));
  QStringList history = BookingSelect(QStringLiteral("JBHisto"));
  history << QStringLiteral("ORDER BY") << QStringLiteral("  BOOKNO");
  tblJailHistory.SQL().SetLines(history);
  qryLoadInmatePopulation.SQL().SetLines(
      {QStringLiteral("SELECT *"), QStringLiteral("FROM JAILBOOK")});

  tblAveStay.SetConnection(&dbJail);
  tblAveStay.SetTableName(QStringLiteral("JBAVERAGE"));
  tblAveStay.AfterInsert = [this](TKsCustomDataSet& ds) { AllDataSetsAfterInsert(ds); };

  SetUpFacilityDialog(dlstSelectFaci,
                      dtmJailAdminReportsConfig ? &dtmJailAdminReportsConfig->tblCFGFACI : nullptr);

  DataModuleCreate();
}

TdtmJailAdminReports::~TdtmJailAdminReports() = default;

void TdtmJailAdminReports::DataModuleCreate() {
  try {
    if (!dtmMastCfg)
      throw EDatabaseError(QStringLiteral("The master configuration module is not created."));
    TKsMSTable& choices = dtmMastCfg->tblCfgChoices;
    if (choices.Active())
      choices.Refresh();
    else
      choices.Open();
  } catch (const std::exception& e) {
    UserPrompts().ShowWarning(
        ExceptionMessage(e) +
        QStringLiteral(" / Procedure: TdtmJailAdminReports.DataModuleCreate"));
    return;
  }
  // The currency layout the program prints (symbol first without a blank, a
  // minus sign before the symbol) is the one FormatCurrency always writes,
  // so nothing is left to set here.
}

TFacilityInformation TdtmJailAdminReports::GetFacility() {
  return TFacilityInformation{xsFacilityDesc, xsFacilityID};
}

TUserInformation TdtmJailAdminReports::GetCurrentUser() {
  TUserInformation user;
  user.UserName = xsJBUserName;
  if (!xsJBUserName.isEmpty() && OnGetPersonnelNumber)
    user.UserId = OnGetPersonnelNumber(xsJBUserName);
  return user;
}

void TdtmJailAdminReports::WriteJailReportsTransLog(const QString& Key1, const QString& Key2,
                                                    TksTransEventType Event,
                                                    const QString& Event_Table,
                                                    const QString& Note2, const QString& Key3) {
  WriteReportsTransLogEntry(&tblJailTransLog, xsJBUserName, Key1, Key2, Event, Event_Table, Note2,
                            Key3);
}

int TdtmJailAdminReports::GetDaysServe(TKsCustomDataSet& stable, const QString& dBookDate,
                                       const QString& dRelDate) {
  if (stable.State() == dsEdit || stable.State() == dsInsert) return 0;
  const TField& book = stable.FieldByName(dBookDate);
  if (book.IsNull()) return 0;
  const TField& release = stable.FieldByName(dRelDate);
  const QDateTime end = release.IsNull() ? QDateTime(WorkstationNow().date(), QTime(0, 0), Qt::UTC)
                                         : release.AsDateTime();
  // Rounded as the suite rounds: halves to the even number.
  return int(std::fabs(std::nearbyint(DaysBetween(book.AsDateTime(), end))));
}

void TdtmJailAdminReports::AllDataSetsAfterInsert(TKsCustomDataSet& DataSet) {
  if (&DataSet != &tblAveStay) return;
  if (TField* key = DataSet.FindField(QStringLiteral("UNIQUEKEY")))
    key->SetAsString(NewUniqueKey());
}

void ResetScratchQuery(TKsCustomDataSet& query) {
  query.Close();
  query.UnPrepare();
  query.SQL().Clear();
  query.Params().Clear();
}
