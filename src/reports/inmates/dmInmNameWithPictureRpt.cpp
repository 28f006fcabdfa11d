#include "reports/inmates/dmInmNameWithPictureRpt.h"

#include "config/dmJAILCFG.h"
#include "core/UserPrompts.h"
#include "data/utJailDateTimeLib.h"
#include "reports/framework/ReportRun.h"
#include "reports/inmates/InmDateRangeLayout.h"

namespace {

const QString kNotCheckedOut = QStringLiteral(" AND (NAMERELEAS = 0 or NAMERELEAS IS NULL) ");

}  // namespace

TdtmInmNameWithPictureRpt::TdtmInmNameWithPictureRpt() {
  for (TKsMSQuery* query : {&qryInmDateRange, &qryInmDateRangeCount, &qryInactiveInmDateRange})
    UseConnection(*query);
  TInmDateRangeContext context;
  context.UserName = [this] { return xsUserName; };
  context.RangeFrom = [this] { return xsDateStart + QLatin1Char(' ') + xsTimeStart; };
  context.RangeTo = [this] { return xsDateEnd + QLatin1Char(' ') + xsTimeEnd; };
  context.RowCount = [this] { return QString::number(qryInactiveInmDateRange.RecordCount()); };
  BuildInmDateRangeLayout(rptInmDateRange, ppInmDateRange, ppInmDateRangeCount, Agency(), context);
  BuildInactiveInmDateRangeLayout(rptInacitveInmDateRange, ppInactiveInmDateRange, Agency(),
                                  context);
}

TdtmInmNameWithPictureRpt::~TdtmInmNameWithPictureRpt() = default;

QString TdtmInmNameWithPictureRpt::FacilityFilter() const {
  // A cancelled picker leaves the roster to cover every facility.
  QString facilities;
  if (dtmJAILCFG) dtmJAILCFG->CreateFacilityString(facilities);
  return facilities;
}

QString TdtmInmNameWithPictureRpt::RangeClause() const {
  return QStringLiteral(" AND (dbo.JustTheDate(BOOKDATE) + dbo.JustTheTime(BOOKTIME) BETWEEN ") +
         GetSQLTimeStamp(xsDateStart, xsTimeStart, false) + QStringLiteral(" AND ") +
         GetSQLTimeStamp(xsDateEnd, xsTimeEnd, true) + QStringLiteral(")");
}

void TdtmInmNameWithPictureRpt::PrintRosterWithPictures() {
  THourglass hourglass;
  const QString facilities = FacilityFilter();
  const bool includeCheckedOut =
      UserPrompts().ConfirmYes(QStringLiteral("Include checked out inmates?"));
  const QString range = RangeClause();

  TRunQuery rows(qryInmDateRange);
  rows.Add(QStringLiteral(
      "SELECT LName, FName, MName, Title, BookNo, ECSOID, BookDate, BookTime, CellKey, Facicode,  "
      "DOB,TrustyStatus, ClassCode, CellNo, RelDemandAgncyDesc, Facility, Hold, InmPicture"));
  rows.Add(QStringLiteral(" FROM JAILBOOK  (READUNCOMMITTED) WHERE 1 = 1 "));
  if (!includeCheckedOut) rows.Add(kNotCheckedOut);
  rows.Add(facilities);
  rows.Add(range + QStringLiteral(" ORDER BY FACICODE, BOOKDATE,LNAME,FNAME,MNAME"));

  // Counted over every facility; the layout shows the one being printed.
  TRunQuery counts(qryInmDateRangeCount);
  counts.Add(QStringLiteral("SELECT FaciCode, Count(*) As InmCount"));
  counts.Add(QStringLiteral(" FROM JAILBOOK  (READUNCOMMITTED) WHERE 1 = 1 "));
  if (!includeCheckedOut) counts.Add(kNotCheckedOut);
  counts.Add(range + QStringLiteral(" GROUP BY FACICODE"));

  if (!rows.Open()) return;
  counts.Open();
  WriteReportsTransLog(
      {}, {}, etPrint, QStringLiteral("JAILBOOK"),
      QStringLiteral("Inmate Reports, By Name, Specify Date/Time Range with Picture"));
  PrintReport(rptInmDateRange);
}

void TdtmInmNameWithPictureRpt::PrintInactiveRosterWithPictures() {
  THourglass hourglass;
  const QString facilities = FacilityFilter();
  TRunQuery rows(qryInactiveInmDateRange);
  rows.Add(QStringLiteral(
      "SELECT LName, FName, MName, Title, BookNo, ECSOID, BookDate, BookTime, CellKey,FaciCode, "
      "DOB,TrustyStatus, ClassCode, CellNo, RelDemandAgncyDesc, Facility, Hold, InmPicture FROM "
      "JBHISTO WHERE NAMERELEAS = 1"));
  rows.Add(facilities);
  rows.Add(RangeClause() + QStringLiteral(" ORDER BY BOOKDATE,LNAME,FNAME,MNAME"));
  if (!rows.Open()) return;
  WriteReportsTransLog(
      {}, {}, etPrint, QStringLiteral("JAILBOOK"),
      QStringLiteral("Inactive Inmate Reports, By Name, Specify Date/Time Range with Picture"));
  PrintReport(rptInacitveInmDateRange);
}
