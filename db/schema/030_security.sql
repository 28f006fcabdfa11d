-- Security: the suite's users (employee database), their access levels
-- (user-access database), and what the embedded login routines keep:
-- login sessions, the login history, earlier password hashes and the
-- password policy.
--
-- Passwords are stored only as Argon2id hash strings written by
-- fnks_EncryptPassword; nothing here holds a password in clear.

CREATE TABLE Users (
  UserName                 varchar(20)  COLLATE TSQL NOT NULL PRIMARY KEY,
  PerNo                    varchar(15)  COLLATE TSQL NULL,
  WindowsUserName          varchar(30)  COLLATE TSQL NULL,
  UseWindowsAuthentication bit          NOT NULL DEFAULT 0,
  -- Compared only by the login routines, byte for byte: no TSQL collation.
  EncryptedPassword        varchar(255) NULL,
  PwdLastChanged           datetime     NULL,
  PwdChangeNow             bit          NOT NULL DEFAULT 0,
  UNIQUEKEY                varchar(22)  COLLATE TSQL NULL
);
CREATE INDEX IX_Users_PerNo ON Users (PerNo);
CREATE INDEX IX_Users_WindowsUserName ON Users (WindowsUserName);

-- Access levels per person, suite, module and section ("XX" none, "FA" full).
CREATE TABLE AccessV4 (
  PerNo     varchar(15) COLLATE TSQL NOT NULL,
  Suite     varchar(20) COLLATE TSQL NOT NULL,
  Module    varchar(20) COLLATE TSQL NOT NULL,
  Section   varchar(20) COLLATE TSQL NOT NULL,
  Level     varchar(4)  COLLATE TSQL NULL,
  UNIQUEKEY varchar(22) COLLATE TSQL NULL,
  PRIMARY KEY (PerNo, Suite, Module, Section)
);

-- One row per session opened by a primary login; LogoutTime is set when
-- kssp_Logout ends it.
CREATE TABLE LoginSessions (
  LoginSessionKey varchar(38) COLLATE TSQL NOT NULL PRIMARY KEY,
  UserName        varchar(20) COLLATE TSQL NOT NULL,
  ModuleName      varchar(60) COLLATE TSQL NULL,
  ModuleVersion   varchar(30) COLLATE TSQL NULL,
  LoginTime       datetime    NOT NULL,
  LogoutTime      datetime    NULL
);
CREATE INDEX IX_LoginSessions_User ON LoginSessions (UserName, LoginTime);

-- Every login attempt, accepted or refused.
CREATE TABLE LoginHistory (
  LoginHistoryID  INTEGER      PRIMARY KEY,
  LoginTime       datetime     NOT NULL,
  UserName        varchar(20)  COLLATE TSQL NULL,
  Success         bit          NOT NULL,
  PrimaryLogin    bit          NOT NULL,
  ModuleName      varchar(60)  COLLATE TSQL NULL,
  ModuleVersion   varchar(30)  COLLATE TSQL NULL,
  LoginSessionKey varchar(38)  COLLATE TSQL NULL,
  Message         varchar(255) COLLATE TSQL NULL
);
CREATE INDEX IX_LoginHistory_User ON LoginHistory (UserName, LoginTime);

-- Hashes a user had before, so that a new password cannot repeat a recent one.
CREATE TABLE PasswordHistory (
  PasswordHistoryID INTEGER      PRIMARY KEY,
  UserName          varchar(20)  COLLATE TSQL NOT NULL,
  EncryptedPassword varchar(255) NOT NULL,
  ChangedAt         datetime     NOT NULL
);
CREATE INDEX IX_PasswordHistory_User ON PasswordHistory (UserName, PasswordHistoryID);

CREATE TRIGGER trUsers_PasswordHistory AFTER UPDATE OF EncryptedPassword ON Users
WHEN OLD.EncryptedPassword IS NOT NULL AND OLD.EncryptedPassword IS NOT NEW.EncryptedPassword
BEGIN
  INSERT INTO PasswordHistory (UserName, EncryptedPassword, ChangedAt)
  VALUES (OLD.UserName, OLD.EncryptedPassword, strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime'));
END;

-- The server's password rule, one row. MinLength: fewest characters;
-- HistoryDepth: how many of the latest passwords (the current one included)
-- a new one may not repeat; MaxAgeDays: a password older than this has
-- expired (0: passwords expire only when PwdChangeNow is set).
CREATE TABLE PasswordPolicy (
  MinLength    int NOT NULL DEFAULT 8,
  HistoryDepth int NOT NULL DEFAULT 5,
  MaxAgeDays   int NOT NULL DEFAULT 0
);
INSERT INTO PasswordPolicy DEFAULT VALUES;
