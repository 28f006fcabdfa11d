#include "reports/inmates/InmateCountStatements.h"

#include "data/KsSQLText.h"

namespace InmateCountStatements {

namespace {

const QString kHeadCountSelect = QStringLiteral(
    "SELECT DISTINCT(c.STATUS),c.BOOKNO ,c.STATUSDESC,j.SEX,j.RACE, "
    "j.JUVENILE,j.ADULT,j.ECSOID,j.LNAME,j.FNAME,j.MNAME,j.TITLE, "
    "j.CELLNO,j.WORKRELEASE,j.WORKRELTYPE,j.TRUSTYSTATUS, "
    "j.CLASSCODE,j.CLASSCODEDESC,j.AGE,j.FACILITY FROM JBCASE c (READUNCOMMITTED) "
    "LEFT OUTER JOIN CFGCASST s (READUNCOMMITTED) ON s.CASE_STATUS_CODE = c.STATUS "
    "LEFT OUTER JOIN Jailbook j (READUNCOMMITTED) ON c.BOOKNO = j.BOOKNO "
    "WHERE (j.NAMERELEAS = 0 OR j.NAMERELEAS IS NULL) AND j.FACICODE = ");

const QString kRangeActive = QStringLiteral(
    "SELECT BOOKNO,BOOKDATE,SEX,BOOKTIME, FACILITY FROM jailbook (READUNCOMMITTED) WHERE "
    "FACICODE = ");
const QString kRangeInactive = QStringLiteral(
    "SELECT BOOKNO,BOOKDATE,SEX,BOOKTIME,FACILITY FROM jbhisto (READUNCOMMITTED) WHERE "
    "FACICODE = ");
const QString kRangeOrder = QStringLiteral(" ORDER BY BOOKDATE");

const QString kAsOfWhere = QStringLiteral(
    " WHERE FACICODE = :FACICODE AND ((BOOKDATE < :BOOKDATE) OR (BOOKDATE = :BOOKDATE AND "
    "BOOKTIME <= :BOOKTIME))");
const QString kAsOfGroupBy =
    QStringLiteral("GROUP BY BOOKNO,SEX,LNAME,FNAME,MNAME,TITLE,ECSOID,FACILITY");
const QString kAsOfSelect = QStringLiteral(
    "SELECT BOOKNO,SEX,LNAME,FNAME,MNAME,count(*) as number, TITLE,ECSOID,FACILITY FROM ");
const QString kAsOfBothSelect = QStringLiteral(
    "SELECT DISTINCT (BOOKNO),SEX,LNAME,FNAME,MNAME, TITLE,ECSOID,FACILITY,count(BOOKNO) as "
    "number FROM ");

}  // namespace

QString HeadCountAsOfNow(const QString& facility) {
  return kHeadCountSelect + KsSQLText::QuotedStr(facility) +
         QStringLiteral(
             " AND s.[LEVEL] IN (SELECT MIN(CFGCASST.[LEVEL]) FROM JBCASE "
             "(READUNCOMMITTED)") +
         QStringLiteral(" LEFT OUTER JOIN CFGCASST (READUNCOMMITTED)") +
         QStringLiteral(
             " ON JBCASE.STATUS = CFGCASST.CASE_STATUS_CODE WHERE JBCASE.BOOKNO = "
             "c.BOOKNO)") +
         QStringLiteral(" ORDER BY j.JUVENILE,c.STATUS,j.SEX,j.lname,j.fname,j.mname,j.RACE");
}

QString HeadCountDateRange() {
  return kHeadCountSelect +
         QStringLiteral(
             ":FACICODE AND BOOKDATE >= :DATESTART AND BOOKDATE <= :DATEEND AND s.[LEVEL] IN "
             "(SELECT MIN(CFGCASST.[LEVEL]) FROM JBCASE LEFT OUTER JOIN CFGCASST "
             "(READUNCOMMITTED) ON JBCASE.STATUS = CFGCASST.CASE_STATUS_CODE WHERE "
             "JBCASE.BOOKNO = c.BOOKNO) ORDER BY j.JUVENILE,c.STATUS,j.SEX,j.RACE");
}

QString RangeCount(TBookingSet set, const QString& facility, const QString& start,
                   const QString& end) {
  const QString filter = KsSQLText::QuotedStr(facility) +
                         QStringLiteral(
                             " AND (dbo.JustTheDate(BOOKDATE) + dbo.JustTheTime(BOOKTIME) "
                             "BETWEEN ") +
                         start + QStringLiteral(" AND ") + end + QStringLiteral(")");
  switch (set) {
    case TBookingSet::bsActive:
      return kRangeActive + filter + kRangeOrder;
    case TBookingSet::bsInactive:
      return kRangeInactive + filter + kRangeOrder;
    case TBookingSet::bsBoth:
      break;
  }
  return kRangeActive + filter + QStringLiteral(" UNION ALL ") + kRangeInactive + filter +
         kRangeOrder;
}

QString AsOfCount(TBookingSet set) {
  switch (set) {
    case TBookingSet::bsActive:
      return kAsOfSelect + QStringLiteral("JAILBOOK (READUNCOMMITTED)") + kAsOfWhere +
             QStringLiteral(" ") + kAsOfGroupBy + QStringLiteral(" ORDER BY SEX,LNAME,FNAME");
    case TBookingSet::bsInactive:
      return kAsOfSelect + QStringLiteral("jbhisto") + kAsOfWhere + QStringLiteral(" ") +
             kAsOfGroupBy + QStringLiteral(" ORDER BY SEX,LNAME,FNAME");
    case TBookingSet::bsBoth:
      break;
  }
  // No blank before the second GROUP BY: the closing parenthesis ends the
  // condition for the server.
  return QStringLiteral("(") + kAsOfBothSelect + QStringLiteral("jailbook") + kAsOfWhere +
         QStringLiteral(" ") + kAsOfGroupBy + QStringLiteral(" UNION ALL ") + kAsOfBothSelect +
         QStringLiteral("jbhisto (READUNCOMMITTED)") + kAsOfWhere + kAsOfGroupBy +
         QStringLiteral(") ORDER BY SEX,LNAME,FNAME,BOOKNO");
}

}  // namespace InmateCountStatements
