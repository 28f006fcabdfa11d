#include "data/sqlite/ServerSuiteFunctionGroups.h"

#include "data/sqlite/SqliteQuery.h"
#include "data/sqlite/TsqlValue.h"

#include <QStringList>

#include <sqlite3.h>

namespace {

using namespace TsqlValue;

// fnks_GetCellDescription(CellKey): the cell's housing parts (facility,
// tower, dorm, floor, cell number) joined by "*", blank parts left out: the
// form of a booking's CELLNO without its bed. Null for an unknown key.
void GetCellDescription(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Guarded(ctx, [&] {
    if (IsNull(argv[0])) return sqlite3_result_null(ctx);
    TSqliteQuery cell(sqlite3_context_db_handle(ctx),
                      "SELECT FACILITYID, Tower, DORMCODE, Floor, CellNo FROM CFGCELL "
                      "WHERE CellKey = ?1");
    cell.Bind(1, argv[0]);
    if (!cell.Step()) return sqlite3_result_null(ctx);
    QStringList parts;
    for (int c = 0; c < 5; ++c) {
      // Trailing blanks are not part of a code, as T-SQL compares them.
      QString part = cell.Text(c);
      while (part.endsWith(u' ')) part.chop(1);
      if (!part.isEmpty()) parts << part;
    }
    ResultString(ctx, parts.join(u'*'));
  });
}

// fnks_GetSCAAPCodeFromFBICode(code): the SCAAP country code of a state or
// country code of CfgState: the row's own SCAAPCode, else that of the
// country it belongs to. A code listed twice is read from the row of a
// country other than the US first, as the SCAAP file is about inmates born
// abroad. Null when the code is unknown or has no SCAAP code.
void GetScaapCode(sqlite3_context* ctx, int, sqlite3_value** argv) {
  Guarded(ctx, [&] {
    if (IsNull(argv[0])) return sqlite3_result_null(ctx);
    TSqliteQuery code(sqlite3_context_db_handle(ctx),
                      "SELECT COALESCE(NULLIF(TRIM(s.SCAAPCode), ''), NULLIF(TRIM(c.SCAAPCode), "
                      "'')) FROM CfgState s LEFT JOIN CfgState c ON c.UniqueKey = s.CountryFKey "
                      "WHERE s.Code = ?1 "
                      "ORDER BY CASE WHEN c.Code = 'US' THEN 1 ELSE 0 END, s.rowid LIMIT 1");
    code.Bind(1, argv[0]);
    if (!code.Step() || code.IsNull(0)) return sqlite3_result_null(ctx);
    ResultString(ctx, code.Text(0));
  });
}

}  // namespace

void RegisterServerLookupFunctions(sqlite3* db) {
  // Not deterministic: they read tables.
  Register(db, "fnks_GetCellDescription", 1, GetCellDescription, false, kResultSubtype);
  Register(db, "fnks_GetSCAAPCodeFromFBICode", 1, GetScaapCode, false, kResultSubtype);
}
