-- The master-name database (MNI..MNI) and the arrest database's warrants
-- (ARREST..ARREST); in the embedded database every logical database is this
-- one file, so the three-part names reach these tables. Conventions as in
-- 100_jail_bookings.sql.

-- Person records: WARACT 1 while a warrant is active, I_LEO 1 for a
-- law-enforcement officer (left out of public address lists).
CREATE TABLE MNI (
  ECSOID                  VARCHAR(15) COLLATE TSQL NOT NULL,
  LNAME                   VARCHAR(30) COLLATE TSQL,
  FNAME                   VARCHAR(20) COLLATE TSQL,
  MNAME                   VARCHAR(20) COLLATE TSQL,
  TITLE                   VARCHAR(5) COLLATE TSQL,
  DOB                     DATETIME,
  SEX                     VARCHAR(1) COLLATE TSQL,
  RACE                    VARCHAR(2) COLLATE TSQL,
  SSN                     VARCHAR(15) COLLATE TSQL,
  WARACT                  BIT,
  I_LEO                   BIT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_MNI_ECSOID ON MNI (ECSOID);
CREATE INDEX IX_MNI_NAME ON MNI (LNAME, FNAME);
CREATE UNIQUE INDEX IX_MNI_UNIQUEKEY ON MNI (UNIQUEKEY);

-- Arrest reports (ARRESTTYPE "A") and warrant-type records of a person.
CREATE TABLE ARREST (
  ARRESTNO                VARCHAR(15) COLLATE TSQL,
  ECSOID                  VARCHAR(15) COLLATE TSQL,
  WARRANTNO               VARCHAR(20) COLLATE TSQL,
  WARSTATUS               VARCHAR(1) COLLATE TSQL,
  ARRESTTYPE              VARCHAR(1) COLLATE TSQL,
  SERVEBY                 VARCHAR(50) COLLATE TSQL,
  REPORTDATE              DATETIME,
  REPORTTIME              DATETIME,
  ARROFFNAME              VARCHAR(50) COLLATE TSQL,
  ARROFFNO                VARCHAR(10) COLLATE TSQL,
  OFFENSE                 VARCHAR(100) COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_ARREST_ECSOID ON ARREST (ECSOID, ARRESTTYPE);
CREATE UNIQUE INDEX IX_ARREST_UNIQUEKEY ON ARREST (UNIQUEKEY);
