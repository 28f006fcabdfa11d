-- Views the program reads as tables.

-- Current bookings under the suite's booking program name.
CREATE VIEW VedaVavi AS
SELECT * FROM JAILBOOK;

-- Active and released bookings together. A booking is in one of the two
-- tables; should one be in both, the current row wins.
CREATE VIEW JailBook_JBHisto_View AS
SELECT * FROM JAILBOOK
UNION ALL
SELECT * FROM JBHISTO h
WHERE NOT EXISTS (SELECT 1 FROM JAILBOOK j WHERE j.BOOKNO = h.BOOKNO);

-- Absences: every check-out with the check-in that ended it (the next stay
-- of the booking that began at or after it); the check-in columns are NULL
-- while the inmate is still out.
CREATE VIEW CheckOutIn AS
SELECT o.CheckInOutId, o.BookNo, o.CheckOutTime, o.CheckOutReasonCode, o.CheckOutOfficerName,
       o.CheckOutOfficerNumber, i.CheckInTime, i.CheckInReasonCode, i.CheckInOfficerName,
       i.CheckInOfficerNumber, o.UNIQUEKEY
FROM CheckInOut o
LEFT JOIN CheckInOut i ON i.CheckInOutId =
  (SELECT n.CheckInOutId FROM CheckInOut n
   WHERE n.BookNo = o.BookNo AND n.CheckInTime >= o.CheckOutTime
   ORDER BY n.CheckInTime, n.CheckInOutId LIMIT 1)
WHERE o.CheckOutTime IS NOT NULL;
