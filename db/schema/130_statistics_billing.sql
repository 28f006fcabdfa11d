-- Jail database: statistics scratch tables, the daily DOC snapshots and the
-- monthly DOC summary, agency billing rules, and report attachments with
-- their signatures. Conventions as in 100_jail_bookings.sql.

-- Scratch tables emptied and refilled by the statistics (no per-user key;
-- their UNIQUEKEY repeats the source row's key, so it is not unique here).
CREATE TABLE HighestCase (
  BOOKNO                  VARCHAR(15) COLLATE TSQL,
  STATUS                  VARCHAR(4) COLLATE TSQL,
  [LEVEL]                 INT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_HighestCase_BOOKNO ON HighestCase (BOOKNO, [LEVEL]);

CREATE TABLE JBDOCTEMP (
  BOOKNO                  VARCHAR(15) COLLATE TSQL,
  STATUS                  VARCHAR(4) COLLATE TSQL,
  STATUSDESC              VARCHAR(30) COLLATE TSQL,
  SEX                     VARCHAR(1) COLLATE TSQL,
  RACE                    VARCHAR(2) COLLATE TSQL,
  ADULT                   BIT,
  JUVENILE                BIT,
  [LEVEL]                 INT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);

-- Average length of stay per calendar year, for the chart while it is shown.
CREATE TABLE JBAVERAGE (
  AVERAGE                 FLOAT,
  [YEAR]                  INT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);

-- Daily snapshots of the population written by the suite's collection
-- service: one row per booking per day.
CREATE TABLE JBDOCTOTALS (
  STATUS                  VARCHAR(4) COLLATE TSQL,
  STATUSDESC              VARCHAR(30) COLLATE TSQL,
  JUVENILE                BIT,
  ADULT                   BIT,
  SEX                     VARCHAR(1) COLLATE TSQL,
  RACE                    VARCHAR(2) COLLATE TSQL,
  SCANDATE                DATETIME,
  BOOKNO                  VARCHAR(15) COLLATE TSQL,
  CASE_LEVEL_TYPE         INT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_JBDOCTOTALS_SCANDATE ON JBDOCTOTALS (SCANDATE, STATUS);
CREATE UNIQUE INDEX IX_JBDOCTOTALS_UNIQUEKEY ON JBDOCTOTALS (UNIQUEKEY);

-- The monthly state DOC return, rebuilt by spks_jbDocSummary: one row per
-- form line per section, with the count of every day of the month.
CREATE TABLE JBDOCSUMMARY (
  PrtLineNo               INT,
  Agency                  VARCHAR(10) COLLATE TSQL,
  Case_Level_Type         INT,
  Status                  VARCHAR(4) COLLATE TSQL,
  StatusDesc              VARCHAR(50) COLLATE TSQL,
  Adult                   BIT,
  Juvenile                BIT,
  Sex                     VARCHAR(1) COLLATE TSQL,
  ScanDate                DATETIME,
  Day1                    INT,
  Day2                    INT,
  Day3                    INT,
  Day4                    INT,
  Day5                    INT,
  Day6                    INT,
  Day7                    INT,
  Day8                    INT,
  Day9                    INT,
  Day10                   INT,
  Day11                   INT,
  Day12                   INT,
  Day13                   INT,
  Day14                   INT,
  Day15                   INT,
  Day16                   INT,
  Day17                   INT,
  Day18                   INT,
  Day19                   INT,
  Day20                   INT,
  Day21                   INT,
  Day22                   INT,
  Day23                   INT,
  Day24                   INT,
  Day25                   INT,
  Day26                   INT,
  Day27                   INT,
  Day28                   INT,
  Day29                   INT,
  Day30                   INT,
  Day31                   INT,
  StatusTotal             INT,
  StatusAvg               FLOAT,
  UniqueKey               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);

-- Per-agency billing rules; AgencyFKey is the agency's CFGAGNCY.UNIQUEKEY
-- and Amount the payment per inmate-day.
CREATE TABLE AgencyBilling (
  AgencyFKey              VARCHAR(22) COLLATE TSQL NOT NULL,
  ChargeFirstDay          BIT NOT NULL DEFAULT 0,
  ChargeLastDay           BIT NOT NULL DEFAULT 0,
  ChargeCheckOut          BIT NOT NULL DEFAULT 0,
  ChargeCheckIn           BIT NOT NULL DEFAULT 0,
  Amount                  MONEY NOT NULL DEFAULT 0,
  UniqueKey               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_AgencyBilling_AgencyFKey ON AgencyBilling (AgencyFKey);
CREATE UNIQUE INDEX IX_AgencyBilling_UniqueKey ON AgencyBilling (UniqueKey);

-- Documents filed for a record (for the medical screening, the booking
-- number in AttachedToFKey) and the signatures captured for them. The
-- signature boxes of CfgSignatureFields name the image column
-- (SIGNATUREIMAGE) and the binding column (BINDINGINFO) they write.
CREATE TABLE JBAttachments (
  UniqueKey               VARCHAR(22) COLLATE TSQL NOT NULL,
  AttachedToFKey          VARCHAR(50) COLLATE TSQL,
  AddedByFKey             VARCHAR(22) COLLATE TSQL,
  DateAdded               DATETIME,
  FileName                VARCHAR(255) COLLATE TSQL,
  Attachment              BLOB
);
CREATE UNIQUE INDEX IX_JBAttachments_UniqueKey ON JBAttachments (UniqueKey);
CREATE INDEX IX_JBAttachments_AttachedToFKey ON JBAttachments (AttachedToFKey);

CREATE TABLE AttachmentSignatures (
  UniqueKey               VARCHAR(22) COLLATE TSQL NOT NULL,
  AttachmentFKey          VARCHAR(22) COLLATE TSQL,
  Pos                     INT,
  SignatureType           INT,
  SIGNATUREIMAGE          IMAGE,
  BINDINGINFO             TEXT COLLATE TSQL
);
CREATE UNIQUE INDEX IX_AttachmentSignatures_UniqueKey ON AttachmentSignatures (UniqueKey);
CREATE INDEX IX_AttachmentSignatures_AttachmentFKey ON AttachmentSignatures (AttachmentFKey, Pos);
