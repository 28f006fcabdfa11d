#pragma once

#include <QString>

#include <utility>
#include <vector>

// The suite's connection strings: "name=value;name=value". Names compare
// without regard to case; a value may be quoted with {...} (a "}" inside
// written "}}"), "..." or '...' (the quote inside doubled) so that it can
// hold ";" or outer blanks. Blanks around names and unquoted values are not
// part of them.
class TConnectionString {
 public:
  using TEntry = std::pair<QString, QString>;

  TConnectionString() = default;
  // Throws EDatabaseError for an entry without "=", an empty name or an
  // unterminated quote. Blank entries (";;", a trailing ";") are skipped.
  static TConnectionString Parse(const QString& text);

  // The value of the last entry of that name (later entries win, as in
  // OLE DB); empty when absent.
  QString Value(const QString& name) const;
  bool Contains(const QString& name) const;
  // Replaces every entry of that name by one at the first one's place, or
  // appends it.
  void Set(const QString& name, const QString& value);
  void Remove(const QString& name);
  const std::vector<TEntry>& Entries() const { return FEntries; }
  bool IsEmpty() const { return FEntries.empty(); }

  // "name=value;..." with values braced where they need it.
  QString ToString() const;

 private:
  std::vector<TEntry> FEntries;
};

// Where a suite connection string leads.
enum class TDbBackend { Sqlite, Odbc };

enum class TSqliteOpenMode {
  ReadWrite,  // the file must exist
  ReadOnly,
  Create,  // created when missing (demo database, test fixtures)
};

struct TDbConnectTarget {
  TDbBackend Backend = TDbBackend::Odbc;
  // Embedded backend: absolute file path (or ":memory:"), open mode, and the
  // time a statement waits for another connection's lock.
  QString SqlitePath;
  TSqliteOpenMode SqliteMode = TSqliteOpenMode::ReadWrite;
  int BusyTimeoutMs = 10000;
  // ODBC backend: the string for SQLDriverConnect.
  QString OdbcConnectionString;
  // Logical database name: the file's base name, or the ODBC Database.
  QString DatabaseName;
};

// "Provider=SQLite;Data Source=<file>" selects the embedded backend, the
// file relative to `baseFolder`; optional keys "Mode" (ReadWrite, ReadOnly,
// Create) and "Busy Timeout" (milliseconds). Anything else goes to ODBC
// with the OLE DB keys mapped to their ODBC names, the FreeTDS driver when
// none is named, and Provider dropped. Throws EDatabaseError.
TDbConnectTarget ResolveConnectionString(const QString& connectionString,
                                         const QString& baseFolder);
