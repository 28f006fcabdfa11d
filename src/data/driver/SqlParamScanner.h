#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// How a backend writes a positional parameter marker.
enum class TSqlMarkerStyle {
  Question,          // "?" per occurrence (ODBC)
  NumberedQuestion,  // "?N", N the 1-based index among the distinct names (SQLite)
};

// SQL text with its ":NAME" parameters replaced by positional markers.
struct TSqlParamScan {
  QString Text;
  // One entry per marker, in text order, as written (without the colon).
  QStringList Occurrences;
  // Distinct names in order of first appearance; names that differ only in
  // case are one parameter, as on SQL Server.
  QStringList UniqueNames;
  // For each occurrence, its index in UniqueNames.
  std::vector<int> OccurrenceIndex;
};

// Finds ":NAME" parameters outside strings, quoted and bracketed names and
// comments; "::" and a colon before a digit are left alone.
TSqlParamScan ScanSqlParams(const QString& sql, TSqlMarkerStyle style);

// The distinct parameter names of the text, as ScanSqlParams finds them.
QStringList SqlParamNames(const QString& sql);

// Drops the lock hints that T-SQL reads carry and SQLite does not know:
// "(READUNCOMMITTED)", "(NOLOCK)", "WITH (NOLOCK)" and the like, in any case,
// wherever they stand outside strings, quoted names and comments.
QString RemoveTableHints(const QString& sql);
