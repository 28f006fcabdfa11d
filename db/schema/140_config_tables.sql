-- Configuration database (and the copies read on the jail connection): the
-- jail's facilities and housing, code tables, statute charges, reasons,
-- property storage, medications, states and countries, the database-driven
-- report menus and the signature configuration. Conventions as in
-- 100_jail_bookings.sql.

-- Facilities; FACILITYID is the FACICODE of the jail tables.
CREATE TABLE CFGFACI (
  FACILITYID              VARCHAR(10) COLLATE TSQL NOT NULL,
  FACILITYDESC            VARCHAR(50) COLLATE TSQL,
  ADDRESS                 VARCHAR(50) COLLATE TSQL,
  CITY                    VARCHAR(30) COLLATE TSQL,
  STATE                   VARCHAR(2) COLLATE TSQL,
  ZIP                     VARCHAR(10) COLLATE TSQL,
  PHONE                   VARCHAR(15) COLLATE TSQL,
  CAPACITY                INT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CFGFACI_FACILITYID ON CFGFACI (FACILITYID);
CREATE UNIQUE INDEX IX_CFGFACI_UNIQUEKEY ON CFGFACI (UNIQUEKEY);

-- Dorms (the booking's POD) of a facility.
CREATE TABLE CFGDORMS (
  FACILITYID              VARCHAR(10) COLLATE TSQL NOT NULL,
  DormCode                VARCHAR(10) COLLATE TSQL NOT NULL,
  DormDesc                VARCHAR(50) COLLATE TSQL,
  CAPACITY                INT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CFGDORMS_DORM ON CFGDORMS (FACILITYID, DormCode);
CREATE UNIQUE INDEX IX_CFGDORMS_UNIQUEKEY ON CFGDORMS (UNIQUEKEY);

-- Cells; a booking's CELLNO is the cell's parts joined by "*" (facility,
-- tower, dorm, floor, cell, then the bed's description).
CREATE TABLE CFGCELL (
  CellKey                 VARCHAR(22) COLLATE TSQL NOT NULL,
  FACILITYID              VARCHAR(10) COLLATE TSQL NOT NULL,
  Tower                   VARCHAR(10) COLLATE TSQL,
  DORMCODE                VARCHAR(10) COLLATE TSQL,
  Floor                   VARCHAR(10) COLLATE TSQL,
  CellNo                  VARCHAR(10) COLLATE TSQL,
  CellDesc                VARCHAR(50) COLLATE TSQL,
  CAPACITY                INT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CFGCELL_CellKey ON CFGCELL (CellKey);
CREATE INDEX IX_CFGCELL_FACILITY ON CFGCELL (FACILITYID, DORMCODE);
CREATE UNIQUE INDEX IX_CFGCELL_UNIQUEKEY ON CFGCELL (UNIQUEKEY);

-- Beds of a cell; the booking's BED is the BedNo.
CREATE TABLE CFGBED (
  CellKey                 VARCHAR(22) COLLATE TSQL NOT NULL,
  BedNo                   VARCHAR(10) COLLATE TSQL NOT NULL,
  BedDesc                 VARCHAR(20) COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CFGBED_BED ON CFGBED (CellKey, BedNo);
CREATE UNIQUE INDEX IX_CFGBED_UNIQUEKEY ON CFGBED (UNIQUEKEY);

CREATE TABLE CFGINMATESTATUS (
  INMATESTATUS            VARCHAR(1) COLLATE TSQL NOT NULL,
  INMATESTATUSDESC        VARCHAR(30) COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CFGINMATESTATUS_UNIQUEKEY ON CFGINMATESTATUS (UNIQUEKEY);

-- Movement destinations (IsMovement 1) and incident locations.
CREATE TABLE CFGMOVE (
  MOVEMENT                VARCHAR(30) COLLATE TSQL NOT NULL,
  DESCRIPT                VARCHAR(50) COLLATE TSQL,
  CITY                    VARCHAR(30) COLLATE TSQL,
  STATE                   VARCHAR(2) COLLATE TSQL,
  IsMovement              BIT,
  IsLocation              BIT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CFGMOVE_UNIQUEKEY ON CFGMOVE (UNIQUEKEY);

-- Page set-up of the inmate ID label printers (sizes in inches).
CREATE TABLE CfgLabelPrinters (
  Description             VARCHAR(50) COLLATE TSQL NOT NULL,
  PrinterName             VARCHAR(100) COLLATE TSQL,
  PageWidth               FLOAT,
  PageHeight              FLOAT,
  MarginTop               FLOAT,
  MarginBottom            FLOAT,
  MarginLeft              FLOAT,
  MarginRight             FLOAT,
  ColumnCount             INT,
  ColumnPositions         VARCHAR(100) COLLATE TSQL,
  RowSpacing              FLOAT,
  Portrait                BIT,
  UniqueKey               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CfgLabelPrinters_UniqueKey ON CfgLabelPrinters (UniqueKey);

-- Statute charges and their UCR/NIBRS cross-references (TypeID 1 UCR,
-- 2 NIBRS) and categories (CfgChoices ChoiceIDs).
CREATE TABLE FSS_AFIS (
  ChargeNum               INT NOT NULL,
  FSN                     VARCHAR(20) COLLATE TSQL,
  ACL                     VARCHAR(2) COLLATE TSQL,
  DEGREE                  VARCHAR(5) COLLATE TSQL,
  FCICCODE                VARCHAR(30) COLLATE TSQL,
  FSDESC                  VARCHAR(100) COLLATE TSQL,
  GROUPID                 VARCHAR(10) COLLATE TSQL,
  DV                      BIT,
  INACTIVE                BIT NOT NULL DEFAULT 0,
  UniqueKey               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_FSS_AFIS_ChargeNum ON FSS_AFIS (ChargeNum);
CREATE INDEX IX_FSS_AFIS_FSN ON FSS_AFIS (FSN, ACL);
CREATE UNIQUE INDEX IX_FSS_AFIS_UniqueKey ON FSS_AFIS (UniqueKey);

CREATE TABLE CfgUcrNibrsChoices (
  Code                    VARCHAR(10) COLLATE TSQL NOT NULL,
  Description             VARCHAR(100) COLLATE TSQL,
  TypeID                  INT,
  UniqueKey               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CfgUcrNibrsChoices_UniqueKey ON CfgUcrNibrsChoices (UniqueKey);

CREATE TABLE FssUcrNibrsXref (
  ChargeNum               INT NOT NULL,
  FK_Choice               VARCHAR(22) COLLATE TSQL,
  TypeID                  INT,
  UniqueKey               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_FssUcrNibrsXref_ChargeNum ON FssUcrNibrsXref (ChargeNum, TypeID);
CREATE UNIQUE INDEX IX_FssUcrNibrsXref_UniqueKey ON FssUcrNibrsXref (UniqueKey);

CREATE TABLE FSS_Category (
  ChargeNum               INT NOT NULL,
  ChoiceID                VARCHAR(30) COLLATE TSQL,
  UniqueKey               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_FSS_Category_ChargeNum ON FSS_Category (ChargeNum);
CREATE UNIQUE INDEX IX_FSS_Category_UniqueKey ON FSS_Category (UniqueKey);

-- Races of the master configuration; the state DOC statistics have one
-- column per row, in table order.
CREATE TABLE CFGRACE (
  RACE                    VARCHAR(2) COLLATE TSQL NOT NULL,
  DESCRIPTION             VARCHAR(30) COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CFGRACE_UNIQUEKEY ON CFGRACE (UNIQUEKEY);

-- Case status codes; the smallest LEVEL is the most serious status.
CREATE TABLE CFGCASST (
  CASE_STATUS_CODE        VARCHAR(4) COLLATE TSQL NOT NULL,
  CASE_STATUS_DESC        VARCHAR(30) COLLATE TSQL,
  [LEVEL]                 INT,
  CASE_LEVEL_TYPE         INT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CFGCASST_CODE ON CFGCASST (CASE_STATUS_CODE);
CREATE UNIQUE INDEX IX_CFGCASST_UNIQUEKEY ON CFGCASST (UNIQUEKEY);

-- Check-in/out reasons; -1 "Booked", -2 "Released", -3 "In For Weekend" and
-- -4 "Out For Weekend" are fixed codes.
CREATE TABLE CfgCheckInOutReasons (
  CheckInOutReasonCode    INT NOT NULL,
  CheckInOutReasonString  VARCHAR(50) COLLATE TSQL,
  ReasonIsForCheckIn      BIT,
  UniqueKey               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CfgCheckInOutReasons_Code ON CfgCheckInOutReasons (CheckInOutReasonCode);
CREATE UNIQUE INDEX IX_CfgCheckInOutReasons_UniqueKey ON CfgCheckInOutReasons (UniqueKey);

CREATE TABLE CfgSpecialRequirements (
  Description             VARCHAR(50) COLLATE TSQL NOT NULL,
  MealService             BIT NOT NULL DEFAULT 0,
  UniqueKey               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CfgSpecialRequirements_UniqueKey ON CfgSpecialRequirements (UniqueKey);

CREATE TABLE CfgIncidentTypes (
  Code                    VARCHAR(10) COLLATE TSQL,
  Description             VARCHAR(50) COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CfgIncidentTypes_UNIQUEKEY ON CfgIncidentTypes (UNIQUEKEY);

-- Property storage locations and their containers.
CREATE TABLE CFGPROPL (
  LOCKEY                  INT NOT NULL,
  LOCATIONCODE            VARCHAR(10) COLLATE TSQL,
  LOCATION                VARCHAR(50) COLLATE TSQL,
  ALLOW                   INT,
  ONLOC                   INT,
  AVAILABLE               BIT,
  DefaultLocation         BIT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CFGPROPL_LOCKEY ON CFGPROPL (LOCKEY);
CREATE UNIQUE INDEX IX_CFGPROPL_UNIQUEKEY ON CFGPROPL (UNIQUEKEY);

CREATE TABLE CFGPROPC (
  CONTAINERID             INT NOT NULL,
  LOCKEY                  INT,
  LOCATIONCODE            VARCHAR(10) COLLATE TSQL,
  CONTAINER               VARCHAR(30) COLLATE TSQL,
  AVAILABLE               BIT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CFGPROPC_CONTAINERID ON CFGPROPC (CONTAINERID);
CREATE INDEX IX_CFGPROPC_LOCATIONCODE ON CFGPROPC (LOCATIONCODE, CONTAINER);
CREATE UNIQUE INDEX IX_CFGPROPC_UNIQUEKEY ON CFGPROPC (UNIQUEKEY);

CREATE TABLE CFGMEDICATION (
  MEDICATIONNO            VARCHAR(15) COLLATE TSQL NOT NULL,
  MEDICATIONNAME          VARCHAR(50) COLLATE TSQL,
  COST                    MONEY,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_CFGMEDICATION_UNIQUEKEY ON CFGMEDICATION (UNIQUEKEY);

-- States and countries: a state's CountryFKey is its country's UniqueKey;
-- a country row has none. Code is also the booking's InsCountryCode.
CREATE TABLE CfgState (
  Code                    VARCHAR(3) COLLATE TSQL NOT NULL,
  Description             VARCHAR(50) COLLATE TSQL,
  CountryFKey             VARCHAR(22) COLLATE TSQL,
  SCAAPCode               VARCHAR(10) COLLATE TSQL,
  UniqueKey               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_CfgState_Code ON CfgState (Code);
CREATE UNIQUE INDEX IX_CfgState_UniqueKey ON CfgState (UniqueKey);

-- Reports of the database-driven menus and the program groups and report
-- types they are offered for.
CREATE TABLE CfgReports (
  UniqueKey               VARCHAR(22) COLLATE TSQL NOT NULL,
  Title                   VARCHAR(100) COLLATE TSQL,
  FileName                VARCHAR(255) COLLATE TSQL,
  SingleRecordRpt         BIT NOT NULL DEFAULT 0,
  ReportNumParamName      VARCHAR(50) COLLATE TSQL
);
CREATE UNIQUE INDEX IX_CfgReports_UniqueKey ON CfgReports (UniqueKey);

CREATE TABLE CfgReportApplicability (
  FK_Report               VARCHAR(22) COLLATE TSQL NOT NULL,
  ProgramGroup            VARCHAR(30) COLLATE TSQL,
  ReportType              VARCHAR(30) COLLATE TSQL,
  DefaultReport           BIT NOT NULL DEFAULT 0,
  UniqueKey               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_CfgReportApplicability_Group ON CfgReportApplicability (ProgramGroup, ReportType);
CREATE UNIQUE INDEX IX_CfgReportApplicability_UniqueKey ON CfgReportApplicability (UniqueKey);

-- Signature boxes (SignatureType 1 inmate, 2 officer, 4 witness; DeviceType
-- 0 the 1x5 pad) and the reports that take signatures (UniqueKey is the
-- report key, "38" the medical screening).
CREATE TABLE CfgSignatureFields (
  UniqueKey               VARCHAR(22) COLLATE TSQL NOT NULL,
  Pos                     INT,
  Caption                 VARCHAR(50) COLLATE TSQL,
  DeviceType              INT,
  SignatureField          VARCHAR(50) COLLATE TSQL,
  BindingField            VARCHAR(50) COLLATE TSQL,
  SignatureType           INT,
  ComPort                 INT,
  Capture                 BIT
);
CREATE UNIQUE INDEX IX_CfgSignatureFields_UniqueKey ON CfgSignatureFields (UniqueKey);

CREATE TABLE CfgSignatureReports (
  UniqueKey               VARCHAR(22) COLLATE TSQL NOT NULL,
  ReportName              VARCHAR(100) COLLATE TSQL,
  ProgramGroup            VARCHAR(30) COLLATE TSQL,
  Used                    BIT,
  ShowSignatureFrameError BIT,
  ExportType              VARCHAR(10) COLLATE TSQL,
  ReportDesigner          VARCHAR(20) COLLATE TSQL,
  SubReportParamNames     VARCHAR(255) COLLATE TSQL
);
CREATE UNIQUE INDEX IX_CfgSignatureReports_UniqueKey ON CfgSignatureReports (UniqueKey);
