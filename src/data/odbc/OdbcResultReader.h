#pragma once

#include "data/driver/DbTypes.h"
#include "data/odbc/OdbcHandle.h"

// Describes the statement's current result set and fetches every row of
// it: all column types, long text and binary in chunks, nulls. Replaces
// result's Columns and Rows; RowsAffected becomes the number of rows.
void OdbcReadResult(const TOdbcHandle& stmt, TDbResult& result);
