-- Jail database: bookings, cases and charges, and what hangs off a booking
-- (keep-from list, special requirements, sentence adjustments, jurisdiction
-- periods, whereabouts, check-in/out).
--
-- Conventions of the suite's tables: every row carries a 22-character
-- UNIQUEKEY (generated here when an insert leaves it out); dates and times
-- of day are separate DATETIME columns in the canonical text form
-- 'YYYY-MM-DD HH:MM:SS[.fff]', a time of day stored on 1899-12-30; flags are
-- BIT (0 and NULL both false); text compares case-insensitively and ignores
-- trailing blanks (COLLATE TSQL), as on the suite's SQL Server.

-- Current bookings: in custody, or checked out for a while (NAMERELEAS 1).
-- The column order is the table order the all-columns statements rely on;
-- JBHISTO has exactly the same columns in the same order.
CREATE TABLE JAILBOOK (
  BOOKNO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  ECSOID                  VARCHAR(15) COLLATE TSQL,
  CELLKEY                 VARCHAR(22) COLLATE TSQL,
  OBTS                    VARCHAR(15) COLLATE TSQL,
  OTHER                   VARCHAR(30) COLLATE TSQL,
  LNAME                   VARCHAR(30) COLLATE TSQL,
  FNAME                   VARCHAR(20) COLLATE TSQL,
  MNAME                   VARCHAR(20) COLLATE TSQL,
  TITLE                   VARCHAR(5) COLLATE TSQL,
  DOB                     DATETIME,
  RACE                    VARCHAR(2) COLLATE TSQL,
  SEX                     VARCHAR(1) COLLATE TSQL,
  AGE                     INT,
  HISPANIC                BIT,
  HEIGHT                  VARCHAR(5) COLLATE TSQL,
  WEIGHT                  VARCHAR(5) COLLATE TSQL,
  HAIR                    VARCHAR(3) COLLATE TSQL,
  EYES                    VARCHAR(3) COLLATE TSQL,
  SSN                     VARCHAR(15) COLLATE TSQL,
  LOCATION                VARCHAR(30) COLLATE TSQL,
  FACICODE                VARCHAR(10) COLLATE TSQL,
  FACILITY                VARCHAR(50) COLLATE TSQL,
  PHASE                   VARCHAR(10) COLLATE TSQL,
  TOWER                   VARCHAR(10) COLLATE TSQL,
  FLOOR                   VARCHAR(10) COLLATE TSQL,
  POD                     VARCHAR(10) COLLATE TSQL,
  CELLNO                  VARCHAR(50) COLLATE TSQL,
  BED                     VARCHAR(10) COLLATE TSQL,
  ESCAPERISK              BIT,
  HIGHPROF                BIT,
  SUICIDEW                BIT,
  ISOLATION               BIT,
  NAMERELEAS              BIT,
  ALLOWVISIT              BIT,
  ALLOWPHONE              BIT,
  PHONEDATE               DATETIME,
  PHONETIME               DATETIME,
  TRUSTY                  BIT,
  BOOKDATE                DATETIME,
  BOOKTIME                DATETIME,
  CASESPEND               INT,
  TOTALSENTDAYS           INT,
  DONOTREL                BIT,
  HOLDEXT                 BIT,
  RELDATE                 DATETIME,
  RELTIME                 DATETIME,
  RELSUPNAME              VARCHAR(50) COLLATE TSQL,
  RELOFFNAME              VARCHAR(50) COLLATE TSQL,
  RELOFFNO                VARCHAR(10) COLLATE TSQL,
  RELCOMMENT              VARCHAR(255) COLLATE TSQL,
  RELSTATUS               VARCHAR(20) COLLATE TSQL,
  RELESCAPE               BIT,
  RELTXR                  BIT,
  RELTXRTO                VARCHAR(50) COLLATE TSQL,
  RELEXT                  BIT,
  RELEXTTO                VARCHAR(50) COLLATE TSQL,
  RELOTH                  BIT,
  RELOTHCOM               VARCHAR(100) COLLATE TSQL,
  RELCOURTORDER           BIT,
  RELROR                  BIT,
  RELRORPER               VARCHAR(50) COLLATE TSQL,
  RELFUR                  BIT,
  RELCOURTAUTH            VARCHAR(50) COLLATE TSQL,
  RELFURPER               VARCHAR(50) COLLATE TSQL,
  RELFURRETD              DATETIME,
  RELFURRETT              DATETIME,
  RELTIMESERVED           BIT,
  SUICIDESCR              INT,
  SUICCLASS               VARCHAR(5) COLLATE TSQL,
  KPFROMCOMMENTS          VARCHAR(255) COLLATE TSQL,
  KPFROM                  BIT,
  CELLLOCATION            VARCHAR(50) COLLATE TSQL,
  PROPITEMNO              VARCHAR(15) COLLATE TSQL,
  BONDJUDNAME             VARCHAR(50) COLLATE TSQL,
  BONDLEONAME             VARCHAR(50) COLLATE TSQL,
  BOOKBY                  VARCHAR(50) COLLATE TSQL,
  RELIGION                VARCHAR(20) COLLATE TSQL,
  INMPICTURE              IMAGE,
  OCCUPATION              VARCHAR(30) COLLATE TSQL,
  EMPLOYER                VARCHAR(50) COLLATE TSQL,
  EMPLOYERPHONE           VARCHAR(15) COLLATE TSQL,
  MAILINGADDRESS          VARCHAR(100) COLLATE TSQL,
  PHYSICALADDRESS         VARCHAR(100) COLLATE TSQL,
  PLACEOFBIRTH            VARCHAR(30) COLLATE TSQL,
  DRIVERLICENSENO         VARCHAR(20) COLLATE TSQL,
  PHONENO                 VARCHAR(15) COLLATE TSQL,
  JUVENILE                BIT,
  ADULT                   BIT,
  CITIZENSHIP             VARCHAR(30) COLLATE TSQL,
  SEXOFFENDER             BIT,
  VIOLENT                 BIT,
  GENERALPOPULATION       BIT,
  SPECIALSEGREGATION      BIT,
  CLOSEOBSERVATION        BIT,
  HIGHOBSERVATION         BIT,
  LOWOBSERVATION          BIT,
  FEDERAL                 BIT,
  HOLD                    BIT,
  HOUSENO                 VARCHAR(10) COLLATE TSQL,
  CITY                    VARCHAR(30) COLLATE TSQL,
  STATE                   VARCHAR(2) COLLATE TSQL,
  ZIP                     VARCHAR(15) COLLATE TSQL,
  PHONE                   VARCHAR(15) COLLATE TSQL,
  PHOTOBY                 VARCHAR(50) COLLATE TSQL,
  SEARCHBY                VARCHAR(50) COLLATE TSQL,
  PRINTBY                 VARCHAR(50) COLLATE TSQL,
  STREET                  VARCHAR(50) COLLATE TSQL,
  OTHERCOUNTY             BIT,
  COUNTYNAME              VARCHAR(30) COLLATE TSQL,
  BONDOUT                 BIT,
  BONDOUTAMOUNT           MONEY,
  POWERNO                 VARCHAR(15) COLLATE TSQL,
  DAYSSERVED              INT,
  IMAGE_TYPE              VARCHAR(5) COLLATE TSQL,
  CLASSCODE               VARCHAR(10) COLLATE TSQL,
  CLASSCODEDESC           VARCHAR(50) COLLATE TSQL,
  LASTUPDDATE             DATETIME,
  LASTUPDUSERNAME         VARCHAR(30) COLLATE TSQL,
  LASTUPDFULLNAME         VARCHAR(50) COLLATE TSQL,
  ACCOUNT                 VARCHAR(20) COLLATE TSQL,
  RELCARECENTER           BIT,
  RELCARECENTERDESC       VARCHAR(50) COLLATE TSQL,
  INMATESTATUS            VARCHAR(1) COLLATE TSQL,
  INMATESTATUSDESC        VARCHAR(30) COLLATE TSQL,
  TRUSTYSTATUS            VARCHAR(20) COLLATE TSQL,
  RELDEMANDAGENCY         BIT,
  RELDEMANDAGNCYDESC      VARCHAR(50) COLLATE TSQL,
  LASTRECLASSDATE         DATETIME,
  LASTRECLASSTIME         DATETIME,
  SID                     VARCHAR(15) COLLATE TSQL,
  FBI_ID                  VARCHAR(15) COLLATE TSQL,
  OCA_ID                  VARCHAR(20) COLLATE TSQL,
  STATE_ID                VARCHAR(15) COLLATE TSQL,
  WEEKENER                BIT,
  PRINTS                  BIT,
  HENRY                   VARCHAR(30) COLLATE TSQL,
  GLBBONDAMOUNT           MONEY,
  GLBBONDJDGAMOUNT        MONEY,
  GLBBONDLEOAMOUNT        MONEY,
  WORKRELEASE             BIT,
  WORKRELTYPE             VARCHAR(20) COLLATE TSQL,
  BOOKEDBYNO              VARCHAR(10) COLLATE TSQL,
  SEARCHEDBYNO            VARCHAR(10) COLLATE TSQL,
  PRINTSBYNO              VARCHAR(10) COLLATE TSQL,
  PHOTOBYNO               VARCHAR(10) COLLATE TSQL,
  RELSUPNO                VARCHAR(10) COLLATE TSQL,
  JURISDICTION            VARCHAR(50) COLLATE TSQL,
  JURISDICTIONCODE        VARCHAR(10) COLLATE TSQL,
  WARRANT                 BIT,
  SIGNATURE               IMAGE,
  SIGNATURE2              IMAGE,
  SIGNATURE3              IMAGE,
  INS                     BIT,
  INSNUMBER               VARCHAR(15) COLLATE TSQL,
  INSCOUNTRYCODE          VARCHAR(3) COLLATE TSQL,
  VIC_UPDATE              BIT,
  DOC                     BIT,
  SexualOffense           BIT,
  SexualPredator          BIT,
  BOOKTIMESTAMP           DATETIME,
  CHECKEDIN               BIT,
  InmateTimeServed        FLOAT,
  InmateTimeWorked        FLOAT,
  InmateReleaseTime       DATETIME,
  FingerPrintStatus       VARCHAR(30) COLLATE TSQL,
  GLOBALSENTENCECOMMENTS  VARCHAR(255) COLLATE TSQL,
  MARITALSTATUS           VARCHAR(20) COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11)))),
  QUAD                    VARCHAR(2) COLLATE TSQL,
  PublicRecord            BIT,
  InmatePhonePinNumber    VARCHAR(15) COLLATE TSQL
);

CREATE UNIQUE INDEX IX_JAILBOOK_BOOKNO ON JAILBOOK (BOOKNO);
CREATE UNIQUE INDEX IX_JAILBOOK_UNIQUEKEY ON JAILBOOK (UNIQUEKEY);
CREATE INDEX IX_JAILBOOK_ECSOID ON JAILBOOK (ECSOID);
CREATE INDEX IX_JAILBOOK_FACICODE_NAME ON JAILBOOK (FACICODE, LNAME, FNAME, MNAME);
-- The rosters count a facility's inmates (COUNT(BOOKNO)) per printed row.
CREATE INDEX IX_JAILBOOK_FACICODE_NAMERELEAS ON JAILBOOK (FACICODE, NAMERELEAS, BOOKNO);
CREATE INDEX IX_JAILBOOK_BOOKDATE ON JAILBOOK (BOOKDATE, BOOKTIME);
CREATE INDEX IX_JAILBOOK_CELLKEY ON JAILBOOK (CELLKEY, BED);

-- Released bookings (NAMERELEAS 1), with their release columns.
CREATE TABLE JBHISTO (
  BOOKNO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  ECSOID                  VARCHAR(15) COLLATE TSQL,
  CELLKEY                 VARCHAR(22) COLLATE TSQL,
  OBTS                    VARCHAR(15) COLLATE TSQL,
  OTHER                   VARCHAR(30) COLLATE TSQL,
  LNAME                   VARCHAR(30) COLLATE TSQL,
  FNAME                   VARCHAR(20) COLLATE TSQL,
  MNAME                   VARCHAR(20) COLLATE TSQL,
  TITLE                   VARCHAR(5) COLLATE TSQL,
  DOB                     DATETIME,
  RACE                    VARCHAR(2) COLLATE TSQL,
  SEX                     VARCHAR(1) COLLATE TSQL,
  AGE                     INT,
  HISPANIC                BIT,
  HEIGHT                  VARCHAR(5) COLLATE TSQL,
  WEIGHT                  VARCHAR(5) COLLATE TSQL,
  HAIR                    VARCHAR(3) COLLATE TSQL,
  EYES                    VARCHAR(3) COLLATE TSQL,
  SSN                     VARCHAR(15) COLLATE TSQL,
  LOCATION                VARCHAR(30) COLLATE TSQL,
  FACICODE                VARCHAR(10) COLLATE TSQL,
  FACILITY                VARCHAR(50) COLLATE TSQL,
  PHASE                   VARCHAR(10) COLLATE TSQL,
  TOWER                   VARCHAR(10) COLLATE TSQL,
  FLOOR                   VARCHAR(10) COLLATE TSQL,
  POD                     VARCHAR(10) COLLATE TSQL,
  CELLNO                  VARCHAR(50) COLLATE TSQL,
  BED                     VARCHAR(10) COLLATE TSQL,
  ESCAPERISK              BIT,
  HIGHPROF                BIT,
  SUICIDEW                BIT,
  ISOLATION               BIT,
  NAMERELEAS              BIT,
  ALLOWVISIT              BIT,
  ALLOWPHONE              BIT,
  PHONEDATE               DATETIME,
  PHONETIME               DATETIME,
  TRUSTY                  BIT,
  BOOKDATE                DATETIME,
  BOOKTIME                DATETIME,
  CASESPEND               INT,
  TOTALSENTDAYS           INT,
  DONOTREL                BIT,
  HOLDEXT                 BIT,
  RELDATE                 DATETIME,
  RELTIME                 DATETIME,
  RELSUPNAME              VARCHAR(50) COLLATE TSQL,
  RELOFFNAME              VARCHAR(50) COLLATE TSQL,
  RELOFFNO                VARCHAR(10) COLLATE TSQL,
  RELCOMMENT              VARCHAR(255) COLLATE TSQL,
  RELSTATUS               VARCHAR(20) COLLATE TSQL,
  RELESCAPE               BIT,
  RELTXR                  BIT,
  RELTXRTO                VARCHAR(50) COLLATE TSQL,
  RELEXT                  BIT,
  RELEXTTO                VARCHAR(50) COLLATE TSQL,
  RELOTH                  BIT,
  RELOTHCOM               VARCHAR(100) COLLATE TSQL,
  RELCOURTORDER           BIT,
  RELROR                  BIT,
  RELRORPER               VARCHAR(50) COLLATE TSQL,
  RELFUR                  BIT,
  RELCOURTAUTH            VARCHAR(50) COLLATE TSQL,
  RELFURPER               VARCHAR(50) COLLATE TSQL,
  RELFURRETD              DATETIME,
  RELFURRETT              DATETIME,
  RELTIMESERVED           BIT,
  SUICIDESCR              INT,
  SUICCLASS               VARCHAR(5) COLLATE TSQL,
  KPFROMCOMMENTS          VARCHAR(255) COLLATE TSQL,
  KPFROM                  BIT,
  CELLLOCATION            VARCHAR(50) COLLATE TSQL,
  PROPITEMNO              VARCHAR(15) COLLATE TSQL,
  BONDJUDNAME             VARCHAR(50) COLLATE TSQL,
  BONDLEONAME             VARCHAR(50) COLLATE TSQL,
  BOOKBY                  VARCHAR(50) COLLATE TSQL,
  RELIGION                VARCHAR(20) COLLATE TSQL,
  INMPICTURE              IMAGE,
  OCCUPATION              VARCHAR(30) COLLATE TSQL,
  EMPLOYER                VARCHAR(50) COLLATE TSQL,
  EMPLOYERPHONE           VARCHAR(15) COLLATE TSQL,
  MAILINGADDRESS          VARCHAR(100) COLLATE TSQL,
  PHYSICALADDRESS         VARCHAR(100) COLLATE TSQL,
  PLACEOFBIRTH            VARCHAR(30) COLLATE TSQL,
  DRIVERLICENSENO         VARCHAR(20) COLLATE TSQL,
  PHONENO                 VARCHAR(15) COLLATE TSQL,
  JUVENILE                BIT,
  ADULT                   BIT,
  CITIZENSHIP             VARCHAR(30) COLLATE TSQL,
  SEXOFFENDER             BIT,
  VIOLENT                 BIT,
  GENERALPOPULATION       BIT,
  SPECIALSEGREGATION      BIT,
  CLOSEOBSERVATION        BIT,
  HIGHOBSERVATION         BIT,
  LOWOBSERVATION          BIT,
  FEDERAL                 BIT,
  HOLD                    BIT,
  HOUSENO                 VARCHAR(10) COLLATE TSQL,
  CITY                    VARCHAR(30) COLLATE TSQL,
  STATE                   VARCHAR(2) COLLATE TSQL,
  ZIP                     VARCHAR(15) COLLATE TSQL,
  PHONE                   VARCHAR(15) COLLATE TSQL,
  PHOTOBY                 VARCHAR(50) COLLATE TSQL,
  SEARCHBY                VARCHAR(50) COLLATE TSQL,
  PRINTBY                 VARCHAR(50) COLLATE TSQL,
  STREET                  VARCHAR(50) COLLATE TSQL,
  OTHERCOUNTY             BIT,
  COUNTYNAME              VARCHAR(30) COLLATE TSQL,
  BONDOUT                 BIT,
  BONDOUTAMOUNT           MONEY,
  POWERNO                 VARCHAR(15) COLLATE TSQL,
  DAYSSERVED              INT,
  IMAGE_TYPE              VARCHAR(5) COLLATE TSQL,
  CLASSCODE               VARCHAR(10) COLLATE TSQL,
  CLASSCODEDESC           VARCHAR(50) COLLATE TSQL,
  LASTUPDDATE             DATETIME,
  LASTUPDUSERNAME         VARCHAR(30) COLLATE TSQL,
  LASTUPDFULLNAME         VARCHAR(50) COLLATE TSQL,
  ACCOUNT                 VARCHAR(20) COLLATE TSQL,
  RELCARECENTER           BIT,
  RELCARECENTERDESC       VARCHAR(50) COLLATE TSQL,
  INMATESTATUS            VARCHAR(1) COLLATE TSQL,
  INMATESTATUSDESC        VARCHAR(30) COLLATE TSQL,
  TRUSTYSTATUS            VARCHAR(20) COLLATE TSQL,
  RELDEMANDAGENCY         BIT,
  RELDEMANDAGNCYDESC      VARCHAR(50) COLLATE TSQL,
  LASTRECLASSDATE         DATETIME,
  LASTRECLASSTIME         DATETIME,
  SID                     VARCHAR(15) COLLATE TSQL,
  FBI_ID                  VARCHAR(15) COLLATE TSQL,
  OCA_ID                  VARCHAR(20) COLLATE TSQL,
  STATE_ID                VARCHAR(15) COLLATE TSQL,
  WEEKENER                BIT,
  PRINTS                  BIT,
  HENRY                   VARCHAR(30) COLLATE TSQL,
  GLBBONDAMOUNT           MONEY,
  GLBBONDJDGAMOUNT        MONEY,
  GLBBONDLEOAMOUNT        MONEY,
  WORKRELEASE             BIT,
  WORKRELTYPE             VARCHAR(20) COLLATE TSQL,
  BOOKEDBYNO              VARCHAR(10) COLLATE TSQL,
  SEARCHEDBYNO            VARCHAR(10) COLLATE TSQL,
  PRINTSBYNO              VARCHAR(10) COLLATE TSQL,
  PHOTOBYNO               VARCHAR(10) COLLATE TSQL,
  RELSUPNO                VARCHAR(10) COLLATE TSQL,
  JURISDICTION            VARCHAR(50) COLLATE TSQL,
  JURISDICTIONCODE        VARCHAR(10) COLLATE TSQL,
  WARRANT                 BIT,
  SIGNATURE               IMAGE,
  SIGNATURE2              IMAGE,
  SIGNATURE3              IMAGE,
  INS                     BIT,
  INSNUMBER               VARCHAR(15) COLLATE TSQL,
  INSCOUNTRYCODE          VARCHAR(3) COLLATE TSQL,
  VIC_UPDATE              BIT,
  DOC                     BIT,
  SexualOffense           BIT,
  SexualPredator          BIT,
  BOOKTIMESTAMP           DATETIME,
  CHECKEDIN               BIT,
  InmateTimeServed        FLOAT,
  InmateTimeWorked        FLOAT,
  InmateReleaseTime       DATETIME,
  FingerPrintStatus       VARCHAR(30) COLLATE TSQL,
  GLOBALSENTENCECOMMENTS  VARCHAR(255) COLLATE TSQL,
  MARITALSTATUS           VARCHAR(20) COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11)))),
  QUAD                    VARCHAR(2) COLLATE TSQL,
  PublicRecord            BIT,
  InmatePhonePinNumber    VARCHAR(15) COLLATE TSQL
);

CREATE UNIQUE INDEX IX_JBHISTO_BOOKNO ON JBHISTO (BOOKNO);
CREATE UNIQUE INDEX IX_JBHISTO_UNIQUEKEY ON JBHISTO (UNIQUEKEY);
CREATE INDEX IX_JBHISTO_ECSOID ON JBHISTO (ECSOID);
CREATE INDEX IX_JBHISTO_FACICODE_NAME ON JBHISTO (FACICODE, LNAME, FNAME, MNAME);
CREATE INDEX IX_JBHISTO_FACICODE_NAMERELEAS ON JBHISTO (FACICODE, NAMERELEAS, BOOKNO);
CREATE INDEX IX_JBHISTO_BOOKDATE ON JBHISTO (BOOKDATE, BOOKTIME);
CREATE INDEX IX_JBHISTO_RELDATE ON JBHISTO (RELDATE, RELTIME);

-- Cases of a booking: court, status, bond, attorney and sentence arithmetic.
-- Durations are days with fractions; CASESCHEDULEIN/OUT are week-time values
-- (day of week 0-6 plus the fraction of the day).
CREATE TABLE JBCASE (
  BOOKNO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  ECSOID                  VARCHAR(15) COLLATE TSQL,
  CASENO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  COURTCASENUM            VARCHAR(30) COLLATE TSQL,
  COURT                   VARCHAR(50) COLLATE TSQL,
  JUDGE                   VARCHAR(50) COLLATE TSQL,
  STATUS                  VARCHAR(4) COLLATE TSQL,
  STATUSDESC              VARCHAR(30) COLLATE TSQL,
  AGENCY                  VARCHAR(10) COLLATE TSQL,
  AGENCYNAME              VARCHAR(50) COLLATE TSQL,
  ACTIVE                  BIT,
  CANCEL                  BIT,
  SEAL                    BIT,
  COMMENTS                TEXT COLLATE TSQL,
  ARR_DATE                DATETIME,
  ARR_TIME                DATETIME,
  SENTEND                 DATETIME,
  CASEGROUP               INT,
  FIRSTAPPEARANCEDONE     BIT,
  AddDateTime             DATETIME,
  BONDNONE                BIT,
  BONDLEO                 BIT,
  BONDLEOAUTH             VARCHAR(50) COLLATE TSQL,
  BONDLEOAMOUNT           MONEY,
  BONDJUD                 BIT,
  BONJUDNAME              VARCHAR(50) COLLATE TSQL,
  BONDJUDGEAMOUNT         MONEY,
  BondAmount              MONEY,
  AttorneyName            VARCHAR(50) COLLATE TSQL,
  RetainPrivateAttorney   BIT,
  PublicDefenderAssigned  BIT,
  GivesUpAttorney         BIT,
  StatesUnableAffordAttor BIT,
  NotQualifyForAttorn     BIT,
  UnDecidedOnAttorn       BIT,
  CASESTARTTIME           DATETIME,
  CASEENDTIME             DATETIME,
  CASEESTIMATEDENDTIME    DATETIME,
  CASELENGTH              FLOAT,
  CASECREDITFORTIMESERVED FLOAT,
  CASETIMESERVED          FLOAT,
  CASETIMEWORKED          FLOAT,
  CASETIMECREDITED        FLOAT,
  CASETIMEREMAINING       FLOAT,
  CASETIMEPERWEEK         FLOAT,
  CASESCHEDULEIN          FLOAT,
  CASESCHEDULEOUT         FLOAT,
  CASERULINGTIME          DATETIME,
  CASEDOCFLAG             BIT,
  CASEGCGAINTIMEFLAG      BIT,
  CASEEXTRAGAINTIMEFLAG   BIT,
  CASEPARTTIMEFLAG        BIT,
  CASECOMPLETEFLAG        BIT,
  CASECIVILFLAG           BIT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_JBCASE_BOOKNO_CASENO ON JBCASE (BOOKNO, CASENO);
CREATE UNIQUE INDEX IX_JBCASE_UNIQUEKEY ON JBCASE (UNIQUEKEY);
CREATE INDEX IX_JBCASE_STATUS ON JBCASE (STATUS);
CREATE INDEX IX_JBCASE_ARR_DATE ON JBCASE (ARR_DATE);

-- Charges of a case. ACL is the level ("F" felony, "M" misdemeanor); GROUPID
-- the offense group (32001 to 32012).
CREATE TABLE JBCHARGE (
  BOOKNO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  ECSOID                  VARCHAR(15) COLLATE TSQL,
  CASENO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  CHARGENO                VARCHAR(10) COLLATE TSQL NOT NULL,
  COUNTS                  INT,
  ACL                     VARCHAR(2) COLLATE TSQL,
  DV                      BIT,
  FSN                     VARCHAR(20) COLLATE TSQL,
  FCICCODEV               VARCHAR(30) COLLATE TSQL,
  FSDESC                  VARCHAR(100) COLLATE TSQL,
  CHRGDISPO               VARCHAR(30) COLLATE TSQL,
  STATUSDESC              VARCHAR(30) COLLATE TSQL,
  GROUPID                 VARCHAR(10) COLLATE TSQL,
  BONDCHARGEAMOUNT        MONEY,
  UCR                     VARCHAR(10) COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_JBCHARGE_CASE_CHARGE ON JBCHARGE (BOOKNO, CASENO, CHARGENO);
CREATE UNIQUE INDEX IX_JBCHARGE_UNIQUEKEY ON JBCHARGE (UNIQUEKEY);
CREATE INDEX IX_JBCHARGE_ACL ON JBCHARGE (ACL);

-- Persons an inmate is to be kept apart from.
CREATE TABLE JBKpFrom (
  BOOKNO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  KPF_BOOKNO              VARCHAR(15) COLLATE TSQL,
  KPF_MNINO               VARCHAR(15) COLLATE TSQL,
  LNAME                   VARCHAR(30) COLLATE TSQL,
  FNAME                   VARCHAR(20) COLLATE TSQL,
  MNAME                   VARCHAR(20) COLLATE TSQL,
  TITLE                   VARCHAR(5) COLLATE TSQL,
  KPFROM_INM_PIC          IMAGE,
  KPFROM_COMMENTS         VARCHAR(255) COLLATE TSQL,
  VIC_UPDATE              BIT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_JBKpFrom_BOOKNO ON JBKpFrom (BOOKNO);
CREATE UNIQUE INDEX IX_JBKpFrom_UNIQUEKEY ON JBKpFrom (UNIQUEKEY);

-- Special requirements assigned to a booking (keys of JAILBOOK.UNIQUEKEY and
-- CfgSpecialRequirements.UniqueKey), with optional start and end dates.
CREATE TABLE JBSpecialRequirements (
  FK_JBUniqueKey          VARCHAR(22) COLLATE TSQL NOT NULL,
  FK_SRUniqueKey          VARCHAR(22) COLLATE TSQL NOT NULL,
  StartDate               DATETIME,
  EndDate                 DATETIME,
  Comments                VARCHAR(255) COLLATE TSQL,
  UniqueKey               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_JBSpecialRequirements_JB ON JBSpecialRequirements (FK_JBUniqueKey);
CREATE INDEX IX_JBSpecialRequirements_SR ON JBSpecialRequirements (FK_SRUniqueKey);
CREATE UNIQUE INDEX IX_JBSpecialRequirements_UniqueKey ON JBSpecialRequirements (UniqueKey);

-- Sentence adjustments (gain time and lost time) and the cases they apply to.
-- ADJUSTMENTKIND: 1 extra time earned from work, 2 extra time earned for an
-- incident, 3 good conduct time earned, 4 general time lost, 5 good conduct
-- time lost. ADJUSTMENTAMOUNT is in days.
CREATE TABLE SENTENCEADJUSTMENTS (
  BOOKNO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  ADJUSTMENTID            VARCHAR(15) COLLATE TSQL NOT NULL,
  ADJUSTMENTTIME          DATETIME,
  ADJUSTMENTAMOUNT        FLOAT,
  ADJUSTMENTKIND          INT,
  ADJUSTERNAME            VARCHAR(50) COLLATE TSQL,
  ADJUSTERID              VARCHAR(10) COLLATE TSQL,
  ADJUSTMENTCOMMENTS      VARCHAR(255) COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_SENTENCEADJUSTMENTS_ID ON SENTENCEADJUSTMENTS (BOOKNO, ADJUSTMENTID);
CREATE UNIQUE INDEX IX_SENTENCEADJUSTMENTS_UNIQUEKEY ON SENTENCEADJUSTMENTS (UNIQUEKEY);

CREATE TABLE SENTENCEADJCASELIST (
  BOOKNO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  CASENO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  ADJUSTMENTID            VARCHAR(15) COLLATE TSQL NOT NULL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_SENTENCEADJCASELIST_CASE ON SENTENCEADJCASELIST (BOOKNO, CASENO);
CREATE UNIQUE INDEX IX_SENTENCEADJCASELIST_UNIQUEKEY ON SENTENCEADJCASELIST (UNIQUEKEY);

-- Periods a booking was held for a jurisdiction (the billed agency's name);
-- an open period has no ENDDATE.
CREATE TABLE JURISDICTIONHISTORY (
  BookNo                  VARCHAR(15) COLLATE TSQL NOT NULL,
  JURISDICTION            VARCHAR(50) COLLATE TSQL,
  STARTDATE               DATETIME,
  STARTTIME               DATETIME,
  ENDDATE                 DATETIME,
  ENDTIME                 DATETIME,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_JURISDICTIONHISTORY_BookNo ON JURISDICTIONHISTORY (BookNo);
CREATE INDEX IX_JURISDICTIONHISTORY_JURISDICTION ON JURISDICTIONHISTORY (JURISDICTION, STARTDATE);
CREATE UNIQUE INDEX IX_JURISDICTIONHISTORY_UNIQUEKEY ON JURISDICTIONHISTORY (UNIQUEKEY);

-- Where an inmate is: one ACTIVE row per booking; STATUS 1 checked in at
-- LOCATION, 2 checked out to NEXTLOCATION.
CREATE TABLE INMATETRACKING (
  MNINo                   VARCHAR(15) COLLATE TSQL,
  BookNo                  VARCHAR(15) COLLATE TSQL NOT NULL,
  CheckInDate             DATETIME,
  CheckInTime             DATETIME,
  CheckOutDate            DATETIME,
  CheckOutTime            DATETIME,
  Location                VARCHAR(50) COLLATE TSQL,
  NextLocation            VARCHAR(50) COLLATE TSQL,
  Status                  INT,
  [Exception]             BIT,
  CheckInOfficerNo        VARCHAR(10) COLLATE TSQL,
  CheckInOfficerName      VARCHAR(50) COLLATE TSQL,
  CheckOutOfficerNo       VARCHAR(10) COLLATE TSQL,
  CheckOutOfficerName     VARCHAR(50) COLLATE TSQL,
  Comments                VARCHAR(255) COLLATE TSQL,
  Active                  BIT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_INMATETRACKING_BookNo ON INMATETRACKING (BookNo, Active);
CREATE UNIQUE INDEX IX_INMATETRACKING_UNIQUEKEY ON INMATETRACKING (UNIQUEKEY);

-- Stays in the jail: a row opens with a check-in (reason -1 "Booked" at
-- booking, -3 "In For Weekend", or a return) and closes with the check-out
-- that ended the stay (reason -2 "Released", -4 "Out For Weekend", or a
-- temporary absence such as court); an open stay has no CheckOutTime. The
-- absences themselves, each check-out with the check-in that ended it, are
-- the view CheckOutIn. Times are full date-times.
CREATE TABLE CheckInOut (
  CheckInOutId            INTEGER PRIMARY KEY,
  BookNo                  VARCHAR(15) COLLATE TSQL NOT NULL,
  CheckInTime             DATETIME,
  CheckInReasonCode       INT,
  CheckInOfficerName      VARCHAR(50) COLLATE TSQL,
  CheckInOfficerNumber    VARCHAR(10) COLLATE TSQL,
  CheckOutTime            DATETIME,
  CheckOutReasonCode      INT,
  CheckOutOfficerName     VARCHAR(50) COLLATE TSQL,
  CheckOutOfficerNumber   VARCHAR(10) COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_CheckInOut_BookNo_In ON CheckInOut (BookNo, CheckInTime);
CREATE INDEX IX_CheckInOut_CheckOutTime ON CheckInOut (CheckOutTime);
CREATE UNIQUE INDEX IX_CheckInOut_UNIQUEKEY ON CheckInOut (UNIQUEKEY);
