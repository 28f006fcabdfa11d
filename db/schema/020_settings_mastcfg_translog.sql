-- Shared settings, master configuration and the transaction log: the
-- settings table every program of the suite reads and writes, the agencies
-- with their logos, the choice lists, the employees, the area codes, and the
-- jail database's audit table.

-- Settings as an ini file of groups and names; a group and a name identify
-- at most one row.
CREATE TABLE SharedINI (
  VariableGroup           VARCHAR(50) COLLATE TSQL NOT NULL,
  VariableId              VARCHAR(50) COLLATE TSQL NOT NULL,
  VariableValue           VARCHAR(1000) COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_SharedINI_Variable ON SharedINI (VariableGroup, VariableId);
CREATE UNIQUE INDEX IX_SharedINI_UNIQUEKEY ON SharedINI (UNIQUEKEY);

-- Agencies; the suite's own agency has PRIMARY = 1. Report headers print
-- ORG and its address; Pop_Served is the population the agency serves.
CREATE TABLE CFGAGNCY (
  ORG                     VARCHAR(60) COLLATE TSQL,
  ORG_ABBREV              VARCHAR(4) COLLATE TSQL NOT NULL,
  ORG_COUNTY              VARCHAR(30) COLLATE TSQL,
  ORG_STATE               VARCHAR(30) COLLATE TSQL,
  ORG_STATEA              VARCHAR(2) COLLATE TSQL,
  ORG_HEAD                VARCHAR(50) COLLATE TSQL,
  ORG_TITLE               VARCHAR(50) COLLATE TSQL,
  ORG_ADD                 VARCHAR(60) COLLATE TSQL,
  ORG_CITY                VARCHAR(30) COLLATE TSQL,
  ORG_ZIP                 VARCHAR(10) COLLATE TSQL,
  ORG_MADD                VARCHAR(60) COLLATE TSQL,
  ORG_MCITY               VARCHAR(30) COLLATE TSQL,
  ORG_MSTATE              VARCHAR(2) COLLATE TSQL,
  ORG_MZIP                VARCHAR(10) COLLATE TSQL,
  ORG_PHONE               VARCHAR(20) COLLATE TSQL,
  ORI                     VARCHAR(10) COLLATE TSQL,
  Pop_Served              INT,
  [PRIMARY]               BIT NOT NULL DEFAULT 0,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CFGAGNCY_ORG_ABBREV ON CFGAGNCY (ORG_ABBREV);
CREATE UNIQUE INDEX IX_CFGAGNCY_UNIQUEKEY ON CFGAGNCY (UNIQUEKEY);

-- Agency logos (JPEG pictures); AGENCY is the agency's UNIQUEKEY.
CREATE TABLE CFGLOGO (
  AGENCY                  VARCHAR(22) COLLATE TSQL,
  AgencyLogo              IMAGE,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_CFGLOGO_AGENCY ON CFGLOGO (AGENCY);
CREATE UNIQUE INDEX IX_CFGLOGO_UNIQUEKEY ON CFGLOGO (UNIQUEKEY);

-- Code texts of the report dialogs and layouts, by group and choice.
CREATE TABLE CfgChoices (
  GroupID                 VARCHAR(30) COLLATE TSQL NOT NULL,
  ChoiceID                VARCHAR(30) COLLATE TSQL NOT NULL,
  ShortDescr              VARCHAR(30) COLLATE TSQL,
  LongDescr               VARCHAR(100) COLLATE TSQL,
  Priority                INT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_CfgChoices_Group ON CfgChoices (GroupID, Priority, LongDescr);
CREATE INDEX IX_CfgChoices_ChoiceID ON CfgChoices (ChoiceID);
CREATE UNIQUE INDEX IX_CfgChoices_UNIQUEKEY ON CfgChoices (UNIQUEKEY);

-- Area codes; the first is the installation's default.
CREATE TABLE AREACODE (
  AREACODE                VARCHAR(3) COLLATE TSQL NOT NULL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);

-- Employees (employee database). PERNO is the personnel number the users
-- table and the access levels refer to; HIDE takes an employee off every
-- list; PRIMARYAGENCY is the ORG_ABBREV of the employee's own agency.
CREATE TABLE EMPMAST (
  PERNO                   VARCHAR(15) COLLATE TSQL NOT NULL,
  HIDE                    BIT DEFAULT 0,
  SSN                     VARCHAR(11) COLLATE TSQL,
  LNAME                   VARCHAR(30) COLLATE TSQL,
  FNAME                   VARCHAR(30) COLLATE TSQL,
  MNAME                   VARCHAR(30) COLLATE TSQL,
  TITLE                   VARCHAR(10) COLLATE TSQL,
  NAME                    VARCHAR(60) COLLATE TSQL,
  EMPID                   VARCHAR(15) COLLATE TSQL,
  CALLNO                  VARCHAR(10) COLLATE TSQL,
  CALLNONEW               VARCHAR(10) COLLATE TSQL,
  CALLNOOLD               VARCHAR(10) COLLATE TSQL,
  CALLNOARC               VARCHAR(10) COLLATE TSQL,
  CALLNOB                 VARCHAR(10) COLLATE TSQL,
  CLASS                   VARCHAR(10) COLLATE TSQL,
  RANK                    VARCHAR(20) COLLATE TSQL,
  UNIT_POS                VARCHAR(10) COLLATE TSQL,
  UNIT                    VARCHAR(10) COLLATE TSQL,
  AGENCY                  VARCHAR(4) COLLATE TSQL,
  UNIT01                  VARCHAR(10) COLLATE TSQL,
  UNIT01_POS              VARCHAR(10) COLLATE TSQL,
  UNIT02                  VARCHAR(10) COLLATE TSQL,
  UNIT02_POS              VARCHAR(10) COLLATE TSQL,
  UNIT03                  VARCHAR(10) COLLATE TSQL,
  UNIT03_POS              VARCHAR(10) COLLATE TSQL,
  UNIT04                  VARCHAR(10) COLLATE TSQL,
  UNIT04_POS              VARCHAR(10) COLLATE TSQL,
  UNIT05                  VARCHAR(10) COLLATE TSQL,
  UNIT05_POS              VARCHAR(10) COLLATE TSQL,
  UNIT06                  VARCHAR(10) COLLATE TSQL,
  UNIT06_POS              VARCHAR(10) COLLATE TSQL,
  UNIT07                  VARCHAR(10) COLLATE TSQL,
  UNIT07_POS              VARCHAR(10) COLLATE TSQL,
  UNIT08                  VARCHAR(10) COLLATE TSQL,
  UNIT08_POS              VARCHAR(10) COLLATE TSQL,
  UNIT09                  VARCHAR(10) COLLATE TSQL,
  UNIT09_POS              VARCHAR(10) COLLATE TSQL,
  UNIT10                  VARCHAR(10) COLLATE TSQL,
  UNIT10_POS              VARCHAR(10) COLLATE TSQL,
  DISPZONE                VARCHAR(10) COLLATE TSQL,
  OFFICE_NO               VARCHAR(20) COLLATE TSQL,
  OFFICE_EXT              VARCHAR(10) COLLATE TSQL,
  PAGER                   VARCHAR(20) COLLATE TSQL,
  PAGE_TYPE               VARCHAR(10) COLLATE TSQL,
  CELLULAR                VARCHAR(20) COLLATE TSQL,
  VOICE                   VARCHAR(20) COLLATE TSQL,
  VOICE_EXT               VARCHAR(10) COLLATE TSQL,
  EMAIL                   VARCHAR(60) COLLATE TSQL,
  OTHER                   VARCHAR(60) COLLATE TSQL,
  PAGE_GTW                VARCHAR(60) COLLATE TSQL,
  APPOINTD                DATETIME,
  HIRED                   DATETIME,
  T4_TIMER_DISABLED       BIT,
  DOB                     DATETIME,
  FKA                     VARCHAR(60) COLLATE TSQL,
  IsApparatus             BIT,
  SEX                     VARCHAR(1) COLLATE TSQL,
  RACE                    VARCHAR(2) COLLATE TSQL,
  MADDRESS                VARCHAR(60) COLLATE TSQL,
  MCITY                   VARCHAR(30) COLLATE TSQL,
  MSTATE                  VARCHAR(2) COLLATE TSQL,
  MZIP                    VARCHAR(10) COLLATE TSQL,
  ADDRESS                 VARCHAR(60) COLLATE TSQL,
  CITY                    VARCHAR(30) COLLATE TSQL,
  STATE                   VARCHAR(2) COLLATE TSQL,
  ZIP                     VARCHAR(10) COLLATE TSQL,
  PHONE                   VARCHAR(20) COLLATE TSQL,
  UNLISTED                BIT,
  PRIMARYAGENCY           VARCHAR(4) COLLATE TSQL,
  POP                     VARCHAR(20) COLLATE TSQL,
  SMTP                    VARCHAR(60) COLLATE TSQL,
  SECOND_CONTACT          VARCHAR(60) COLLATE TSQL,
  CICEXPDATE              DATETIME,
  CICEXPDAYS              INT,
  CICSHOWMESSAGE          BIT,
  CICLOGINNAME            VARCHAR(30) COLLATE TSQL,
  CICPASSWORD             VARCHAR(30) COLLATE TSQL,
  BloodType               VARCHAR(5) COLLATE TSQL,
  SpecialSkills           VARCHAR(255) COLLATE TSQL,
  RADIO_ASSIGNED          VARCHAR(20) COLLATE TSQL,
  BADGE_NUMBER            VARCHAR(20) COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_EMPMAST_PERNO ON EMPMAST (PERNO);
CREATE INDEX IX_EMPMAST_CALLNO ON EMPMAST (CALLNO);
CREATE UNIQUE INDEX IX_EMPMAST_UNIQUEKEY ON EMPMAST (UNIQUEKEY);

-- The jail database's audit table: one row per log-in, log-out and report
-- printed or viewed. EVENT is the ordinal of the event type; the three
-- date-time columns receive the same moment.
CREATE TABLE JailTransLog (
  KEY1                    VARCHAR(30) COLLATE TSQL,
  KEY2                    VARCHAR(30) COLLATE TSQL,
  KEY3                    VARCHAR(30) COLLATE TSQL,
  NOTE1                   VARCHAR(50) COLLATE TSQL,
  NOTE2                   VARCHAR(255) COLLATE TSQL,
  NOTE3                   VARCHAR(255) COLLATE TSQL,
  USER_ID                 VARCHAR(30) COLLATE TSQL,
  USER_KEY                VARCHAR(22) COLLATE TSQL,
  EVENT                   INT,
  EVENT_TABLE             VARCHAR(30) COLLATE TSQL,
  EVENT_DATE              DATETIME,
  EVENT_TIME              DATETIME,
  EVENT_STAMP             DATETIME,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL NOT NULL
);
CREATE UNIQUE INDEX IX_JailTransLog_UNIQUEKEY ON JailTransLog (UNIQUEKEY);
CREATE INDEX IX_JailTransLog_Stamp ON JailTransLog (EVENT_STAMP);
