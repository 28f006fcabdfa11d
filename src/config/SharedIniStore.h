#pragma once

#include <QString>
#include <QStringList>

#include <exception>

class TKsMSQuery;

// The settings table SharedINI as the modules that share it read and write
// it: one row per group and name, values as text. The routines here throw;
// each module reports failures under its own procedure names.
namespace SharedIniStore {

// "Select Count(VariableId) as VariableCount " ... : the existence check.
QStringList CheckIfExistSQL();
// The update of an existing row and the insert of a new one, whose key the
// server makes.
QStringList UpdateSQL();
QStringList InsertSQL();

// Runs `query` (its SQL already set, with :VariableGroup and :VariableId)
// and puts the first row's VariableValue into `value` (empty for NULL).
// False, with `value` untouched, when there is no row.
bool ReadValue(TKsMSQuery& query, const QString& VariableGroup, const QString& VariableId,
               QString& value);
// Whether the row exists, through the existence check.
bool RowExists(TKsMSQuery& query, const QString& VariableGroup, const QString& VariableId);
// Updates the row when `exists`, otherwise inserts it.
void WriteRow(TKsMSQuery& query, bool exists, const QString& VariableGroup,
              const QString& VariableId, const QString& VariableValue);

// Stored Booleans: "0"/"FALSE" and "1"/"TRUE" (any case); anything else
// gives the default.
bool TextToBoolean(const QString& text, bool defaultValue);
// A whole decimal number, blanks around it allowed; anything else (empty,
// "30 days") gives the default.
int TextToInteger(const QString& text, int defaultValue);

// The error box of a failed read or write: the error's text followed by
// " / Procedure : " and the procedure.
void ShowError(const std::exception& error, const QString& procedure);

}  // namespace SharedIniStore
