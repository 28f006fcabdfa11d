// The embedded schema: every table, view and column the program's statements
// name exists, with the types and collation the T-SQL layer relies on, and
// the views behave as the statements that read them expect.

#include "core/Exception.h"
#include "data/driver/DbTypes.h"
#include "data/sqlite/EmbeddedSchema.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/TsqlSqliteHooks.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Tables and views with the columns the program's statements and layouts
// use. Several medical column names contain blanks.
struct TInventory {
  const char* Table;
  const char* Columns;  // separated by commas
};

const TInventory kInventory[] = {
    {"JAILBOOK",
     "BOOKNO,ECSOID,UNIQUEKEY,LNAME,FNAME,MNAME,TITLE,DOB,AGE,SEX,RACE,HISPANIC,HEIGHT,WEIGHT,"
     "HAIR,EYES,SSN,SID,FBI_ID,INS,INSNUMBER,InsCountryCode,FACICODE,FACILITY,TOWER,FLOOR,POD,"
     "CELLKEY,CELLNO,BED,NAMERELEAS,BOOKDATE,BOOKTIME,RELDATE,RELTIME,INMATERELEASETIME,"
     "INMATETIMESERVED,JUVENILE,ADULT,CLASSCODE,CLASSCODEDESC,LASTRECLASSDATE,TRUSTY,TRUSTYSTATUS,"
     "WORKRELEASE,WORKRELTYPE,WEEKENER,CHECKEDIN,HOLD,KPFROM,KPFROMCOMMENTS,ALLOWVISIT,"
     "CLOSEOBSERVATION,HIGHOBSERVATION,LOWOBSERVATION,RELDEMANDAGNCYDESC,OCA_ID,JURISDICTION,"
     "INMATESTATUS,DOC,PublicRecord,INMPICTURE,HOUSENO,QUAD,STREET,CITY,STATE,ZIP,PHONENO,"
     "MAILINGADDRESS,PHYSICALADDRESS,OTHERCOUNTY,COUNTYNAME,InmatePhonePinNumber"},
    {"JBHISTO",
     "BOOKNO,RELDATE,RELTIME,RELOFFNAME,RELOFFNO,RELSUPNAME,RELSUPNO,RELCOMMENT,RELROR,BONDOUT,"
     "BONDOUTAMOUNT,RELCOURTORDER,RELCOURTAUTH,RELTXR,RELTXRTO,HOLDEXT,RELTIMESERVED,RELEXT,"
     "RELEXTTO,RELOTH,RELFUR,RELFURPER,RELFURRETD,RELFURRETT,RELRORPER,RELDEMANDAGENCY,"
     "RELCARECENTER,RELCARECENTERDESC,QUAD,PublicRecord"},
    {"JailBook_JBHisto_View",
     "BOOKNO,BOOKDATE,ECSOID,LNAME,FNAME,MNAME,TITLE,CELLNO,FACILITY,FACICODE,DOB,SEX,RACE,"
     "COUNTYNAME,NAMERELEAS,RELDATE,RELTIME,INSNUMBER"},
    {"VedaVavi", "BOOKNO,FACICODE,NAMERELEAS,InmateReleaseTime,WEEKENER,UNIQUEKEY,INMPICTURE"},
    {"JBCASE",
     "BOOKNO,ECSOID,CASENO,UNIQUEKEY,COURTCASENUM,COURT,JUDGE,STATUS,STATUSDESC,AGENCY,AGENCYNAME,"
     "ACTIVE,CANCEL,SEAL,COMMENTS,ARR_DATE,ARR_TIME,SENTEND,CASEGROUP,FIRSTAPPEARANCEDONE,"
     "AddDateTime,BONDNONE,BONDLEO,BONDLEOAUTH,BONDLEOAMOUNT,BONDJUD,BONJUDNAME,BONDJUDGEAMOUNT,"
     "BondAmount,AttorneyName,RetainPrivateAttorney,PublicDefenderAssigned,GivesUpAttorney,"
     "StatesUnableAffordAttor,NotQualifyForAttorn,UnDecidedOnAttorn,CASESTARTTIME,CASEENDTIME,"
     "CASEESTIMATEDENDTIME,CASELENGTH,CASECREDITFORTIMESERVED,CASETIMESERVED,CASETIMEWORKED,"
     "CASETIMECREDITED,CASETIMEREMAINING,CASETIMEPERWEEK,CASESCHEDULEIN,CASESCHEDULEOUT,"
     "CASERULINGTIME,CASEDOCFLAG,CASEGCGAINTIMEFLAG,CASEEXTRAGAINTIMEFLAG,CASEPARTTIMEFLAG,"
     "CASECOMPLETEFLAG,CASECIVILFLAG"},
    {"JBCHARGE",
     "BOOKNO,ECSOID,CASENO,CHARGENO,COUNTS,ACL,DV,FSN,FCICCODEV,FSDESC,CHRGDISPO,STATUSDESC,"
     "GROUPID,BONDCHARGEAMOUNT,UCR"},
    {"CFGCASST", "CASE_STATUS_CODE,LEVEL"},
    {"HighestCase", "BOOKNO,STATUS,LEVEL,UNIQUEKEY"},
    {"INMATETRACKING",
     "MNINo,BookNo,CheckInDate,CheckInTime,CheckOutDate,CheckOutTime,Location,NextLocation,Status,"
     "Exception,CheckInOfficerNo,CheckInOfficerName,CheckOutOfficerNo,CheckOutOfficerName,Comments,"
     "Active,UNIQUEKEY"},
    {"JBKpFrom",
     "BOOKNO,KPF_BOOKNO,KPF_MNINO,LNAME,FNAME,MNAME,KPFROM_INM_PIC,KPFROM_COMMENTS,VIC_UPDATE,"
     "UNIQUEKEY"},
    {"JBSpecialRequirements", "FK_JBUniqueKey,FK_SRUniqueKey,StartDate,EndDate"},
    {"CheckInOut",
     "CheckInOutId,BookNo,CheckInTime,CheckInReasonCode,CheckInOfficerName,CheckInOfficerNumber,"
     "CheckOutTime,CheckOutReasonCode,CheckOutOfficerName,CheckOutOfficerNumber"},
    {"CheckOutIn", "BookNo,CheckOutTime,CheckInTime,CheckOutReasonCode,CheckInReasonCode"},
    {"SENTENCEADJCASELIST", "BOOKNO,CASENO,ADJUSTMENTID"},
    {"SENTENCEADJUSTMENTS",
     "BOOKNO,ADJUSTMENTID,ADJUSTMENTTIME,ADJUSTMENTAMOUNT,ADJUSTMENTKIND,ADJUSTERNAME,ADJUSTERID,"
     "ADJUSTMENTCOMMENTS"},
    {"JURISDICTIONHISTORY", "BookNo,JURISDICTION,STARTDATE,STARTTIME,ENDDATE,ENDTIME"},
    {"JBLOG",
     "JAILLOGNO,DATE,TIME,DOORMSCODE,DOORMSDESC,LOGCODE,CODEDESC,OFFICER,PERNO,USERNAME,PRIORITY,"
     "LOGENTRY,FACICODE,FACILITY,SupervisorLog"},
    {"JL_JB_XREF", "JAILOGNO,BOOKNO,MNINO"},
    {"JBVISIT",
     "INM_BOOKNO,INM_ECSOID,VECSOID,LNAME,FNAME,MNAME,ALLOWED,DOB,SSN,RACE,SEX,WEIGHT,HEIGHT,EYES,"
     "HAIR,AGE,CITIZENSHIP,DRIVERLICENSENO,HOUSENU,QUAD,STREET,CITY,STATE,ZIP,PHONENUMBER,COMMENT,"
     "FACICODE,FACILITY,STATUS,DATE,EXPIRED,PERMANENTBAN,BANCOMMENT,USERNAME,RELATIONSHIP,ACTIVE,"
     "VPICTURE,COMPLETED,DLIMAGE,VISITNO,PRIORITY,CELLASSIGN,PLACEOFBIRTH,SID,FBI_ID,OCA_ID,PRINTS,"
     "STATE_ID,HENRY,CELLKEY,PHYSICALADDRESS,UNIQUEKEY,TIME,TIMEIN,TIMEOUT,VIC_UPDATE"},
    {"JBVSTLOG",
     "BOOKNO,ECSOID,ILNAME,IFNAME,IMNAME,CELLASSIGN,VECSOID,VLNAME,VFNAME,VMNAME,DATE,TIMEIN,"
     "TIMEOUT,COMPLETED,COMMENT,FACICODE,FACILITY,UniqueKey"},
    {"JBVisitScheduled", "JBVSTLogFKey,ScheduledDateTime"},
    {"JBMOVE",
     "BOOKNO,ECSOID,MOVENO,MOVEINT,SCHMOVDATE,SCHMOVTIME,DATE,TIME,DEST,COURT,JUDGE,CITY,STATE,"
     "VEHICLE,CellKey,FIRSTAPPEAR,TRANSREQ,COMPLETE,CANCELED,COMMENTS,FACICODE,FACILITY"},
    {"JBINCIDE",
     "INCIDENTNO,INCDATE,INCTIME,INCDATE2,INCTIMETO,REPTONDATE,REPORTONTIME,COMPLETED,SUPAPPROVE,"
     "INMATELNAME,INMATEFNAME,INMATEMNAME,SHORTDESC,FK_IncidentType,INCLOCATION,FK_CFGMOVE,"
     "REPOFFICERALLNAME,OFFPERNO,REPTSUPALLNAME,SUPPERNO,SECURITYSGTALLNAME,SECURITYSGTPERNO,"
     "SHIFTCOMMANDERALLNAME,SHIFTCOMMANDERPERNO,APPROVEDBYALLNAME,CONTRABAND,ATTACHED,SO_CONTACTED,"
     "VICTIMWILLCHARGE,DISCIPLINARYHEARING,WITNESS1,WITNESS2,CASENO,FACICODE,FACILITY"},
    {"JBINCPER",
     "INCIDENTNO,LNAME,FNAME,MNAME,PERECSOID,PERSONTYPE,ST_DATE,ST_TIME,STATEMENT,HAIR,EYES,SEX,"
     "RACE,HEIGHT,WEIGHT"},
    {"JBINCCHG", "INCIDENTNO,TYPEOFCHARGE,SHORTDESCRIPTION,COMMENTS,PENALTY"},
    {"JBINC_NAR",
     "INCIDENTNO,ADDDATE,ADDTIME,EDITDATE,EDITTIME,OFFICERNAME,REPTAKER,TYPE,NARRATIVE"},
    {"JBIPROP",
     "PROPERTYNO,PROPERTYINT,BOOKNO,ECSOID,GROUPID,COMMENTS,RECDATE,RECTIME,RECOFFNO,RECOFFNAME,"
     "RETDATE,RETTIME,RETOFFNO,RETOFFNAME,PROPRELEASE,RELEASETONAME,RELEASETOMNINO,LOCATION,"
     "LOCATIONCODE,LOCKEY,VIC_UPDATE,UNIQUEKEY"},
    {"JBPITEMS",
     "PROPITEMNO,PROPERTYNO,BOOKNO,ECSOID,GROUPID,QTY,DESCRIPTION,LOCATION,COMMENTS,CASH,"
     "CASHAMOUNT,CHECK,MONEYORDER,CHECKNUMBER,MONEYORDERNUM,RELEASE,RELEASETOMNI,CONTAINERID"},
    {"JBDISPLN",
     "DISPLNNO,EVENTNO,BOOKNO,MNINO,INMATE_NAME,CELLNO,INCIDENT_DATE,INCIDENT_TIME,RULE_NUM,"
     "RULE_CHARGE,INMATE_STATEMENT,OTHER_FACTS,COMMITTEE_FINDINGS,24HRS_EXPIRED,24HRS_EXPIRED_NO,"
     "HEARING_POSTPONED_INMATE_NA,INMATE_SIGNED_COMPCOPY_NO,SHIFTCOMMREVIEW_CMTS,INMATE_PRESENT_"
     "NO"},
    {"JBMEDVIS", "BOOKNO,MEDVISIT NO,MEDVISIT DATE,MEDVISIT TIME,VISIT REASON"},
    {"JBMEDS",
     "BOOKNO,MEDVISIT NO,PRESCRPTNO,PRESCRIPDATE,PRESCRIPTIME,PRESCRIBED BY,PRESCRIPTOTAL"},
    {"JBPMITEM",
     "PRESCRPTNO,MEDVISIT NO,PRESITEM_NO,MEDICATION_NAME,DATEFILLED,REFILLS,FILLEDBY,COST"},
    {"JBMEDLAB",
     "BOOKNO,MEDVISIT NO,LABTESTNO,LABTEST DATE,LABTEST TIME,LABCODE,TYPE LABTEST,LABCMTS"},
    {"JBMEDSVC",
     "BOOKNO,MEDVISIT NO,MEDSVCNO,SVC DATE,SVC TIME,SVCCODE,TYPE SVC,SVC LOC,SVC COST,SVC CMTS"},
    {"JBMEDAPT",
     "BOOKNO,MEDVISIT NO,FOLLOWUPNO,FOLLOWUP APPT DATE,FOLLOWUP APPT TIME,FOLLOWUP APPT LOC,"
     "FOLLOWUP APPT CMTS,COMPLETED"},
    {"JBMDLOG",
     "PRESCRPTNO,MEDVISIT NO,PRESITEM_NO,DISPENSENO,DATEDISP,TIMEDISP,QTYDISP,DISP_BY,DISPCMTS"},
    {"JBMEDI",
     "BOOKNO,MEDICALNO,MEDICALINT,RPTDATE,RPTTIME,CONSCIOUS,LOSTCONSIOUS,HEPATITS,SYSPHILIS,"
     "PLACEMENT_REMARKS,NextOfKinRelationship,EmergencyContactRelationship,EMERGENCYCONTZIPCODE"},
    {"JBAVERAGE", "AVERAGE,YEAR,UNIQUEKEY"},
    {"JBDOCTOTALS",
     "STATUS,STATUSDESC,JUVENILE,ADULT,SEX,RACE,SCANDATE,BOOKNO,UNIQUEKEY,CASE_LEVEL_TYPE"},
    {"JBDOCTEMP", "BOOKNO,STATUS,STATUSDESC,SEX,RACE,ADULT,JUVENILE,LEVEL,UNIQUEKEY"},
    {"JBDOCSUMMARY",
     "PrtLineNo,Agency,Case_Level_Type,Status,StatusDesc,Adult,Juvenile,Sex,ScanDate,UniqueKey,"
     "Day1,Day15,Day29,Day31,StatusTotal,StatusAvg"},
    {"AgencyBilling",
     "AgencyFKey,ChargeFirstDay,ChargeLastDay,ChargeCheckOut,ChargeCheckIn,Amount"},
    {"JBAttachments", "UniqueKey,AttachedToFKey,AddedByFKey,DateAdded,FileName,Attachment"},
    {"AttachmentSignatures", "UniqueKey,AttachmentFKey,Pos,SignatureType,SIGNATUREIMAGE"},
    {"CfgSignatureFields",
     "UniqueKey,Pos,Caption,DeviceType,SignatureField,BindingField,SignatureType,ComPort,Capture"},
    {"CfgSignatureReports",
     "UniqueKey,ReportName,ProgramGroup,Used,ShowSignatureFrameError,ExportType,ReportDesigner,"
     "SubReportParamNames"},
    {"CFGFACI", "FACILITYID,FACILITYDESC,UNIQUEKEY"},
    {"CFGDORMS", "UNIQUEKEY,DORMDESC,DormCode,FACILITYID"},
    {"CFGCELL", "UNIQUEKEY,CellKey,DORMCODE,FACILITYID,Tower,Floor,CellNo"},
    {"CFGBED", "CellKey,BedNo,BedDesc"},
    {"CFGINMATESTATUS", "INMATESTATUS"},
    {"CFGMOVE", "MOVEMENT,DESCRIPT,IsMovement,UNIQUEKEY"},
    {"CfgLabelPrinters",
     "Description,PageWidth,PageHeight,MarginTop,MarginBottom,MarginLeft,MarginRight,ColumnCount,"
     "RowSpacing,Portrait,ColumnPositions"},
    {"FSS_AFIS", "ChargeNum,FSN,ACL,INACTIVE"},
    {"FssUcrNibrsXref", "ChargeNum,TypeID"},
    {"CfgUcrNibrsChoices", "Code,TypeID"},
    {"FSS_Category", "ChargeNum,ChoiceID"},
    {"CfgCheckInOutReasons", "CheckInOutReasonCode,CheckInOutReasonString,ReasonIsForCheckIn"},
    {"CfgSpecialRequirements", "UniqueKey,Description,MealService"},
    {"CfgIncidentTypes", "UNIQUEKEY,Description"},
    {"CFGPROPL", "LOCKEY,LOCATIONCODE,LOCATION,ALLOW,ONLOC,AVAILABLE,DefaultLocation,UNIQUEKEY"},
    {"CFGPROPC", "CONTAINERID,LOCKEY,LOCATIONCODE,CONTAINER,AVAILABLE,UNIQUEKEY"},
    {"CFGMEDICATION", "MEDICATIONNO,MEDICATIONNAME,COST"},
    {"CFGRACE", "RACE"},
    {"CfgState", "Code,CountryFKey,UniqueKey"},
    {"CfgReports", "UniqueKey,Title,FileName,SingleRecordRpt,ReportNumParamName"},
    {"CfgReportApplicability", "FK_Report,ProgramGroup,ReportType,DefaultReport"},
    {"MNI", "ECSOID,WARACT,I_LEO"},
    {"ARREST",
     "ECSOID,WARRANTNO,WARSTATUS,ARRESTNO,SERVEBY,ARRESTTYPE,REPORTDATE,REPORTTIME,ARROFFNAME,"
     "ARROFFNO"},
};

// The booking columns in table order, as the all-columns statements list them.
const char kBookingColumns[] =
    "BOOKNO,ECSOID,CELLKEY,OBTS,OTHER,LNAME,FNAME,MNAME,TITLE,DOB,RACE,SEX,AGE,HISPANIC,HEIGHT,"
    "WEIGHT,HAIR,EYES,SSN,LOCATION,FACICODE,FACILITY,PHASE,TOWER,FLOOR,POD,CELLNO,BED,ESCAPERISK,"
    "HIGHPROF,SUICIDEW,ISOLATION,NAMERELEAS,ALLOWVISIT,ALLOWPHONE,PHONEDATE,PHONETIME,TRUSTY,"
    "BOOKDATE,BOOKTIME,CASESPEND,TOTALSENTDAYS,DONOTREL,HOLDEXT,RELDATE,RELTIME,RELSUPNAME,"
    "RELOFFNAME,RELOFFNO,RELCOMMENT,RELSTATUS,RELESCAPE,RELTXR,RELTXRTO,RELEXT,RELEXTTO,RELOTH,"
    "RELOTHCOM,RELCOURTORDER,RELROR,RELRORPER,RELFUR,RELCOURTAUTH,RELFURPER,RELFURRETD,RELFURRETT,"
    "RELTIMESERVED,SUICIDESCR,SUICCLASS,KPFROMCOMMENTS,KPFROM,CELLLOCATION,PROPITEMNO,BONDJUDNAME,"
    "BONDLEONAME,BOOKBY,RELIGION,INMPICTURE,OCCUPATION,EMPLOYER,EMPLOYERPHONE,MAILINGADDRESS,"
    "PHYSICALADDRESS,PLACEOFBIRTH,DRIVERLICENSENO,PHONENO,JUVENILE,ADULT,CITIZENSHIP,SEXOFFENDER,"
    "VIOLENT,GENERALPOPULATION,SPECIALSEGREGATION,CLOSEOBSERVATION,HIGHOBSERVATION,LOWOBSERVATION,"
    "FEDERAL,HOLD,HOUSENO,CITY,STATE,ZIP,PHONE,PHOTOBY,SEARCHBY,PRINTBY,STREET,OTHERCOUNTY,"
    "COUNTYNAME,BONDOUT,BONDOUTAMOUNT,POWERNO,DAYSSERVED,IMAGE_TYPE,CLASSCODE,CLASSCODEDESC,"
    "LASTUPDDATE,LASTUPDUSERNAME,LASTUPDFULLNAME,ACCOUNT,RELCARECENTER,RELCARECENTERDESC,"
    "INMATESTATUS,INMATESTATUSDESC,TRUSTYSTATUS,RELDEMANDAGENCY,RELDEMANDAGNCYDESC,"
    "LASTRECLASSDATE,LASTRECLASSTIME,SID,FBI_ID,OCA_ID,STATE_ID,WEEKENER,PRINTS,HENRY,"
    "GLBBONDAMOUNT,GLBBONDJDGAMOUNT,GLBBONDLEOAMOUNT,WORKRELEASE,WORKRELTYPE,BOOKEDBYNO,"
    "SEARCHEDBYNO,PRINTSBYNO,PHOTOBYNO,RELSUPNO,JURISDICTION,JURISDICTIONCODE,WARRANT,SIGNATURE,"
    "SIGNATURE2,SIGNATURE3,INS,INSNUMBER,INSCOUNTRYCODE,VIC_UPDATE,DOC,SexualOffense,"
    "SexualPredator,BOOKTIMESTAMP,CHECKEDIN,InmateTimeServed,InmateTimeWorked,InmateReleaseTime,"
    "FingerPrintStatus,GLOBALSENTENCECOMMENTS,MARITALSTATUS,UNIQUEKEY";

class SchemaTest : public testing::Test {
 protected:
  void SetUp() override {
    // The text columns are declared COLLATE TSQL: the collation must be on
    // the connection before the schema can be created.
    InstallTsqlLayer();
    ASSERT_TRUE(FDir.isValid());
    FDb = CreateSqliteDatabase(FDir.filePath(QStringLiteral("schema.db")));
    FDb->StartTransaction();
    ApplyEmbeddedSchema(*FDb);
    FDb->Commit();
  }

  // Column names of a table or view, in order.
  QStringList Columns(const QString& table) {
    QStringList names;
    for (const auto& row : Native("SELECT name FROM pragma_table_info(?1)", {table}).Rows)
      names << row[0].toString();
    return names;
  }

  TDbResult Native(const char* sql, const std::vector<QVariant>& values = {}) {
    return FDb->ExecuteNative(QString::fromUtf8(sql), values);
  }

  QTemporaryDir FDir;
  std::unique_ptr<TSqliteConnection> FDb;
};

TEST_F(SchemaTest, EveryTableAndColumnTheProgramNamesExists) {
  QStringList missing;
  for (const TInventory& entry : kInventory) {
    const QString table = QString::fromLatin1(entry.Table);
    QStringList present;
    for (const QString& c : Columns(table)) present << c.toUpper();
    if (present.isEmpty()) {
      missing << table;
      continue;
    }
    for (const QString& column : QString::fromLatin1(entry.Columns).split(QLatin1Char(',')))
      if (!present.contains(column.toUpper())) missing << table + QLatin1Char('.') + column;
  }
  EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char(' ')).toStdString();
}

TEST_F(SchemaTest, BookingsAndTheirHistoryHaveTheDocumentedColumnsInTheSameOrder) {
  // Statements unite the two tables column for column and list all booking
  // columns in table order.
  const QStringList documented = QString::fromLatin1(kBookingColumns).split(QLatin1Char(','));
  ASSERT_EQ(documented.size(), 168);
  const QStringList jailbook = Columns(QStringLiteral("JAILBOOK"));
  EXPECT_EQ(jailbook.mid(0, 168), documented);
  EXPECT_EQ(Columns(QStringLiteral("JBHISTO")), jailbook);
  const TDbResult types = Native(
      "SELECT a.name, a.type, b.type FROM pragma_table_info('JAILBOOK') a "
      "JOIN pragma_table_info('JBHISTO') b ON a.cid = b.cid WHERE a.type <> b.type");
  EXPECT_TRUE(types.Rows.empty());
}

TEST_F(SchemaTest, EveryJailTableCarriesAUniqueKeyOf22Characters) {
  QStringList without;
  const QRegularExpression create(QStringLiteral("CREATE TABLE (\\w+)"));
  for (const TSchemaScript& script : EmbeddedSchemaScripts()) {
    if (!script.Name.startsWith(QLatin1Char('1'))) continue;  // the jail's own scripts
    for (auto it = create.globalMatch(script.Sql); it.hasNext();) {
      const QString table = it.next().captured(1);
      const TDbResult key =
          Native("SELECT type FROM pragma_table_info(?1) WHERE upper(name) = 'UNIQUEKEY'", {table});
      if (key.Rows.empty() || !key.Rows[0][0].toString().contains(QLatin1String("(22)")))
        without << table;
    }
  }
  EXPECT_TRUE(without.isEmpty()) << without.join(QLatin1Char(' ')).toStdString();
}

TEST_F(SchemaTest, RowsInsertedWithoutAKeyGetAFreshOne) {
  Native("INSERT INTO JBLOG (JAILLOGNO) VALUES ('L1'), ('L2')");
  const TDbResult keys = Native("SELECT UNIQUEKEY FROM JBLOG ORDER BY JAILLOGNO");
  ASSERT_EQ(keys.Rows.size(), 2u);
  EXPECT_EQ(keys.Rows[0][0].toString().size(), 22);
  EXPECT_NE(keys.Rows[0][0], keys.Rows[1][0]);
}

TEST_F(SchemaTest, TextComparesWithoutCaseAndTrailingBlanksAsOnTheServer) {
  Native(
      "INSERT INTO JAILBOOK (BOOKNO, LNAME, FACICODE) VALUES "
      "('B1', 'smith  ', 'MAIN'), ('B2', 'Adams', 'main '), ('B3', 'BAKER', 'ANNX')");
  EXPECT_EQ(Native("SELECT BOOKNO FROM JAILBOOK WHERE LNAME = 'SMITH'").Rows.size(), 1u);
  EXPECT_EQ(Native("SELECT BOOKNO FROM JAILBOOK WHERE FACICODE = 'MAIN'").Rows.size(), 2u);
  const TDbResult ordered = Native("SELECT BOOKNO FROM JAILBOOK ORDER BY LNAME");
  ASSERT_EQ(ordered.Rows.size(), 3u);
  EXPECT_EQ(ordered.Rows[0][0].toString(), QStringLiteral("B2"));
  EXPECT_EQ(ordered.Rows[1][0].toString(), QStringLiteral("B3"));
}

TEST_F(SchemaTest, DeclaredTypesGiveTheFieldTypesTheProgramReads) {
  struct TCase {
    const char* Sql;
    TFieldType Type;
  };
  const TCase cases[] = {
      {"SELECT BOOKDATE FROM JAILBOOK", ftDateTime},
      {"SELECT BOOKTIME FROM JBHISTO", ftDateTime},
      {"SELECT NAMERELEAS FROM JAILBOOK", ftBoolean},
      {"SELECT INMPICTURE FROM JAILBOOK", ftGraphic},
      {"SELECT BONDOUTAMOUNT FROM JBHISTO", ftCurrency},
      {"SELECT AGE FROM JAILBOOK", ftInteger},
      {"SELECT InmateTimeServed FROM JAILBOOK", ftFloat},
      {"SELECT LNAME FROM JAILBOOK", ftString},
      {"SELECT LOGENTRY FROM JBLOG", ftMemo},
      {"SELECT [MEDVISIT DATE] FROM JBMEDVIS", ftDateTime},
      {"SELECT Attachment FROM JBAttachments", ftBlob},
      {"SELECT BOOKDATE FROM JailBook_JBHisto_View", ftDateTime},
      {"SELECT NAMERELEAS FROM VedaVavi", ftBoolean},
  };
  for (const TCase& c : cases) {
    const TDbResult result = Native(c.Sql);
    ASSERT_EQ(result.Columns.size(), 1u) << c.Sql;
    EXPECT_EQ(result.Columns[0].DataType, c.Type) << c.Sql;
  }
}

TEST_F(SchemaTest, TheBookingsViewListsEachBookingOnceAndTheCurrentRowWins) {
  Native(
      "INSERT INTO JAILBOOK (BOOKNO, NAMERELEAS, FACICODE) VALUES ('B1', 0, 'MAIN'), "
      "('B3', 1, 'MAIN')");
  Native(
      "INSERT INTO JBHISTO (BOOKNO, NAMERELEAS, FACICODE, RELDATE) VALUES "
      "('B2', 1, 'MAIN', '2015-03-05 00:00:00'), ('B3', 1, 'MAIN', '2015-03-06 00:00:00')");
  const TDbResult all = Native("SELECT BOOKNO, RELDATE FROM JailBook_JBHisto_View ORDER BY BOOKNO");
  ASSERT_EQ(all.Rows.size(), 3u);
  EXPECT_EQ(all.Rows[0][0].toString(), QStringLiteral("B1"));
  EXPECT_EQ(all.Rows[1][0].toString(), QStringLiteral("B2"));
  EXPECT_EQ(all.Rows[2][0].toString(), QStringLiteral("B3"));
  EXPECT_FALSE(all.Rows[2][1].isValid()) << "B3 comes from the current bookings";
  EXPECT_EQ(Native("SELECT BOOKNO FROM VedaVavi").Rows.size(), 2u);
}

TEST_F(SchemaTest, EveryCheckOutIsPairedWithTheReturnThatEndedIt) {
  // Stays of B1: booked, out to hospital at 22:00, back at 03:00, released.
  // B2 is out to court right now.
  Native(
      "INSERT INTO CheckInOut (CheckInOutId, BookNo, CheckInTime, CheckInReasonCode, "
      "CheckOutTime, CheckOutReasonCode) VALUES "
      "(1, 'B1', '2015-03-01 10:00:00', -1, '2015-03-05 22:00:00', 2), "
      "(2, 'B1', '2015-03-06 03:00:00', 12, '2015-03-07 09:00:00', -2), "
      "(3, 'B2', '2015-03-02 08:00:00', -1, '2015-03-07 08:30:00', 1)");
  const TDbResult pairs = Native(
      "SELECT BookNo, CheckOutTime, CheckOutReasonCode, CheckInTime, CheckInReasonCode "
      "FROM CheckOutIn ORDER BY BookNo, CheckOutTime");
  ASSERT_EQ(pairs.Rows.size(), 3u);
  struct TExpected {
    const char* BookNo;
    const char* Out;
    int OutReason;
    const char* In;  // nullptr: still out
    int InReason;
  };
  const TExpected expected[] = {
      {"B1", "2015-03-05 22:00:00", 2, "2015-03-06 03:00:00", 12},
      {"B1", "2015-03-07 09:00:00", -2, nullptr, 0},
      {"B2", "2015-03-07 08:30:00", 1, nullptr, 0},
  };
  for (size_t i = 0; i < 3; ++i) {
    const auto& row = pairs.Rows[i];
    EXPECT_EQ(row[0].toString(), QLatin1String(expected[i].BookNo)) << i;
    EXPECT_EQ(DbValue::DateTimeToCanonical(row[1].toDateTime()), QLatin1String(expected[i].Out));
    EXPECT_EQ(row[2].toInt(), expected[i].OutReason) << i;
    if (expected[i].In) {
      EXPECT_EQ(DbValue::DateTimeToCanonical(row[3].toDateTime()), QLatin1String(expected[i].In));
      EXPECT_EQ(row[4].toInt(), expected[i].InReason) << i;
    } else {
      EXPECT_FALSE(row[3].isValid()) << i;
    }
  }
}

}  // namespace
