#pragma once

#include "data/driver/DbTypes.h"

#include <QString>
#include <QVariant>

struct sqlite3_stmt;

// A result column's field type from its declared type in the schema
// (sqlite3_column_decltype): DATETIME/DATE/TIME are date-times, INT types
// integers, BIT/BOOLEAN Booleans, REAL/FLOAT/MONEY/NUMERIC doubles,
// BLOB/IMAGE/BINARY blobs, CHAR/TEXT text. ftUnknown for an expression
// column (no declared type) or a type name that says nothing.
TDbColumn SqliteDeclaredColumn(const QString& name, const char* declaredType);

// The value of column `col` of the current row, read as `declared` where the
// stored value allows it; a stored value that does not fit the declared type
// (text in an INT column, say) comes back as stored rather than altered.
QVariant SqliteColumnValue(sqlite3_stmt* stmt, int col, TFieldType declared);
