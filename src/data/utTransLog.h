#pragma once

#include <QString>
#include <QUuid>

#include <functional>

class TKsCustomDataSet;

// What a transaction-log row says happened. Stored as the ordinal, so the
// order is fixed: new kinds go at the end.
enum TksTransEventType {
  etAdd,                // 0
  etUpdate,             // 1
  etDelete,             // 2
  etImport,             // 3
  etReimport,           // 4
  etSent,               // 5
  etKeyChange,          // 6
  etCheckOut,           // 7
  etCheckIn,            // 8
  etApprove,            // 9
  etUnapprove,          // 10
  etUcrOverride,        // 11
  etUcrReview,          // 12
  etFinish,             // 13
  etUnfinish,           // 14
  etAssign,             // 15
  etStatusChange,       // 16
  etPrint,              // 17
  etPrintPreview,       // 18
  etView,               // 19
  etSeal,               // 20
  etExpunge,            // 21
  etMerge,              // 22
  etExport,             // 23
  etLogIn,              // 24
  etLogOut,             // 25
  etReActivateCall,     // 26
  etEditCallTimes,      // 27
  etEditCallNote,       // 28
  etDeleteCallNote,     // 29
  etEditTsdr,           // 30
  etDeleteTsdr,         // 31
  etDispositionChange,  // 32
  etUndoCheckOut,       // 33
  etCancel,             // 34
  etReassign,           // 35
  etArchive,            // 36
  etUnarchive,          // 37
};

// One transaction-log entry, filled by the writing module and handed to
// WriteTransLog.
struct TksTransEvent {
  QString sKEY1;
  QString sKEY2;
  QString sKEY3;
  QString sNOTE1;  // the writing module
  QString sNOTE2;  // what was done, for reports the menu path
  QString sNOTE3;
  QString sUSER_ID;   // login name
  QString sUSER_KEY;  // personnel number
  QString sEVENT_TABLE;
  TksTransEventType scEVENT = etAdd;
};

// The messages of a failed log write.
QString TransLogFatalDataSetMessage();  // "Fatal error.  WriteTransLog() called with ..."
QString TransLogErrorMessage();         // "Error updating transaction log, please ..."

// Appends one row for Event to the dataset, which selects the columns of
// JailTransLog. A closed dataset stays closed: the row goes through a
// temporary copy of it that opens empty. A failure is shown to the user once
// and swallowed, so a failed log write never stops a report or a log-in.
// Texts longer than their column are cut to it, as the suite's string fields
// do, rather than losing the row.
void WriteTransLog(TKsCustomDataSet* DataSet, const TksTransEvent& Event);

// A new 22-character key for a UNIQUEKEY column.
QString NewUniqueKey();
// The key of a GUID: its 32 hexadecimal digits cut, from the right, into ten
// groups of three and a leading group of two, each written as two base-64
// digits of "0-9A-Za-z{|". The first character is therefore 0 to 3.
QString UniqueKeyFromGuid(const QUuid& Guid);
// The same from a GUID's text (with or without braces and hyphens); only
// its hexadecimal digits count. A text with fewer than 32 is taken as if
// zeros led it, one with more by its last 32, so any text gives a key.
QString UniqueKeyFromGuidText(const QString& GuidText);

// --- the program's own entries ---------------------------------------------

// NOTE1 of every entry this program writes.
QString JailReportsTransLogModule();  // "Jail Reports Module"

// Where the personnel number of a login name comes from (the access
// module installs its lookup); without one the entries carry none.
using TTransLogPerNoLookup = std::function<QString(const QString& LoginName)>;
void SetTransLogPerNoLookup(TTransLogPerNoLookup Lookup);

// What every module's WriteReportsTransLog does: an entry for the user with
// the program's NOTE1 and an empty NOTE3, written through DataSet.
void WriteReportsTransLogEntry(TKsCustomDataSet* DataSet, const QString& UserName,
                               const QString& Key1, const QString& Key2, TksTransEventType Event,
                               const QString& Event_Table, const QString& Note2,
                               const QString& Key3 = QString());
