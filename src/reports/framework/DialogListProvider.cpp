#include "reports/framework/DialogListProvider.h"

#include "data/KsSQLDatabase.h"
#include "data/KsSQLText.h"

using KsSQLText::QuotedStr;

namespace {

QString Text(const QVariant& value) {
  return value.isNull() ? QString() : value.toString();
}

void AppendPopulation(std::vector<TInmateRow>& rows, const TDbResult& result) {
  for (const auto& row : result.Rows)
    rows.push_back({Text(row[0]), Text(row[1]), Text(row[2]), Text(row[3])});
}

}  // namespace

TDialogListQueries::TDialogListQueries(TKsSQLDatabase* database, const QString& facilityId)
    : FDatabase(database), FFacilityId(facilityId) {}

QStringList TDialogListQueries::FirstColumn(const QString& sql) {
  std::vector<TDbParam> params;
  const TDbResult result = FDatabase->Execute(sql, params);
  QStringList values;
  for (const auto& row : result.Rows)
    if (!row.empty() && !row[0].isNull()) values << row[0].toString();
  return values;
}

QStringList TDialogListQueries::DormsFromPopulation() {
  return FirstColumn(
      QStringLiteral("SELECT DISTINCT POD FROM JAILBOOK (READUNCOMMITTED) WHERE (NAMERELEAS = 0 OR "
                     "NAMERELEAS IS NULL) AND POD IS NOT NULL AND FACICODE = ") +
      QuotedStr(FFacilityId.trimmed()));
}

QStringList TDialogListQueries::DormsFromLog() {
  return FirstColumn(
      QStringLiteral("SELECT DISTINCT DOORMSCODE FROM JBLOG (READUNCOMMITTED) WHERE DOORMSCODE IS "
                     "NOT NULL AND FACICODE = ") +
      QuotedStr(FFacilityId.trimmed()));
}

std::vector<TDestinationRow> TDialogListQueries::Destinations() {
  std::vector<TDbParam> params;
  const TDbResult result = FDatabase->Execute(
      QStringLiteral(
          "SELECT\n  *\nFROM\n  CFGMOVE\nWHERE \n  IsMovement = 1\nORDER BY\n  MOVEMENT"),
      params);
  int movement = -1, descript = -1;
  for (int i = 0; i < int(result.Columns.size()); ++i) {
    if (result.Columns[i].Name.compare(QLatin1String("MOVEMENT"), Qt::CaseInsensitive) == 0)
      movement = i;
    if (result.Columns[i].Name.compare(QLatin1String("DESCRIPT"), Qt::CaseInsensitive) == 0)
      descript = i;
  }
  std::vector<TDestinationRow> rows;
  if (movement < 0) return rows;
  for (const auto& row : result.Rows)
    rows.push_back({Text(row[movement]), descript < 0 ? QString() : Text(row[descript])});
  return rows;
}

std::vector<TCellRow> TDialogListQueries::Cells() {
  std::vector<TDbParam> params{
      {QStringLiteral("FacilityID"), ftString, ptInput, FFacilityId.trimmed()}};
  const QStringList lines{
      QStringLiteral("SELECT "),
      QStringLiteral("a.CellKey,"),
      QStringLiteral("Jail.DBO.fnks_GetCellDescription(a.CellKey) + "),
      QStringLiteral("CASE WHEN ISNULL (b.BedDesc, '') = '' THEN '' ELSE '*' + b.BedDesc END As "
                     "CellDescription"),
      QStringLiteral("FROM "),
      QStringLiteral("CfgCell a (READUNCOMMITTED)"),
      QStringLiteral("LEFT OUTER JOIN CfgBed b (READUNCOMMITTED) ON a.CellKey = b.CellKey"),
      QStringLiteral("WHERE"),
      QStringLiteral("FacilityID = :FacilityID"),
      QStringLiteral("ORDER BY "),
      QStringLiteral("CellDescription")};
  const TDbResult result = FDatabase->Execute(lines.join(QLatin1Char('\n')), params);
  std::vector<TCellRow> rows;
  for (const auto& row : result.Rows) rows.push_back({Text(row[0]), Text(row[1])});
  return rows;
}

std::vector<TAgencyBillingRow> TDialogListQueries::AgencyBilling() {
  const QStringList lines{QStringLiteral("Select"),
                          QStringLiteral("   AgencyFKey"),
                          QStringLiteral("  ,Org"),
                          QStringLiteral("  ,Org_Abbrev"),
                          QStringLiteral("  ,ChargeLastDay"),
                          QStringLiteral("  ,ChargeFirstDay"),
                          QStringLiteral("  ,ChargeCheckOut"),
                          QStringLiteral("  ,ChargeCheckIn"),
                          QStringLiteral("  ,Amount"),
                          QStringLiteral("from"),
                          QStringLiteral("AgencyBilling b join Cfg..CfgAgncy c on b.AgencyFKey = "
                                         "c.UniqueKey"),
                          QStringLiteral("Order by Org")};
  std::vector<TDbParam> params;
  const TDbResult result = FDatabase->Execute(lines.join(QLatin1Char('\n')), params);
  std::vector<TAgencyBillingRow> rows;
  for (const auto& row : result.Rows) {
    TAgencyBillingRow r;
    r.AgencyFKey = Text(row[0]);
    r.Org = Text(row[1]);
    r.OrgAbbrev = Text(row[2]);
    r.ChargeLastDay = row[3].toBool();
    r.ChargeFirstDay = row[4].toBool();
    r.ChargeCheckOut = row[5].toBool();
    r.ChargeCheckIn = row[6].toBool();
    r.Amount = row[7].toDouble();
    rows.push_back(r);
  }
  return rows;
}

std::vector<TInmateRow> TDialogListQueries::InmatePopulation(const QString& which) {
  // The facility code goes in as stored (not trimmed), quoted.
  const QString expunge = QuotedStr(QStringLiteral("EXPUNGE"));
  const QString facility = QuotedStr(FFacilityId);
  std::vector<TInmateRow> rows;
  std::vector<TDbParam> params;
  const bool all = which.compare(QLatin1String("All"), Qt::CaseInsensitive) == 0;
  if (all || which.compare(QLatin1String("Active"), Qt::CaseInsensitive) == 0) {
    rows.clear();
    AppendPopulation(
        rows,
        FDatabase->Execute(
            QStringLiteral("SELECT BOOKNO, LNAME, FNAME, MNAME FROM JAILBOOK (READUNCOMMITTED) "
                           "WHERE (NAMERELEAS = 0 OR NAMERELEAS IS NULL) AND ((LNAME <> ") +
                expunge + QStringLiteral(") OR (FNAME <> ") + expunge + QStringLiteral("))") +
                QStringLiteral(" AND FACICODE = ") + facility +
                QStringLiteral(" AND (LNAME+FNAME+MNAME NOT LIKE '%EXPUNGE%')") +
                QStringLiteral(" ORDER BY LNAME, FNAME, MNAME"),
            params));
  }
  if (all || which.compare(QLatin1String("Inactive"), Qt::CaseInsensitive) == 0) {
    rows.clear();
    AppendPopulation(
        rows, FDatabase->Execute(
                  QStringLiteral(
                      "SELECT BOOKNO, LNAME, FNAME, MNAME FROM JBHISTO (READUNCOMMITTED) WHERE "
                      "NAMERELEAS = 1 AND ((LNAME <> ") +
                      expunge + QStringLiteral(") OR (FNAME <> ") + expunge + QStringLiteral("))") +
                      QStringLiteral(" AND FACICODE = ") + facility +
                      QStringLiteral(" AND (LNAME+FNAME+MNAME NOT LIKE '%EXPUNGE%')  ") +
                      QStringLiteral(" ORDER BY LNAME,FNAME,MNAME"),
                  params));
  }
  return rows;
}
