-- Configuration database: the connection-string table the configuration
-- component looks up for each logical database.

CREATE TABLE ConnectLib (
  ProgramID  varchar(30)   COLLATE TSQL NOT NULL PRIMARY KEY,
  ConnString varchar(1024) COLLATE TSQL NULL,
  HelpFile   varchar(255)  COLLATE TSQL NULL,
  LogFile    varchar(255)  COLLATE TSQL NULL,
  UseInitial bit           NOT NULL DEFAULT 0
);
