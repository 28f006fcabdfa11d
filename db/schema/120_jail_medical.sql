-- Jail database: medical records of a booking. Visits are numbered per
-- booking ([MEDVISIT NO]); prescriptions, their items, laboratory tests,
-- services and follow-up appointments hang off a visit, dispensings off a
-- prescription item. Several column names contain blanks and are always
-- written in brackets. Conventions as in 100_jail_bookings.sql.

CREATE TABLE JBMEDVIS (
  BOOKNO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  ECSOID                  VARCHAR(15) COLLATE TSQL,
  [MEDVISIT NO]           VARCHAR(10) COLLATE TSQL NOT NULL,
  [MEDVISIT DATE]         DATETIME,
  [MEDVISIT TIME]         DATETIME,
  [VISIT REASON]          VARCHAR(255) COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE UNIQUE INDEX IX_JBMEDVIS_VISIT ON JBMEDVIS (BOOKNO, [MEDVISIT NO]);
CREATE INDEX IX_JBMEDVIS_DATE ON JBMEDVIS ([MEDVISIT DATE]);
CREATE UNIQUE INDEX IX_JBMEDVIS_UNIQUEKEY ON JBMEDVIS (UNIQUEKEY);

-- Prescriptions written at a visit; PRESCRIPTOTAL is their money total.
CREATE TABLE JBMEDS (
  BOOKNO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  [MEDVISIT NO]           VARCHAR(10) COLLATE TSQL NOT NULL,
  PRESCRPTNO              VARCHAR(15) COLLATE TSQL NOT NULL,
  PRESCRIPDATE            DATETIME,
  PRESCRIPTIME            DATETIME,
  [PRESCRIBED BY]         VARCHAR(50) COLLATE TSQL,
  PRESCRIPTOTAL           MONEY,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_JBMEDS_VISIT ON JBMEDS (BOOKNO, [MEDVISIT NO]);
CREATE INDEX IX_JBMEDS_PRESCRPTNO ON JBMEDS (PRESCRPTNO);
CREATE UNIQUE INDEX IX_JBMEDS_UNIQUEKEY ON JBMEDS (UNIQUEKEY);

-- Items (medications) of a prescription.
CREATE TABLE JBPMITEM (
  BOOKNO                  VARCHAR(15) COLLATE TSQL,
  PRESCRPTNO              VARCHAR(15) COLLATE TSQL NOT NULL,
  [MEDVISIT NO]           VARCHAR(10) COLLATE TSQL NOT NULL,
  PRESITEM_NO             VARCHAR(15) COLLATE TSQL NOT NULL,
  MEDICATION_NAME         VARCHAR(50) COLLATE TSQL,
  DATEFILLED              DATETIME,
  REFILLS                 INT,
  FILLEDBY                VARCHAR(50) COLLATE TSQL,
  COST                    MONEY,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_JBPMITEM_PRESCRPTNO ON JBPMITEM (PRESCRPTNO, [MEDVISIT NO]);
CREATE UNIQUE INDEX IX_JBPMITEM_UNIQUEKEY ON JBPMITEM (UNIQUEKEY);

CREATE TABLE JBMEDLAB (
  BOOKNO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  [MEDVISIT NO]           VARCHAR(10) COLLATE TSQL NOT NULL,
  LABTESTNO               VARCHAR(15) COLLATE TSQL NOT NULL,
  [LABTEST DATE]          DATETIME,
  [LABTEST TIME]          DATETIME,
  LABCODE                 VARCHAR(10) COLLATE TSQL,
  [TYPE LABTEST]          VARCHAR(50) COLLATE TSQL,
  LABCMTS                 TEXT COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_JBMEDLAB_VISIT ON JBMEDLAB (BOOKNO, [MEDVISIT NO]);
CREATE INDEX IX_JBMEDLAB_DATE ON JBMEDLAB ([LABTEST DATE]);
CREATE UNIQUE INDEX IX_JBMEDLAB_UNIQUEKEY ON JBMEDLAB (UNIQUEKEY);

CREATE TABLE JBMEDSVC (
  BOOKNO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  [MEDVISIT NO]           VARCHAR(10) COLLATE TSQL NOT NULL,
  MEDSVCNO                VARCHAR(15) COLLATE TSQL NOT NULL,
  [SVC DATE]              DATETIME,
  [SVC TIME]              DATETIME,
  SVCCODE                 VARCHAR(10) COLLATE TSQL,
  [TYPE SVC]              VARCHAR(50) COLLATE TSQL,
  [SVC LOC]               VARCHAR(50) COLLATE TSQL,
  [SVC COST]              MONEY,
  [SVC CMTS]              TEXT COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_JBMEDSVC_VISIT ON JBMEDSVC (BOOKNO, [MEDVISIT NO]);
CREATE INDEX IX_JBMEDSVC_DATE ON JBMEDSVC ([SVC DATE]);
CREATE UNIQUE INDEX IX_JBMEDSVC_UNIQUEKEY ON JBMEDSVC (UNIQUEKEY);

-- Follow-up appointments; COMPLETED 0 or NULL pending, 1 completed.
CREATE TABLE JBMEDAPT (
  BOOKNO                  VARCHAR(15) COLLATE TSQL NOT NULL,
  [MEDVISIT NO]           VARCHAR(10) COLLATE TSQL NOT NULL,
  FOLLOWUPNO              VARCHAR(15) COLLATE TSQL NOT NULL,
  [FOLLOWUP APPT DATE]    DATETIME,
  [FOLLOWUP APPT TIME]    DATETIME,
  [FOLLOWUP APPT LOC]     VARCHAR(50) COLLATE TSQL,
  [FOLLOWUP APPT CMTS]    TEXT COLLATE TSQL,
  COMPLETED               BIT,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_JBMEDAPT_VISIT ON JBMEDAPT (BOOKNO, [MEDVISIT NO]);
CREATE INDEX IX_JBMEDAPT_DATE ON JBMEDAPT ([FOLLOWUP APPT DATE]);
CREATE UNIQUE INDEX IX_JBMEDAPT_UNIQUEKEY ON JBMEDAPT (UNIQUEKEY);

-- Dispensings of a prescription item.
CREATE TABLE JBMDLOG (
  BOOKNO                  VARCHAR(15) COLLATE TSQL,
  PRESCRPTNO              VARCHAR(15) COLLATE TSQL NOT NULL,
  [MEDVISIT NO]           VARCHAR(10) COLLATE TSQL NOT NULL,
  PRESITEM_NO             VARCHAR(15) COLLATE TSQL NOT NULL,
  DISPENSENO              VARCHAR(15) COLLATE TSQL NOT NULL,
  DATEDISP                DATETIME,
  TIMEDISP                DATETIME,
  QTYDISP                 INT,
  DISP_BY                 VARCHAR(50) COLLATE TSQL,
  DISPCMTS                TEXT COLLATE TSQL,
  UNIQUEKEY               VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11))))
);
CREATE INDEX IX_JBMDLOG_ITEM ON JBMDLOG (PRESCRPTNO, PRESITEM_NO);
CREATE INDEX IX_JBMDLOG_DATEDISP ON JBMDLOG (DATEDISP);
CREATE UNIQUE INDEX IX_JBMDLOG_UNIQUEKEY ON JBMDLOG (UNIQUEKEY);

-- The intake medical screening form; check-box answers are bit columns.
CREATE TABLE JBMEDI (
  MEDICALNO                       VARCHAR(15) COLLATE TSQL,
  MEDICALINT                      INT,
  BOOKNO                          VARCHAR(15) COLLATE TSQL NOT NULL,
  ECSOID                          VARCHAR(15) COLLATE TSQL,
  LNAME                           VARCHAR(50) COLLATE TSQL,
  FNAME                           VARCHAR(50) COLLATE TSQL,
  MNAME                           VARCHAR(50) COLLATE TSQL,
  STATE                           VARCHAR(2) COLLATE TSQL,
  ZIPCODE                         VARCHAR(15) COLLATE TSQL,
  ADDRESS                         VARCHAR(100) COLLATE TSQL,
  PHONENO                         VARCHAR(15) COLLATE TSQL,
  INMATEDOC                       BIT,
  HEALTHINS                       BIT,
  INSURANCENO                     VARCHAR(15) COLLATE TSQL,
  MEDICATIONINFO                  TEXT COLLATE TSQL,
  PHYILLDIS                       BIT,
  VENERALDIS                      BIT,
  INFECTDIS                       BIT,
  MEDICALPROBL                    BIT,
  SPECIALMEDICATION               BIT,
  UNDERDOCCARE                    BIT,
  RASH                            BIT,
  SKININFECTIONS                  BIT,
  SIGNSOFDRUG                     BIT,
  PUPILSIZE                       VARCHAR(50) COLLATE TSQL,
  NEEDLEMARKS                     BIT,
  BODYDEFORMATIES                 BIT,
  TRAUMAMARKS                     BIT,
  BRUISES                         BIT,
  LESIONS                         BIT,
  EASEOFMOV                       VARCHAR(50) COLLATE TSQL,
  SKINCONDITION                   VARCHAR(50) COLLATE TSQL,
  JAUNDICE                        BIT,
  ALCOHOLABUSE                    BIT,
  DRUGUSAGE                       BIT,
  KINLNAME                        VARCHAR(50) COLLATE TSQL,
  KINFNAME                        VARCHAR(50) COLLATE TSQL,
  KINMNAME                        VARCHAR(50) COLLATE TSQL,
  KINADDRESS                      VARCHAR(100) COLLATE TSQL,
  KINSTATE                        VARCHAR(2) COLLATE TSQL,
  KINZIPCODE                      VARCHAR(15) COLLATE TSQL,
  KINCOUNTRY                      VARCHAR(50) COLLATE TSQL,
  KINPHONENO                      VARCHAR(15) COLLATE TSQL,
  MEDICALHISTBY                   VARCHAR(50) COLLATE TSQL,
  INMATEDOCNAME                   VARCHAR(50) COLLATE TSQL,
  HEALTHINSNAME                   VARCHAR(50) COLLATE TSQL,
  HEALTHINSNO                     VARCHAR(15) COLLATE TSQL,
  EMERGCONTLNAME                  VARCHAR(50) COLLATE TSQL,
  EMERGCONTPHONE                  VARCHAR(15) COLLATE TSQL,
  EMERGCONTADDRESS                VARCHAR(100) COLLATE TSQL,
  EMERGCONTSTATE                  VARCHAR(2) COLLATE TSQL,
  EMERGENCYCONTZIPCODE            VARCHAR(15) COLLATE TSQL,
  EMERGCONTCITY                   VARCHAR(50) COLLATE TSQL,
  CONSCIOUS                       BIT,
  UNCONSCIOUS                     BIT,
  LOSTCONSIOUS                    BIT,
  NORMALBEHAV                     BIT,
  ABNORMALBEHAV                   BIT,
  ABNORMALDESC                    VARCHAR(255) COLLATE TSQL,
  ALCOHOL                         BIT,
  APPEARINTOX                     BIT,
  CONSUMEALCOHOL                  BIT,
  ALCOHOLPM                       BIT,
  ALCOHOLAM                       BIT,
  LIQUOR                          BIT,
  BEER                            BIT,
  WINE                            BIT,
  DRUGABUSESIGNS                  BIT,
  DRUGSLATELY                     BIT,
  DRUGPM                          BIT,
  DRUGAM                          BIT,
  CHEWTOBACCO                     BIT,
  SMOKE                           BIT,
  CIGARETTE                       BIT,
  CIGAR                           BIT,
  PIPE                            BIT,
  USEMEDICINE                     BIT,
  MEDICATIONUSED                  VARCHAR(255) COLLATE TSQL,
  ALLERGICMEDICINE                BIT,
  HOSPITLATELY                    BIT,
  DRUGPROGRAM                     BIT,
  MAJORDENTAL                     BIT,
  MEDALLERGICTO                   VARCHAR(255) COLLATE TSQL,
  LASTTETANUS                     VARCHAR(50) COLLATE TSQL,
  PREGNANT                        BIT,
  BIRTHCONTROL                    BIT,
  RECENTLYABORT                   BIT,
  RECENTLYBIRTH                   BIT,
  WEEKSPREG                       VARCHAR(50) COLLATE TSQL,
  MONTHSPREG                      VARCHAR(50) COLLATE TSQL,
  WHENABORT                       VARCHAR(50) COLLATE TSQL,
  CONTSUICIDE                     BIT,
  ATTEMPTSUICIDE                  BIT,
  WHENATTEMPTEDSUICIDE            VARCHAR(50) COLLATE TSQL,
  CURRENTSUICIDE                  BIT,
  PROBLEMSOTHER                   VARCHAR(255) COLLATE TSQL,
  HIGHBLOOD                       BIT,
  RHEUMATIC                       BIT,
  HEARTCONDITION                  BIT,
  ARTHRITIS                       BIT,
  ASTHMA                          BIT,
  BODYVERMIN                      BIT,
  NEEDLEMARK                      BIT,
  SYSPHILIS                       BIT,
  HEPATITS                        BIT,
  ULCER                           BIT,
  SEVEREINJ                       BIT,
  EPILEPSY                        BIT,
  DIABETES                        BIT,
  CANCER                          BIT,
  SKININFECT                      BIT,
  SKINRASH                        BIT,
  TUBERCU                         BIT,
  FAINTED                         BIT,
  GONORRHEA                       BIT,
  LICE                            BIT,
  HERPES                          BIT,
  CONTACTS                        BIT,
  GLASSES                         BIT,
  DENTURES                        BIT,
  PROSTHETICS                     BIT,
  EMERGCONTFNAME                  VARCHAR(50) COLLATE TSQL,
  EMERGCONTMNAME                  VARCHAR(50) COLLATE TSQL,
  RPTDATE                         DATETIME,
  RPTTIME                         DATETIME,
  VIC_UPDATE                      BIT,
  SPECIFICDIET                    BIT,
  SPECIFICDIETINFORMATION         VARCHAR(255) COLLATE TSQL,
  WHENCONTEMPSUICIDE              VARCHAR(50) COLLATE TSQL,
  HEADINJURY                      BIT,
  MENTALHEALTHPROBLEM             BIT,
  EXPOSEDTOEXPLAIN                VARCHAR(255) COLLATE TSQL,
  SEIZURES                        BIT,
  CUTS                            BIT,
  INFESTATIONS                    VARCHAR(50) COLLATE TSQL,
  MEDICALHISTBYNO                 VARCHAR(15) COLLATE TSQL,
  BIRTHCONT                       BIT,
  PRODUCTIVECOUGH                 BIT,
  WEIGHTLOSS_DIETING              BIT,
  TIREDNESS_FATIGUE               BIT,
  PRODUCTIVECOUGHEXPLAIN          VARCHAR(255) COLLATE TSQL,
  WEIGHTLOSS_DIETINGEXPLAIN       VARCHAR(255) COLLATE TSQL,
  TIREDNESS_FATIGUEEXPLAIN        VARCHAR(255) COLLATE TSQL,
  UNIQUEKEY                       VARCHAR(22) COLLATE TSQL DEFAULT (upper(hex(randomblob(11)))),
  LMP                             VARCHAR(50) COLLATE TSQL,
  PAINFUL_DENTAL_CONDITION        BIT,
  MOBILITY_RESTRICTED             BIT,
  MOBILITY_RESTRICTEDEXPLAIN      VARCHAR(255) COLLATE TSQL,
  DRUGS_HOWOFTEN                  VARCHAR(50) COLLATE TSQL,
  DRUGS_WHATKIND                  VARCHAR(50) COLLATE TSQL,
  DRUGS_LASTTIME                  VARCHAR(50) COLLATE TSQL,
  DRUGS_HOWMUCH                   VARCHAR(50) COLLATE TSQL,
  ALCOHOL_HOWOFTEN                VARCHAR(50) COLLATE TSQL,
  ALCOHOL_WHATKIND                VARCHAR(50) COLLATE TSQL,
  ALCOHOL_LASTTIME                VARCHAR(50) COLLATE TSQL,
  ALCOHOL_HOWMUCH                 VARCHAR(50) COLLATE TSQL,
  HOPELESSNESS                    BIT,
  HOPELESSNESS_EXPLAIN            VARCHAR(255) COLLATE TSQL,
  APPEARSTOBEWITHDRAWING          BIT,
  APPEARSTOBEWITHDRAWING_EXPLAIN  VARCHAR(255) COLLATE TSQL,
  ILLNESS                         BIT,
  PAIN                            BIT,
  BLEEDING                        BIT,
  FEVER                           BIT,
  MINORINJURIES                   BIT,
  VISIBLESIGNS_MAJOREXPLAIN       VARCHAR(255) COLLATE TSQL,
  VISIBLESIGNS_MINOREXPLAIN       VARCHAR(255) COLLATE TSQL,
  ASSAULTRISK_EXPLAIN             VARCHAR(255) COLLATE TSQL,
  SUICIDERISK_EXPLAIN             VARCHAR(255) COLLATE TSQL,
  CONSCIOUSNESS_EXPLAIN           VARCHAR(255) COLLATE TSQL,
  ASSAULTRISK                     BIT,
  SUICIDERISK                     BIT,
  FEMALE_ABDOMINALPAIN            BIT,
  DISCHARGE                       BIT,
  ABDOMINALPAIN                   BIT,
  CHESTPAIN                       BIT,
  FEMALE_ADDITIONALINFO           VARCHAR(255) COLLATE TSQL,
  SHORTNESSOFBREATH               BIT,
  PLACEMENT_EMERGENCYROOM         BIT,
  PLACEMENT_GENERALPOP            BIT,
  PLACEMENT_INFIRMARY             BIT,
  PLACEMENT_ISOLATION             BIT,
  PLACEMENT_OBSERVATION           BIT,
  PLACEMENT_NEXTSICKCALL          BIT,
  PLACEMENT_REMARKS               VARCHAR(255) COLLATE TSQL,
  RESPIRATION                     VARCHAR(50) COLLATE TSQL,
  PULSE                           VARCHAR(50) COLLATE TSQL,
  TEMPERATURE                     VARCHAR(50) COLLATE TSQL,
  BLOODPRESSURE                   VARCHAR(50) COLLATE TSQL,
  NextOfKinRelationship           VARCHAR(50) COLLATE TSQL,
  EmergencyContactRelationship    VARCHAR(50) COLLATE TSQL
);
CREATE INDEX IX_JBMEDI_BOOKNO ON JBMEDI (BOOKNO, MEDICALNO);
CREATE INDEX IX_JBMEDI_RPTDATE ON JBMEDI (RPTDATE);
CREATE UNIQUE INDEX IX_JBMEDI_UNIQUEKEY ON JBMEDI (UNIQUEKEY);
