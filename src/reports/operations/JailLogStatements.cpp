#include "reports/operations/JailLogStatements.h"

#include "data/KsSQLText.h"

#include <QStringList>

namespace JailLogStatements {

namespace {

const QString kLogColumns = QStringLiteral(
    "SELECT jl.DOORMSCODE,jl.DOORMSDESC,jl.USERNAME,jl.PERNO,jl.FACILITY, "
    "jl.LOGCODE,jl.CODEDESC,jl.TIME,jl.DATE,jl.PRIORITY,jl.JAILLOGNO, jl.LOGENTRY,jl.OFFICER "
    "FROM JBLOG JL (READUNCOMMITTED) WHERE ");

const QString kStampedBetween =
    QStringLiteral("(dbo.JustTheDate(jl.DATE) + dbo.JustTheTime(jl.TIME) BETWEEN ");

// Every column the booking tables share, in the order the union lists them.
const char* const kBookingColumns[] = {
    "BOOKNO",
    "ECSOID",
    "CELLKEY",
    "OBTS",
    "OTHER",
    "LNAME",
    "FNAME",
    "MNAME",
    "TITLE",
    "DOB",
    "RACE",
    "SEX",
    "AGE",
    "HISPANIC",
    "HEIGHT",
    "WEIGHT",
    "HAIR",
    "EYES",
    "SSN",
    "LOCATION",
    "FACICODE",
    "FACILITY",
    "PHASE",
    "TOWER",
    "FLOOR",
    "POD",
    "CELLNO",
    "BED",
    "ESCAPERISK",
    "HIGHPROF",
    "SUICIDEW",
    "ISOLATION",
    "NAMERELEAS",
    "ALLOWVISIT",
    "ALLOWPHONE",
    "PHONEDATE",
    "PHONETIME",
    "TRUSTY",
    "BOOKDATE",
    "BOOKTIME",
    "CASESPEND",
    "TOTALSENTDAYS",
    "DONOTREL",
    "HOLDEXT",
    "RELDATE",
    "RELTIME",
    "RELSUPNAME",
    "RELOFFNAME",
    "RELOFFNO",
    "RELCOMMENT",
    "RELSTATUS",
    "RELESCAPE",
    "RELTXR",
    "RELTXRTO",
    "RELEXT",
    "RELEXTTO",
    "RELOTH",
    "RELOTHCOM",
    "RELCOURTORDER",
    "RELROR",
    "RELRORPER",
    "RELFUR",
    "RELCOURTAUTH",
    "RELFURPER",
    "RELFURRETD",
    "RELFURRETT",
    "RELTIMESERVED",
    "SUICIDESCR",
    "SUICCLASS",
    "KPFROMCOMMENTS",
    "KPFROM",
    "CELLLOCATION",
    "PROPITEMNO",
    "BONDJUDNAME",
    "BONDLEONAME",
    "BOOKBY",
    "RELIGION",
    "INMPICTURE",
    "OCCUPATION",
    "EMPLOYER",
    "EMPLOYERPHONE",
    "MAILINGADDRESS",
    "PHYSICALADDRESS",
    "PLACEOFBIRTH",
    "DRIVERLICENSENO",
    "PHONENO",
    "JUVENILE",
    "ADULT",
    "CITIZENSHIP",
    "SEXOFFENDER",
    "VIOLENT",
    "GENERALPOPULATION",
    "SPECIALSEGREGATION",
    "CLOSEOBSERVATION",
    "HIGHOBSERVATION",
    "LOWOBSERVATION",
    "FEDERAL",
    "HOLD",
    "HOUSENO",
    "CITY",
    "STATE",
    "ZIP",
    "PHONE",
    "PHOTOBY",
    "SEARCHBY",
    "PRINTBY",
    "STREET",
    "OTHERCOUNTY",
    "COUNTYNAME",
    "BONDOUT",
    "BONDOUTAMOUNT",
    "POWERNO",
    "DAYSSERVED",
    "IMAGE_TYPE",
    "CLASSCODE",
    "CLASSCODEDESC",
    "LASTUPDDATE",
    "LASTUPDUSERNAME",
    "LASTUPDFULLNAME",
    "ACCOUNT",
    "RELCARECENTER",
    "RELCARECENTERDESC",
    "INMATESTATUS",
    "INMATESTATUSDESC",
    "TRUSTYSTATUS",
    "RELDEMANDAGENCY",
    "RELDEMANDAGNCYDESC",
    "LASTRECLASSDATE",
    "LASTRECLASSTIME",
    "SID",
    "FBI_ID",
    "OCA_ID",
    "STATE_ID",
    "WEEKENER",
    "PRINTS",
    "HENRY",
    "GLBBONDAMOUNT",
    "GLBBONDJDGAMOUNT",
    "GLBBONDLEOAMOUNT",
    "WORKRELEASE",
    "WORKRELTYPE",
    "BOOKEDBYNO",
    "SEARCHEDBYNO",
    "PRINTSBYNO",
    "PHOTOBYNO",
    "RELSUPNO",
    "JURISDICTION",
    "JURISDICTIONCODE",
    "WARRANT",
    "SIGNATURE",
    "SIGNATURE2",
    "SIGNATURE3",
    "INS",
    "INSNUMBER",
    "INSCOUNTRYCODE",
    "VIC_UPDATE",
    "DOC",
    "SexualOffense",
    "SexualPredator",
    "BOOKTIMESTAMP",
    "CHECKEDIN",
    "InmateTimeServed",
    "InmateTimeWorked",
    "InmateReleaseTime",
    "FingerPrintStatus",
    "GLOBALSENTENCECOMMENTS",
    "MARITALSTATUS",
    "UNIQUEKEY",
};

QString BookingColumnList() {
  QStringList names;
  for (const char* name : kBookingColumns)
    names << QLatin1Char('[') + QString::fromLatin1(name) + QLatin1Char(']');
  return names.join(QStringLiteral(", "));
}

QString OrderBy(TLogOrder order) {
  switch (order) {
    case TLogOrder::loLogCode:
      return QStringLiteral(" ORDER BY jl.DOORMSCODE,jl.LOGCODE,jl.DATE,jl.TIME");
    case TLogOrder::loOfficer:
      return QStringLiteral(" ORDER BY jl.DOORMSCODE,jl.OFFICER,jl.DATE,jl.TIME");
    case TLogOrder::loLogNo:
      return QStringLiteral(" ORDER BY jl.DOORMSCODE,jl.JAILLOGNO,jl.DATE,jl.TIME");
    case TLogOrder::loDateTime:
      break;
  }
  return QStringLiteral(" ORDER BY jl.DOORMSCODE,jl.DATE,jl.TIME");
}

// The supervisor condition: the dorm date/time entries always choose one
// kind of entry; the plain date/time entry leaves supervisor entries out
// only when it attaches inmates.
QString SupervisorCondition(const TLogSelection& s) {
  if (s.Order != TLogOrder::loDateTime) return {};
  if (s.Dorm)
    return s.Supervisor ? QStringLiteral(" AND (SupervisorLog = 1) ")
                        : QStringLiteral(" AND (SupervisorLog = 0) ");
  return s.Linked ? QStringLiteral(" AND (SupervisorLog = 0) ") : QString();
}

// Two entries write the literal window without a blank before its
// parenthesis; the text is kept as they run it.
bool TightWindow(const TLogSelection& s) {
  return s.Dorm ? s.Order == TLogOrder::loLogCode : s.Order == TLogOrder::loOfficer;
}

QString Connector(bool sameDay) {
  return sameDay ? QStringLiteral("AND") : QStringLiteral("OR");
}

QString LogNumbersInWindow(const QString& start, const QString& end) {
  return QStringLiteral(
             "(SELECT jl.JAILLOGNO FROM JBLOG jl (READUNCOMMITTED) WHERE jl.JAILLOGNO = "
             "jr.JAILOGNO AND ") +
         kStampedBetween + start + QStringLiteral(" AND ") + end + QStringLiteral("))");
}

}  // namespace

bool UsesParameterWindow(const TLogSelection& s) {
  return !s.Linked && (s.Dorm || s.Order != TLogOrder::loDateTime);
}

QString LogEntries(const TLogSelection& s, bool sameDay, const QString& start, const QString& end) {
  QString sql = kLogColumns;
  if (s.Dorm)
    sql += QStringLiteral("DOORMSCODE >= :DOORMSCODE AND DOORMSCODE <= :DOORMSCODE2 AND ");
  sql += QStringLiteral("jl.FACICODE = :FACICODE");
  sql += SupervisorCondition(s);
  if (UsesParameterWindow(s)) {
    sql += QStringLiteral(
               " AND ((jl.DATE > :DATE AND jl.DATE < :DATE2) OR (jl.DATE = :DATE AND jl.TIME > "
               ":TIME) ") +
           Connector(sameDay) + QStringLiteral(" (jl.DATE = :DATE2 AND jl.TIME < :TIME2))");
  } else {
    sql += (TightWindow(s) ? QStringLiteral(" AND") : QStringLiteral(" AND ")) + kStampedBetween +
           start + QStringLiteral(" AND ") + end + QStringLiteral(")");
  }
  return sql + OrderBy(s.Order);
}

QString LinkedBookings(bool readUncommitted) {
  return QStringLiteral("SELECT jr.BOOKNO,jr.MNINO,jr.JAILOGNO FROM JL_JB_XREF jr ") +
         (readUncommitted ? QStringLiteral("(READUNCOMMITTED) ") : QString()) +
         QStringLiteral(
             "WHERE jr.JAILOGNO IN (SELECT jl.JAILLOGNO FROM JBLOG jl (READUNCOMMITTED) WHERE "
             "jl.JAILLOGNO = jr.JAILOGNO) ORDER BY jr.JAILOGNO,jr.BOOKNO");
}

QString LinkedInmates(bool dormEntry) {
  return QStringLiteral(
             "SELECT j.BOOKNO,j.ECSOID,j.LNAME, j.FNAME,j.MNAME,j.TITLE,j.FACILITY,j.NAMERELEAS "
             "FROM JAILBOOK j (READUNCOMMITTED) WHERE j.FACICODE = :FACICODE AND j.BOOKNO IN "
             "(SELECT jr.BOOKNO FROM JL_JB_XREF jr (READUNCOMMITTED) WHERE jr.BOOKNO = j.BOOKNO) "
             "UNION SELECT jh.BOOKNO,jh.ECSOID,jh.LNAME,jh.FNAME,jh.MNAME,jh.TITLE, "
             "jh.FACILITY,jh.NAMERELEAS FROM JBHISTO jh ") +
         (dormEntry ? QString() : QStringLiteral("(READUNCOMMITTED) ")) +
         QStringLiteral(
             "WHERE jh.FACICODE = :FACICODE AND jh.BOOKNO IN (SELECT jr.BOOKNO FROM JL_JB_XREF "
             "jr (READUNCOMMITTED) WHERE jr.BOOKNO = jh.BOOKNO)");
}

QString WindowLinks(const QString& start, const QString& end) {
  return QStringLiteral(
             "SELECT jr.BOOKNO,jr.MNINO,jr.JAILOGNO FROM JL_JB_XREF jr (READUNCOMMITTED) WHERE "
             "jr.JAILOGNO IN ") +
         LogNumbersInWindow(start, end) + QStringLiteral(" ORDER BY jr.BOOKNO,jr.JAILOGNO");
}

QString WindowBookings(const QString& start, const QString& end) {
  return QStringLiteral(
             "SELECT j.BOOKNO,j.ECSOID,j.LNAME, j.FNAME,j.MNAME, j.TITLE,j.FACILITY,j.NAMERELEAS "
             "FROM JAILBOOK j (READUNCOMMITTED) WHERE j.FACICODE = :FACICODE AND j.BOOKNO IN "
             "(SELECT jr.BOOKNO FROM JL_JB_XREF jr (READUNCOMMITTED) WHERE jr.JAILOGNO IN ") +
         LogNumbersInWindow(start, end) +
         QStringLiteral(
             ") UNION SELECT jh.BOOKNO,jh.ECSOID,jh.LNAME,jh.FNAME,jh.MNAME,jh.TITLE, "
             "jh.FACILITY,jh.NAMERELEAS FROM JBHISTO jh (READUNCOMMITTED) WHERE jh.FACICODE = "
             ":FACICODE AND jh.BOOKNO IN (SELECT jr.BOOKNO FROM JL_JB_XREF jr (READUNCOMMITTED) "
             "WHERE jr.JAILOGNO IN (SELECT jl.JAILLOGNO FROM JBLOG jl (READUNCOMMITTED) WHERE "
             "jl.JAILLOGNO = jr.JAILOGNO AND ") +
         kStampedBetween + start + QStringLiteral(" AND ") + end + QStringLiteral(")))");
}

QString WindowEntries(const QString& start, const QString& end) {
  return QStringLiteral(
             "SELECT jl.DOORMSCODE,jl.DOORMSDESC,jl.USERNAME,jl.FACILITY, "
             "jl.TIME,jl.DATE,jl.PRIORITY,jl.JAILLOGNO,jl.LOGENTRY, "
             "jl.PERNO,jl.LOGCODE,jl.CODEDESC,jl.OFFICER FROM JBLOG JL (READUNCOMMITTED) WHERE "
             "jl.FACICODE = :FACICODE AND ") +
         kStampedBetween + start + QStringLiteral(" AND ") + end +
         QStringLiteral(
             ") AND JL.JAILLOGNO IN (SELECT JR.JAILOGNO FROM JL_JB_XREF JR (READUNCOMMITTED) "
             "WHERE JR.JAILOGNO = JL.JAILLOGNO) ORDER BY jl.JAILLOGNO,jl.DATE,jl.TIME");
}

QString DormBookings(const TDormBookingRange& r) {
  using KsSQLText::QuotedStr;
  const QString columns = BookingColumnList();
  const QString day1 = QuotedStr(r.DateStart);
  const QString day2 = QuotedStr(r.DateEnd);
  return QStringLiteral(
             "SELECT A.LNAME, A.MNAME, A.FNAME, A.TITLE, A.ECSOID, A.BOOKNO,  A.FACILITY, "
             "A.NAMERELEAS,  B.DOORMSCODE, B.DOORMSDESC, B.USERNAME, B.PERNO, B.LOGCODE,  "
             "B.CODEDESC, B.TIME, B.DATE, B.OFFICER, B.PRIORITY, B.JAILLOGNO,  B.LOGENTRY,  "
             "C.MNINO  FROM  (SELECT ") +
         columns + QStringLiteral(" FROM JAILBOOK UNION ALL SELECT ") + columns +
         QStringLiteral(
             " FROM JBHISTO (READUNCOMMITTED)) A,  JBLOG B(READUNCOMMITTED), JL_JB_XREF C "
             "(READUNCOMMITTED) WHERE A.BOOKNO = C.BOOKNO AND B.JAILLOGNO = C.JAILOGNO  AND "
             "B.FACICODE = ") +
         QuotedStr(r.Facility.trimmed()) + QStringLiteral(" AND B.DOORMSCODE >= ") +
         QuotedStr(r.DormStart.trimmed()) + QStringLiteral(" AND B.DOORMSCODE <= ") +
         QuotedStr(r.DormEnd.trimmed()) + QStringLiteral(" AND ((B.DATE > ") + day1 +
         QStringLiteral(" AND B.DATE < ") + day2 + QStringLiteral(")") +
         QStringLiteral(" OR (B.DATE = ") + day1 + QStringLiteral(" AND B.TIME > ") +
         QuotedStr(QStringLiteral("12/30/1899 ") + r.TimeStart) + QStringLiteral(")") +
         QLatin1Char(' ') + Connector(r.DateStart == r.DateEnd) + QStringLiteral(" (B.DATE = ") +
         day2 + QStringLiteral(" AND B.TIME < ") +
         QuotedStr(QStringLiteral("12/30/1899 ") + r.TimeEnd) + QStringLiteral("))") +
         // By booking first, so that each booking prints as one group.
         QStringLiteral(" ORDER BY A.BOOKNO, B.JAILLOGNO, B.DATE, B.TIME");
}

}  // namespace JailLogStatements
