#include "data/sqlite/TsqlEmitter.h"

#include "data/sqlite/ServerViewFunctions.h"
#include "data/sqlite/TsqlDateTime.h"
#include "data/sqlite/TsqlError.h"

#include <QHash>
#include <QSet>

#include <algorithm>

// Rules of the translation (T-SQL -> SQLite):
// - Table hints are gone already (parser); database and schema qualifiers
//   are reduced to the object name; names are quoted only where SQLite needs it.
// - TOP n becomes LIMIT n of its own SELECT; a compound operand that carries
//   TOP or ORDER BY, or a parenthesised compound on the right of a set
//   operator, becomes "SELECT * FROM (...)".
// - 'alias' = expr becomes expr AS alias.
// - Binary + becomes ts_add(a, b) and binary - ts_sub(a, b) (T-SQL typing:
//   date-times, numbers, strings); JustTheDate(d) + JustTheTime(t), the
//   moment of a date and a time column, becomes ts_moment(d, t). LIKE
//   becomes ts_like(value, pattern).
// - Comparisons (=, <>, <, >, <=, >=, BETWEEN, IN lists): a string literal
//   that holds a date in a form the program writes and meets a non-literal is
//   replaced by its canonical date-time text; a :parameter that meets a
//   non-literal is wrapped in ts_date(), which canonicalises date texts at
//   run time and leaves every other value alone. The same holds for string
//   literals written into INSERT VALUES and UPDATE SET.
// - A comparison where neither side is a column (whose TSQL collation
//   applies) gets COLLATE TSQL; so does an ORDER BY term that is not a plain
//   column: T-SQL compares text without regard to case and trailing blanks.
// - COLLATE <SQL Server collation> becomes COLLATE TSQL (BINARY for case-
//   sensitive and binary collations).
// - T-SQL functions map to the ts_* library (TsqlFunctions.cpp); the suite's
//   own routines (qualified names, fnks_/kssp_/spks_, JustTheDate...) keep
//   their name; an unknown function is an error.
// - DECLARE and SET @v become AssignVariable statements converting the value
//   to the declared type; variables are bound as parameters named "@v".
// - OUTER APPLY f(x) a becomes LEFT JOIN f(x) AS a (a table-valued function),
//   CROSS APPLY an inner join; a suite function that is a view for one key
//   (ServerViewFunctions.h) is joined as that view instead.
// - @@ROWCOUNT reads changes(); @@IDENTITY last_insert_rowid().
// - #temp tables are TEMP tables; IDENTITY columns are INTEGER PRIMARY KEY;
//   text columns get COLLATE TSQL; TRUNCATE TABLE is DELETE.

namespace {

const QSet<QString>& SqliteKeywords() {
  static const QSet<QString> words = [] {
    const char* const list[] = {"ABORT",
                                "ACTION",
                                "ADD",
                                "AFTER",
                                "ALL",
                                "ALTER",
                                "ALWAYS",
                                "ANALYZE",
                                "AND",
                                "AS",
                                "ASC",
                                "ATTACH",
                                "AUTOINCREMENT",
                                "BEFORE",
                                "BEGIN",
                                "BETWEEN",
                                "BY",
                                "CASCADE",
                                "CASE",
                                "CAST",
                                "CHECK",
                                "COLLATE",
                                "COLUMN",
                                "COMMIT",
                                "CONFLICT",
                                "CONSTRAINT",
                                "CREATE",
                                "CROSS",
                                "CURRENT",
                                "CURRENT_DATE",
                                "CURRENT_TIME",
                                "CURRENT_TIMESTAMP",
                                "DATABASE",
                                "DEFAULT",
                                "DEFERRABLE",
                                "DEFERRED",
                                "DELETE",
                                "DESC",
                                "DETACH",
                                "DISTINCT",
                                "DO",
                                "DROP",
                                "EACH",
                                "ELSE",
                                "END",
                                "ESCAPE",
                                "EXCEPT",
                                "EXCLUDE",
                                "EXCLUSIVE",
                                "EXISTS",
                                "EXPLAIN",
                                "FAIL",
                                "FILTER",
                                "FIRST",
                                "FOLLOWING",
                                "FOR",
                                "FOREIGN",
                                "FROM",
                                "FULL",
                                "GENERATED",
                                "GLOB",
                                "GROUP",
                                "GROUPS",
                                "HAVING",
                                "IF",
                                "IGNORE",
                                "IMMEDIATE",
                                "IN",
                                "INDEX",
                                "INDEXED",
                                "INITIALLY",
                                "INNER",
                                "INSERT",
                                "INSTEAD",
                                "INTERSECT",
                                "INTO",
                                "IS",
                                "ISNULL",
                                "JOIN",
                                "KEY",
                                "LAST",
                                "LEFT",
                                "LIKE",
                                "LIMIT",
                                "MATCH",
                                "MATERIALIZED",
                                "NATURAL",
                                "NO",
                                "NOT",
                                "NOTHING",
                                "NOTNULL",
                                "NULL",
                                "NULLS",
                                "OF",
                                "OFFSET",
                                "ON",
                                "OR",
                                "ORDER",
                                "OTHERS",
                                "OUTER",
                                "OVER",
                                "PARTITION",
                                "PLAN",
                                "PRAGMA",
                                "PRECEDING",
                                "PRIMARY",
                                "QUERY",
                                "RAISE",
                                "RANGE",
                                "RECURSIVE",
                                "REFERENCES",
                                "REGEXP",
                                "REINDEX",
                                "RELEASE",
                                "RENAME",
                                "REPLACE",
                                "RESTRICT",
                                "RETURNING",
                                "RIGHT",
                                "ROLLBACK",
                                "ROW",
                                "ROWS",
                                "SAVEPOINT",
                                "SELECT",
                                "SET",
                                "TABLE",
                                "TEMP",
                                "TEMPORARY",
                                "THEN",
                                "TIES",
                                "TO",
                                "TRANSACTION",
                                "TRIGGER",
                                "UNBOUNDED",
                                "UNION",
                                "UNIQUE",
                                "UPDATE",
                                "USING",
                                "VACUUM",
                                "VALUES",
                                "VIEW",
                                "VIRTUAL",
                                "WHEN",
                                "WHERE",
                                "WINDOW",
                                "WITH",
                                "WITHOUT"};
    QSet<QString> set;
    for (const char* w : list) set.insert(QString::fromLatin1(w));
    return set;
  }();
  return words;
}

QString QuoteName(const QString& name) {
  bool plain = !name.isEmpty() && (name[0].isLetter() || name[0] == u'_');
  for (QChar c : name) {
    if (!(c.unicode() < 128 && (c.isLetterOrNumber() || c == u'_'))) {
      plain = false;
      break;
    }
  }
  if (plain && !SqliteKeywords().contains(name.toUpper())) return name;
  if (!name.contains(u']')) return u'[' + name + u']';
  QString escaped = name;
  escaped.replace(u'`', QStringLiteral("``"));
  return u'`' + escaped + u'`';
}

QString QuoteString(const QString& value) {
  QString escaped = value;
  escaped.replace(u'\'', QStringLiteral("''"));
  return u'\'' + escaped + u'\'';
}

bool IsTempName(const QString& name) {
  return name.startsWith(u'#') && !name.startsWith(QLatin1String("##"));
}

// Date parts as SQL Server spells them, to the library's canonical name.
QString NormalizeDatePart(const QString& written) {
  static const QHash<QString, QString> parts = {
      {QStringLiteral("year"), QStringLiteral("year")},
      {QStringLiteral("yy"), QStringLiteral("year")},
      {QStringLiteral("yyyy"), QStringLiteral("year")},
      {QStringLiteral("quarter"), QStringLiteral("quarter")},
      {QStringLiteral("qq"), QStringLiteral("quarter")},
      {QStringLiteral("q"), QStringLiteral("quarter")},
      {QStringLiteral("month"), QStringLiteral("month")},
      {QStringLiteral("mm"), QStringLiteral("month")},
      {QStringLiteral("m"), QStringLiteral("month")},
      {QStringLiteral("dayofyear"), QStringLiteral("dayofyear")},
      {QStringLiteral("dy"), QStringLiteral("dayofyear")},
      {QStringLiteral("y"), QStringLiteral("dayofyear")},
      {QStringLiteral("day"), QStringLiteral("day")},
      {QStringLiteral("dd"), QStringLiteral("day")},
      {QStringLiteral("d"), QStringLiteral("day")},
      {QStringLiteral("week"), QStringLiteral("week")},
      {QStringLiteral("wk"), QStringLiteral("week")},
      {QStringLiteral("ww"), QStringLiteral("week")},
      {QStringLiteral("weekday"), QStringLiteral("weekday")},
      {QStringLiteral("dw"), QStringLiteral("weekday")},
      {QStringLiteral("w"), QStringLiteral("weekday")},
      {QStringLiteral("hour"), QStringLiteral("hour")},
      {QStringLiteral("hh"), QStringLiteral("hour")},
      {QStringLiteral("minute"), QStringLiteral("minute")},
      {QStringLiteral("mi"), QStringLiteral("minute")},
      {QStringLiteral("n"), QStringLiteral("minute")},
      {QStringLiteral("second"), QStringLiteral("second")},
      {QStringLiteral("ss"), QStringLiteral("second")},
      {QStringLiteral("s"), QStringLiteral("second")},
      {QStringLiteral("millisecond"), QStringLiteral("millisecond")},
      {QStringLiteral("ms"), QStringLiteral("millisecond")},
  };
  return parts.value(written.toLower());
}

enum class TFunctionStyle {
  Rename,         // same arguments, library name
  DatePartFirst,  // first argument is a date part keyword
  FixedDatePart,  // YEAR(x) -> ts_datepart('year', x)
  Iif,            // IIF(c, a, b) -> CASE WHEN c THEN a ELSE b END
};

struct TFunctionRule {
  QString Target;
  int MinArgs;
  int MaxArgs;  // -1: any
  TFunctionStyle Style = TFunctionStyle::Rename;
  QString Part;  // FixedDatePart
};

const QHash<QString, TFunctionRule>& FunctionRules() {
  static const QHash<QString, TFunctionRule> rules = [] {
    QHash<QString, TFunctionRule> r;
    auto add = [&r](const char* name, const char* target, int minArgs, int maxArgs,
                    TFunctionStyle style = TFunctionStyle::Rename, const char* part = "") {
      r.insert(QString::fromLatin1(name), TFunctionRule{QString::fromLatin1(target), minArgs,
                                                        maxArgs, style, QString::fromLatin1(part)});
    };
    add("ISNULL", "ifnull", 2, 2);
    add("COALESCE", "coalesce", 2, -1);
    add("NULLIF", "ts_nullif", 2, 2);
    add("IIF", "", 3, 3, TFunctionStyle::Iif);
    add("GETDATE", "ts_getdate", 0, 0);
    add("SYSDATETIME", "ts_getdate", 0, 0);
    add("GETUTCDATE", "ts_getutcdate", 0, 0);
    add("DATEADD", "ts_dateadd", 3, 3, TFunctionStyle::DatePartFirst);
    add("DATEDIFF", "ts_datediff", 3, 3, TFunctionStyle::DatePartFirst);
    add("DATEPART", "ts_datepart", 2, 2, TFunctionStyle::DatePartFirst);
    add("DATENAME", "ts_datename", 2, 2, TFunctionStyle::DatePartFirst);
    add("YEAR", "ts_datepart", 1, 1, TFunctionStyle::FixedDatePart, "year");
    add("MONTH", "ts_datepart", 1, 1, TFunctionStyle::FixedDatePart, "month");
    add("DAY", "ts_datepart", 1, 1, TFunctionStyle::FixedDatePart, "day");
    add("ISDATE", "ts_isdate", 1, 1);
    add("ISNUMERIC", "ts_isnumeric", 1, 1);
    add("LEN", "ts_len", 1, 1);
    add("DATALENGTH", "ts_datalength", 1, 1);
    add("CHARINDEX", "ts_charindex", 2, 3);
    add("SUBSTRING", "ts_substring", 3, 3);
    add("LEFT", "ts_left", 2, 2);
    add("RIGHT", "ts_right", 2, 2);
    add("REVERSE", "ts_reverse", 1, 1);
    add("CHAR", "ts_char", 1, 1);
    add("NCHAR", "ts_char", 1, 1);
    add("ASCII", "ts_ascii", 1, 1);
    add("UNICODE", "unicode", 1, 1);
    add("UPPER", "ts_upper", 1, 1);
    add("LOWER", "ts_lower", 1, 1);
    add("LTRIM", "ltrim", 1, 1);
    add("RTRIM", "rtrim", 1, 1);
    add("TRIM", "trim", 1, 1);
    add("REPLACE", "ts_replace", 3, 3);
    add("REPLICATE", "ts_replicate", 2, 2);
    add("SPACE", "ts_space", 1, 1);
    add("STR", "ts_str", 1, 3);
    add("ABS", "abs", 1, 1);
    add("ROUND", "ts_round", 2, 3);
    add("FLOOR", "ts_floor", 1, 1);
    add("CEILING", "ts_ceiling", 1, 1);
    add("SIGN", "ts_sign", 1, 1);
    add("POWER", "ts_power", 2, 2);
    add("SQRT", "ts_sqrt", 1, 1);
    add("COUNT", "count", 0, 1);
    add("COUNT_BIG", "count", 0, 1);
    add("SUM", "sum", 1, 1);
    add("AVG", "avg", 1, 1);
    add("MIN", "min", 1, 1);
    add("MAX", "max", 1, 1);
    add("NEWID", "ts_newid", 0, 0);
    add("OBJECT_ID", "ts_object_id", 1, 2);
    add("COLUMNPROPERTY", "ts_columnproperty", 3, 3);
    add("JUSTTHEDATE", "JustTheDate", 1, 1);
    add("JUSTTHETIME", "JustTheTime", 1, 1);
    add("JUSTTHETIME1900", "JustTheTime1900", 1, 1);
    return r;
  }();
  return rules;
}

// The suite's own server routines keep their names (registered on the
// connection by the embedded server-routine library).
bool IsSuiteRoutine(const TTsqlExpr& call) {
  if (call.Qualified) return true;
  const QString& n = call.Text;
  return n.startsWith(QLatin1String("fnks_"), Qt::CaseInsensitive) ||
         n.startsWith(QLatin1String("kssp_"), Qt::CaseInsensitive) ||
         n.startsWith(QLatin1String("spks_"), Qt::CaseInsensitive);
}

// JustTheDate(d) + JustTheTime(t): the moment of a date column and a time
// column, written once by the library function ts_moment.
bool IsMomentSum(const TTsqlExpr& a, const TTsqlExpr& b) {
  auto call = [](const TTsqlExpr& e, std::initializer_list<const char*> names) {
    if (e.Kind != TTsqlExprKind::Function || e.Args.size() != 1 || e.Star || e.Distinct)
      return false;
    for (const char* name : names)
      if (e.Text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return true;
    return false;
  };
  return call(a, {"JustTheDate"}) && call(b, {"JustTheTime", "JustTheTime1900"});
}

// Library type specification for CAST/CONVERT/DECLARE ("varchar(30)", "datetime", ...).
QString NormalizeType(const TTsqlTypeName& type, bool& known) {
  known = true;
  const QString& n = type.Name;
  const QString length = type.Args.isEmpty() ? QString() : type.Args.first();
  auto withLength = [&](const char* base, const char* fallback) {
    if (length == QLatin1String("max")) return QString::fromLatin1(base);
    return QStringLiteral("%1(%2)").arg(QLatin1String(base),
                                        length.isEmpty() ? QLatin1String(fallback) : length);
  };
  if (n == QLatin1String("datetime") || n == QLatin1String("smalldatetime") ||
      n == QLatin1String("datetime2") || n == QLatin1String("datetimeoffset"))
    return QStringLiteral("datetime");
  if (n == QLatin1String("date")) return QStringLiteral("date");
  if (n == QLatin1String("time")) return QStringLiteral("time");
  if (n == QLatin1String("char") || n == QLatin1String("nchar")) return withLength("char", "30");
  if (n == QLatin1String("varchar") || n == QLatin1String("nvarchar"))
    return withLength("varchar", "30");
  if (n == QLatin1String("text") || n == QLatin1String("ntext") || n == QLatin1String("xml"))
    return QStringLiteral("varchar");
  if (n == QLatin1String("sysname")) return QStringLiteral("varchar(128)");
  if (n == QLatin1String("uniqueidentifier")) return QStringLiteral("varchar(36)");
  if (n == QLatin1String("int") || n == QLatin1String("integer") || n == QLatin1String("bigint") ||
      n == QLatin1String("smallint") || n == QLatin1String("tinyint"))
    return QStringLiteral("int");
  if (n == QLatin1String("bit")) return QStringLiteral("bit");
  if (n == QLatin1String("float") || n == QLatin1String("real")) return QStringLiteral("float");
  if (n == QLatin1String("decimal") || n == QLatin1String("numeric") || n == QLatin1String("dec"))
    return QStringLiteral("decimal(%1)")
        .arg(type.Args.size() > 1 ? type.Args[1] : QStringLiteral("0"));
  if (n == QLatin1String("money") || n == QLatin1String("smallmoney"))
    return QStringLiteral("money");
  if (n == QLatin1String("image") || n == QLatin1String("varbinary") ||
      n == QLatin1String("binary"))
    return QStringLiteral("binary");
  if (n == QLatin1String("sql_variant")) return QStringLiteral("variant");
  known = false;
  return QString();
}

bool IsTextType(const TTsqlTypeName& type) {
  static const QSet<QString> text = {QStringLiteral("char"),    QStringLiteral("nchar"),
                                     QStringLiteral("varchar"), QStringLiteral("nvarchar"),
                                     QStringLiteral("text"),    QStringLiteral("ntext"),
                                     QStringLiteral("sysname")};
  return text.contains(type.Name);
}

// Precedence of an emitted node in SQLite's grammar, for parentheses.
enum TLevel {
  kLevelOr = 1,
  kLevelAnd = 2,
  kLevelNot = 3,
  kLevelCompare = 4,
  kLevelBitwise = 6,
  kLevelMultiply = 8,
  kLevelUnary = 9,
  kLevelCollate = 10,
  kLevelAtom = 11,
};

int Level(const TTsqlExpr& e) {
  switch (e.Kind) {
    case TTsqlExprKind::Binary: {
      const QString& op = e.Text;
      if (op == QLatin1String("OR")) return kLevelOr;
      if (op == QLatin1String("AND")) return kLevelAnd;
      if (op == QLatin1String("+") || op == QLatin1String("-") || op == QLatin1String("^"))
        return kLevelAtom;  // function calls
      if (op == QLatin1String("*") || op == QLatin1String("/") || op == QLatin1String("%"))
        return kLevelMultiply;
      if (op == QLatin1String("&") || op == QLatin1String("|")) return kLevelBitwise;
      return kLevelCompare;
    }
    case TTsqlExprKind::Unary:
      return e.Text == QLatin1String("NOT") ? kLevelNot
             : e.Text == QLatin1String("+") ? Level(*e.Args[0])
                                            : kLevelUnary;
    case TTsqlExprKind::Like:
      return e.Negated ? kLevelNot : kLevelAtom;
    case TTsqlExprKind::Between:
    case TTsqlExprKind::InList:
    case TTsqlExprKind::InQuery:
    case TTsqlExprKind::IsNull:
      return kLevelCompare;
    case TTsqlExprKind::Collate:
      return kLevelCollate;
    default:
      return kLevelAtom;
  }
}

const TTsqlExpr& Unparen(const TTsqlExpr& e) {
  return e.Kind == TTsqlExprKind::Paren ? Unparen(*e.Args[0]) : e;
}

// A function whose value is a date-time (or null).
bool IsDateTimeFunction(const TTsqlExpr& e) {
  static const QSet<QString> names = {
      QStringLiteral("DATEADD"),        QStringLiteral("GETDATE"),
      QStringLiteral("GETUTCDATE"),     QStringLiteral("SYSDATETIME"),
      QStringLiteral("JUSTTHEDATE"),    QStringLiteral("JUSTTHETIME"),
      QStringLiteral("JUSTTHETIME1900")};
  return e.Kind == TTsqlExprKind::Function && names.contains(e.Text.toUpper());
}

// A plain column: its own (TSQL) collation applies to comparisons. A
// date-time value needs none either: canonical date-times compare alike in
// every collation, and faster without TSQL's.
bool HasCollation(const TTsqlExpr& e) {
  const TTsqlExpr& u = Unparen(e);
  return u.Kind == TTsqlExprKind::Column || u.Kind == TTsqlExprKind::Collate ||
         IsDateTimeFunction(u) ||
         (u.Kind == TTsqlExprKind::Binary && u.Text == QLatin1String("+") &&
          IsMomentSum(*u.Args[0], *u.Args[1]));
}

bool IsNumericLiteral(const TTsqlExpr& e) {
  const TTsqlExpr& u = Unparen(e);
  if (u.Kind == TTsqlExprKind::Number || u.Kind == TTsqlExprKind::Null) return true;
  return u.Kind == TTsqlExprKind::Unary && u.Text != QLatin1String("NOT") &&
         IsNumericLiteral(*u.Args[0]);
}

bool IsLiteral(const TTsqlExpr& e) {
  return Unparen(e).Kind == TTsqlExprKind::String || IsNumericLiteral(e);
}

class TWriter {
 public:
  TWriter(const TTsqlStatement& statement, const QString& batch)
      : FStatement(statement), FBatch(batch) {}

  std::vector<TTsqlTranslatedStatement> Run();

 private:
  [[noreturn]] void Fail(const QString& what, int offset) const;

  // Output of the statement being built.
  void Begin() {
    FOut.clear();
    FParams.clear();
  }
  TTsqlTranslatedStatement Finish(TTsqlAction action = TTsqlAction::Execute) {
    TTsqlTranslatedStatement t;
    t.Action = action;
    t.Sql = FOut;
    t.ParamNames = FParams;
    t.Source = FBatch.mid(FStatement.Begin, FStatement.End - FStatement.Begin);
    return t;
  }
  void Marker(const QString& name);

  // Statements
  void EmitInsert();
  void EmitUpdate();
  void EmitDelete();
  void EmitCreateTable();
  void EmitAssignment(const TTsqlDeclaration& d);

  // Queries
  void EmitQueryFull(const TTsqlQuery& q);
  void EmitCompound(const TTsqlQuery& q);
  void EmitMember(const TTsqlQuery& q, bool leftOperand);
  void EmitCore(const TTsqlSelectCore& core);
  void EmitOrderBy(const std::vector<TTsqlOrderItem>& items, const TTsqlSelectCore* core,
                   bool compound);
  static const TTsqlSelectCore* FirstCore(const TTsqlQuery& q);
  void EmitSource(const TTsqlSource& s);
  bool EmitViewApply(const TTsqlSource& join);

  // Expressions
  void EmitExpr(const TTsqlExpr& e);
  void EmitChild(const TTsqlExpr& child, int parentLevel, bool strict);
  void EmitComparison(const TTsqlExpr& a, const QString& op, const TTsqlExpr& b);
  void EmitComparedOperand(const TTsqlExpr& x, const TTsqlExpr& other);
  void EmitStoredValue(const TTsqlExpr& value);
  void EmitFunction(const TTsqlExpr& e);
  void EmitArgs(const std::vector<TTsqlExprPtr>& args, size_t from);
  QString TypeText(const TTsqlTypeName& type, int offset) const;
  static bool CanonicalDateLiteral(const QString& text, QString& canonical);

  const TTsqlStatement& FStatement;
  const QString& FBatch;
  QString FOut;
  QStringList FParams;
  const TTsqlSelectCore* FIntoCore = nullptr;  // the statement's own SELECT ... INTO
};

void TWriter::Fail(const QString& what, int offset) const {
  int line = 1, lineStart = 0;
  for (int i = 0; i < offset && i < FBatch.size(); ++i) {
    if (FBatch[i] == u'\n') {
      ++line;
      lineStart = i + 1;
    }
  }
  throw ETsqlError(
      TsqlErrorMessage(what, line, offset - lineStart + 1,
                       FBatch.mid(FStatement.Begin, FStatement.End - FStatement.Begin)));
}

void TWriter::Marker(const QString& name) {
  for (int i = 0; i < FParams.size(); ++i) {
    if (FParams[i].compare(name, Qt::CaseInsensitive) == 0) {
      FOut += u'?' + QString::number(i + 1);
      return;
    }
  }
  FParams << name;
  FOut += u'?' + QString::number(FParams.size());
}

std::vector<TTsqlTranslatedStatement> TWriter::Run() {
  std::vector<TTsqlTranslatedStatement> out;
  const TTsqlStatement& s = FStatement;
  Begin();
  switch (s.Kind) {
    case TTsqlStatementKind::Nothing:
      return out;
    case TTsqlStatementKind::Select: {
      const TTsqlSelectCore* first = FirstCore(*s.Query);
      if (first && !first->Into.isEmpty()) {
        FIntoCore = first;
        FOut += IsTempName(first->Into) ? QStringLiteral("CREATE TEMP TABLE ")
                                        : QStringLiteral("CREATE TABLE ");
        FOut += QuoteName(first->Into) + QStringLiteral(" AS ");
        EmitQueryFull(*s.Query);
        out.push_back(Finish());
      } else {
        EmitQueryFull(*s.Query);
        out.push_back(Finish());
        out.back().ReturnsRows = true;
      }
      return out;
    }
    case TTsqlStatementKind::Insert:
      EmitInsert();
      break;
    case TTsqlStatementKind::Update:
      EmitUpdate();
      break;
    case TTsqlStatementKind::Delete:
      EmitDelete();
      break;
    case TTsqlStatementKind::Truncate:
      FOut += QStringLiteral("DELETE FROM ") + QuoteName(s.Table);
      break;
    case TTsqlStatementKind::CreateTable:
      EmitCreateTable();
      break;
    case TTsqlStatementKind::CreateIndex:
      FOut += s.Unique ? QStringLiteral("CREATE UNIQUE INDEX ") : QStringLiteral("CREATE INDEX ");
      FOut += QuoteName(s.IndexName) + QStringLiteral(" ON ") + QuoteName(s.Table) +
              QStringLiteral(" (");
      for (int i = 0; i < s.Columns.size(); ++i) {
        if (i) FOut += QStringLiteral(", ");
        FOut += QuoteName(s.Columns[i]);
        if (s.Descending[size_t(i)]) FOut += QStringLiteral(" DESC");
      }
      FOut += u')';
      break;
    case TTsqlStatementKind::CreateView:
      FOut += QStringLiteral("CREATE VIEW ") + QuoteName(s.Table);
      if (!s.Columns.isEmpty()) {
        FOut += QStringLiteral(" (");
        for (int i = 0; i < s.Columns.size(); ++i) {
          if (i) FOut += QStringLiteral(", ");
          FOut += QuoteName(s.Columns[i]);
        }
        FOut += u')';
      }
      FOut += QStringLiteral(" AS ");
      EmitQueryFull(*s.Query);
      break;
    case TTsqlStatementKind::DropTable:
    case TTsqlStatementKind::DropView:
      for (const QString& table : s.Tables) {
        Begin();
        FOut += s.Kind == TTsqlStatementKind::DropView ? QStringLiteral("DROP VIEW ")
                                                       : QStringLiteral("DROP TABLE ");
        if (s.IfExists) FOut += QStringLiteral("IF EXISTS ");
        FOut += QuoteName(table);
        out.push_back(Finish());
      }
      return out;
    case TTsqlStatementKind::Declare:
    case TTsqlStatementKind::SetVariable: {
      const TTsqlDeclaration& d = s.Declarations.front();
      EmitAssignment(d);
      out.push_back(Finish(TTsqlAction::AssignVariable));
      out.back().Variable = d.Variable;
      return out;
    }
    case TTsqlStatementKind::Call: {
      if (!s.Args.empty()) {
        // The routine reads its arguments by the names of these columns.
        FOut += QStringLiteral("SELECT ");
        for (size_t i = 0; i < s.Args.size(); ++i) {
          if (i) FOut += QStringLiteral(", ");
          const TTsqlExpr& arg = *s.Args[i];
          EmitExpr(arg);
          if (arg.Kind == TTsqlExprKind::Parameter)
            FOut += QStringLiteral(" AS ") + QuoteName(arg.Text);
          else if (arg.Kind == TTsqlExprKind::Variable)
            FOut += QStringLiteral(" AS ") + QuoteName(arg.Text.mid(1));
        }
      }
      out.push_back(Finish(TTsqlAction::CallProcedure));
      out.back().Procedure = s.Procedure;
      out.back().ResultParameter = s.ResultParameter;
      return out;
    }
  }
  out.push_back(Finish());
  return out;
}

// ---------------------------------------------------------------- statements

void TWriter::EmitInsert() {
  const TTsqlStatement& s = FStatement;
  FOut += QStringLiteral("INSERT INTO ") + QuoteName(s.Table);
  if (!s.Columns.isEmpty()) {
    FOut += QStringLiteral(" (");
    for (int i = 0; i < s.Columns.size(); ++i) {
      if (i) FOut += QStringLiteral(", ");
      FOut += QuoteName(s.Columns[i]);
    }
    FOut += u')';
  }
  if (s.DefaultValues) {
    FOut += QStringLiteral(" DEFAULT VALUES");
  } else if (s.Query) {
    FOut += u' ';
    EmitQueryFull(*s.Query);
  } else {
    FOut += QStringLiteral(" VALUES ");
    for (size_t r = 0; r < s.Values.size(); ++r) {
      if (r) FOut += QStringLiteral(", ");
      FOut += u'(';
      for (size_t i = 0; i < s.Values[r].size(); ++i) {
        if (i) FOut += QStringLiteral(", ");
        EmitStoredValue(*s.Values[r][i]);
      }
      FOut += u')';
    }
  }
}

// Finds the table source an UPDATE/DELETE target names (alias first, then
// table name) and its parent join, if any.
struct TTargetMatch {
  const TTsqlSource* Source = nullptr;
  const TTsqlSource* Parent = nullptr;
};

void FindTarget(const TTsqlSource& s, const TTsqlSource* parent, const QString& target,
                bool byAlias, TTargetMatch& match) {
  if (match.Source) return;
  if (s.Kind == TTsqlSourceKind::Join) {
    FindTarget(*s.Left, &s, target, byAlias, match);
    FindTarget(*s.Right, &s, target, byAlias, match);
    return;
  }
  if (s.Kind != TTsqlSourceKind::Table) return;
  const bool hit = byAlias
                       ? s.Alias.compare(target, Qt::CaseInsensitive) == 0
                       : (s.Alias.isEmpty() && s.Name.compare(target, Qt::CaseInsensitive) == 0);
  if (hit) {
    match.Source = &s;
    match.Parent = parent;
  }
}

TTargetMatch FindTarget(const TTsqlSource& from, const QString& target) {
  TTargetMatch match;
  FindTarget(from, nullptr, target, true, match);
  if (!match.Source) FindTarget(from, nullptr, target, false, match);
  return match;
}

void TWriter::EmitUpdate() {
  const TTsqlStatement& s = FStatement;
  const TTsqlSource* target = nullptr;
  TTargetMatch match;
  if (s.From) match = FindTarget(*s.From, s.Table);
  target = match.Source;

  FOut += QStringLiteral("UPDATE ");
  if (target) {
    FOut += QuoteName(target->Name);
    if (!target->Alias.isEmpty()) FOut += QStringLiteral(" AS ") + QuoteName(target->Alias);
  } else {
    FOut += QuoteName(s.Table);
  }
  FOut += QStringLiteral(" SET ");
  for (size_t i = 0; i < s.Sets.size(); ++i) {
    if (i) FOut += QStringLiteral(", ");
    FOut += QuoteName(s.Sets[i].Column) + QStringLiteral(" = ");
    EmitStoredValue(*s.Sets[i].Value);
  }

  // SQLite's UPDATE ... FROM joins the target implicitly: take the target out
  // of the FROM tree and move the condition that joined it into WHERE.
  const TTsqlExpr* joinCondition = nullptr;
  const TTsqlSource* rest = s.From.get();
  if (target) {
    if (!match.Parent) {
      rest = nullptr;
    } else {
      const TTsqlSource& join = *match.Parent;
      if (join.JoinKind != TTsqlJoinKind::Inner && join.JoinKind != TTsqlJoinKind::Comma &&
          join.JoinKind != TTsqlJoinKind::Cross)
        Fail(QStringLiteral(
                 "unsupported construct UPDATE ... FROM with an outer join on the target table"),
             join.Offset);
      if (&join != s.From.get())
        Fail(QStringLiteral("unsupported construct UPDATE ... FROM with the target table inside a "
                            "nested join"),
             join.Offset);
      rest = join.Left.get() == target ? join.Right.get() : join.Left.get();
      joinCondition = join.On.get();
    }
  }
  if (rest) {
    FOut += QStringLiteral(" FROM ");
    EmitSource(*rest);
  }
  if (joinCondition || s.Where) {
    FOut += QStringLiteral(" WHERE ");
    if (joinCondition && s.Where) {
      EmitChild(*joinCondition, kLevelAnd, true);
      FOut += QStringLiteral(" AND ");
      EmitChild(*s.Where, kLevelAnd, true);
    } else {
      EmitExpr(joinCondition ? *joinCondition : *s.Where);
    }
  }
}

void TWriter::EmitDelete() {
  const TTsqlStatement& s = FStatement;
  if (!s.From) {
    FOut += QStringLiteral("DELETE FROM ") + QuoteName(s.Table);
    if (s.Where) {
      FOut += QStringLiteral(" WHERE ");
      EmitExpr(*s.Where);
    }
    return;
  }
  // DELETE t FROM t JOIN ...: delete the rows the join selects, by rowid.
  const TTargetMatch match = FindTarget(*s.From, s.Table);
  const QString table = match.Source ? match.Source->Name : s.Table;
  const QString qualifier =
      match.Source && !match.Source->Alias.isEmpty() ? match.Source->Alias : table;
  FOut += QStringLiteral("DELETE FROM ") + QuoteName(table) +
          QStringLiteral(" WHERE rowid IN (SELECT ") + QuoteName(qualifier) +
          QStringLiteral(".rowid FROM ");
  if (!match.Source) FOut += QuoteName(table) + QStringLiteral(", ");
  EmitSource(*s.From);
  if (s.Where) {
    FOut += QStringLiteral(" WHERE ");
    EmitExpr(*s.Where);
  }
  FOut += u')';
}

void TWriter::EmitCreateTable() {
  const TTsqlStatement& s = FStatement;
  FOut +=
      IsTempName(s.Table) ? QStringLiteral("CREATE TEMP TABLE ") : QStringLiteral("CREATE TABLE ");
  FOut += QuoteName(s.Table) + QStringLiteral(" (");
  bool first = true;
  bool identitySeen = false;
  for (const TTsqlColumnDef& c : s.ColumnDefs) {
    if (!first) FOut += QStringLiteral(", ");
    first = false;
    FOut += QuoteName(c.Name) + u' ';
    if (c.Identity) {
      // The rowid numbers rows 1, 2, 3... in insertion order, as IDENTITY(1,1) does.
      if (identitySeen || !s.PrimaryKey.isEmpty() ||
          std::any_of(s.ColumnDefs.begin(), s.ColumnDefs.end(),
                      [&c](const TTsqlColumnDef& o) { return &o != &c && o.PrimaryKey; }))
        Fail(QStringLiteral("unsupported construct IDENTITY column beside another primary key"),
             s.Begin);
      identitySeen = true;
      FOut += QStringLiteral("INTEGER PRIMARY KEY");
      continue;
    }
    FOut += c.Type.Name.toUpper();
    if (!c.Type.Args.isEmpty())
      FOut += u'(' + c.Type.Args.join(QStringLiteral(", ")).toUpper() + u')';
    if (IsTextType(c.Type)) FOut += QStringLiteral(" COLLATE TSQL");
    if (c.PrimaryKey) FOut += QStringLiteral(" PRIMARY KEY");
    if (c.NotNull) FOut += QStringLiteral(" NOT NULL");
    if (c.Unique) FOut += QStringLiteral(" UNIQUE");
    if (c.Default) {
      FOut += QStringLiteral(" DEFAULT (");
      EmitStoredValue(*c.Default);
      FOut += u')';
    }
  }
  auto keyList = [this](const QString& what, const QStringList& columns) {
    FOut += QStringLiteral(", ") + what + QStringLiteral(" (");
    for (int i = 0; i < columns.size(); ++i) {
      if (i) FOut += QStringLiteral(", ");
      FOut += QuoteName(columns[i]);
    }
    FOut += u')';
  };
  if (!s.PrimaryKey.isEmpty()) keyList(QStringLiteral("PRIMARY KEY"), s.PrimaryKey);
  for (const QStringList& unique : s.UniqueKeys) keyList(QStringLiteral("UNIQUE"), unique);
  FOut += u')';
}

void TWriter::EmitAssignment(const TTsqlDeclaration& d) {
  FOut += QStringLiteral("SELECT ");
  if (!d.Value) {
    FOut += QStringLiteral("NULL");
    return;
  }
  bool known = false;
  const QString typeText = d.Type.Name.isEmpty() ? QString() : NormalizeType(d.Type, known);
  if (!known) {
    EmitExpr(*d.Value);
    return;
  }
  FOut += QStringLiteral("ts_cast(");
  EmitExpr(*d.Value);
  FOut += QStringLiteral(", ") + QuoteString(typeText) + u')';
}

// ---------------------------------------------------------------- queries

const TTsqlSelectCore* TWriter::FirstCore(const TTsqlQuery& q) {
  if (q.Core) return q.Core.get();
  return q.Left ? FirstCore(*q.Left) : nullptr;
}

void TWriter::EmitQueryFull(const TTsqlQuery& q) {
  if (!q.With.empty()) {
    FOut += QStringLiteral("WITH ");
    for (size_t i = 0; i < q.With.size(); ++i) {
      const TTsqlCte& cte = q.With[i];
      if (i) FOut += QStringLiteral(", ");
      FOut += QuoteName(cte.Name);
      if (!cte.Columns.isEmpty()) {
        FOut += QStringLiteral(" (");
        for (int c = 0; c < cte.Columns.size(); ++c) {
          if (c) FOut += QStringLiteral(", ");
          FOut += QuoteName(cte.Columns[c]);
        }
        FOut += u')';
      }
      FOut += QStringLiteral(" AS (");
      EmitQueryFull(*cte.Query);
      FOut += u')';
    }
    FOut += u' ';
  }
  if (q.Core) {
    EmitCore(*q.Core);
    EmitOrderBy(q.OrderBy, q.Core.get(), false);
    if (q.Core->Top) {
      FOut += QStringLiteral(" LIMIT ");
      EmitChild(*q.Core->Top, kLevelAtom, false);
    }
    return;
  }
  if (!q.Right) {  // (SELECT TOP n ... ORDER BY a) ORDER BY b
    FOut += QStringLiteral("SELECT * FROM (");
    EmitQueryFull(*q.Left);
    FOut += u')';
    EmitOrderBy(q.OrderBy, FirstCore(*q.Left), true);
    return;
  }
  // SQLite orders a compound only by result columns; an ORDER BY with
  // expressions orders the compound wrapped in a subquery instead.
  bool simple = true;
  for (const TTsqlOrderItem& item : q.OrderBy) {
    const TTsqlExpr& u = Unparen(*item.Expr);
    if (u.Kind != TTsqlExprKind::Column && u.Kind != TTsqlExprKind::Number) simple = false;
  }
  if (!simple) FOut += QStringLiteral("SELECT * FROM (");
  EmitCompound(q);
  if (!simple) FOut += u')';
  EmitOrderBy(q.OrderBy, FirstCore(q), true);
}

void TWriter::EmitCompound(const TTsqlQuery& q) {
  EmitMember(*q.Left, true);
  switch (q.Op) {
    case TTsqlSetOp::Union:
      FOut += QStringLiteral(" UNION ");
      break;
    case TTsqlSetOp::UnionAll:
      FOut += QStringLiteral(" UNION ALL ");
      break;
    case TTsqlSetOp::Except:
      FOut += QStringLiteral(" EXCEPT ");
      break;
    case TTsqlSetOp::Intersect:
      FOut += QStringLiteral(" INTERSECT ");
      break;
  }
  EmitMember(*q.Right, false);
}

void TWriter::EmitMember(const TTsqlQuery& q, bool leftOperand) {
  if (q.With.empty() && q.OrderBy.empty()) {
    if (q.Core && !q.Core->Top) {
      EmitCore(*q.Core);
      return;
    }
    // Compounds evaluate left to right: a compound on the left needs no parentheses.
    if (q.Right && leftOperand) {
      EmitCompound(q);
      return;
    }
  }
  FOut += QStringLiteral("SELECT * FROM (");
  EmitQueryFull(q);
  FOut += u')';
}

void TWriter::EmitCore(const TTsqlSelectCore& core) {
  if (!core.Into.isEmpty() && &core != FIntoCore)
    Fail(QStringLiteral("unsupported construct SELECT ... INTO inside another statement"),
         FStatement.Begin);
  FOut += QStringLiteral("SELECT ");
  if (core.Distinct) FOut += QStringLiteral("DISTINCT ");
  for (size_t i = 0; i < core.Items.size(); ++i) {
    const TTsqlSelectItem& item = core.Items[i];
    if (i) FOut += QStringLiteral(", ");
    // (c.STATUS) keeps the name STATUS: drop the parentheses of a lone column.
    const TTsqlExpr& u = Unparen(*item.Expr);
    EmitExpr(u.Kind == TTsqlExprKind::Column ? u : *item.Expr);
    if (!item.Alias.isEmpty()) FOut += QStringLiteral(" AS ") + QuoteName(item.Alias);
  }
  if (core.From) {
    FOut += QStringLiteral(" FROM ");
    EmitSource(*core.From);
  }
  if (core.Where) {
    FOut += QStringLiteral(" WHERE ");
    EmitExpr(*core.Where);
  }
  if (!core.GroupBy.empty()) {
    FOut += QStringLiteral(" GROUP BY ");
    EmitArgs(core.GroupBy, 0);
  }
  if (core.Having) {
    FOut += QStringLiteral(" HAVING ");
    EmitExpr(*core.Having);
  }
}

void TWriter::EmitOrderBy(const std::vector<TTsqlOrderItem>& items, const TTsqlSelectCore* core,
                          bool compound) {
  if (items.empty()) return;
  FOut += QStringLiteral(" ORDER BY ");
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) FOut += QStringLiteral(", ");
    const TTsqlExpr& e = *items[i].Expr;
    const TTsqlExpr& u = Unparen(e);
    bool collate = !HasCollation(e) && u.Kind != TTsqlExprKind::Number;
    if (u.Kind == TTsqlExprKind::Column && u.Names.size() == 1 && core) {
      // A select alias of a computed column has no collation of its own.
      for (const TTsqlSelectItem& item : core->Items) {
        if (item.Alias.compare(u.Names.first(), Qt::CaseInsensitive) == 0) {
          collate = !HasCollation(*item.Expr);
          break;
        }
      }
    }
    if (compound && u.Kind == TTsqlExprKind::Column) {
      FOut += QuoteName(u.Names.last());  // result columns carry no table qualifier
    } else if (collate) {
      EmitChild(e, kLevelCollate, false);
    } else {
      EmitExpr(e);
    }
    if (collate) FOut += QStringLiteral(" COLLATE TSQL");
    if (items[i].Descending) FOut += QStringLiteral(" DESC");
  }
}

void TWriter::EmitSource(const TTsqlSource& s) {
  switch (s.Kind) {
    case TTsqlSourceKind::Table:
      FOut += QuoteName(s.Name);
      break;
    case TTsqlSourceKind::Derived:
      FOut += u'(';
      EmitQueryFull(*s.Query);
      FOut += u')';
      break;
    case TTsqlSourceKind::Function:
      FOut += QuoteName(s.Name) + u'(';
      EmitArgs(s.Args, 0);
      FOut += u')';
      break;
    case TTsqlSourceKind::Join: {
      EmitSource(*s.Left);
      if (EmitViewApply(s)) return;
      switch (s.JoinKind) {
        case TTsqlJoinKind::Inner:
        case TTsqlJoinKind::CrossApply:
          FOut += QStringLiteral(" JOIN ");
          break;
        case TTsqlJoinKind::Left:
        case TTsqlJoinKind::OuterApply:
          FOut += QStringLiteral(" LEFT JOIN ");
          break;
        case TTsqlJoinKind::Right:
          FOut += QStringLiteral(" RIGHT JOIN ");
          break;
        case TTsqlJoinKind::Full:
          FOut += QStringLiteral(" FULL JOIN ");
          break;
        case TTsqlJoinKind::Cross:
          FOut += QStringLiteral(" CROSS JOIN ");
          break;
        case TTsqlJoinKind::Comma:
          FOut += QStringLiteral(", ");
          break;
      }
      const bool nested = s.Right->Kind == TTsqlSourceKind::Join;
      if (nested) FOut += u'(';
      EmitSource(*s.Right);
      if (nested) FOut += u')';
      if (s.On) {
        FOut += QStringLiteral(" ON ");
        EmitExpr(*s.On);
      }
      return;
    }
  }
  if (!s.Alias.isEmpty()) FOut += QStringLiteral(" AS ") + QuoteName(s.Alias);
}

// OUTER APPLY f(k) a of a function that is a view for one key: LEFT JOIN
// (the view's columns) AS a ON a.Key = k, so SQLite plans one query (CROSS
// APPLY an inner join). False when the join is no such APPLY.
bool TWriter::EmitViewApply(const TTsqlSource& join) {
  if (join.JoinKind != TTsqlJoinKind::OuterApply && join.JoinKind != TTsqlJoinKind::CrossApply)
    return false;
  const TTsqlSource& call = *join.Right;
  if (call.Kind != TTsqlSourceKind::Function || call.Args.size() != 1) return false;
  const TServerViewFunction* function = FindServerViewFunction(call.Name);
  if (!function) return false;
  const QString alias = QuoteName(call.Alias.isEmpty() ? call.Name : call.Alias);
  FOut += join.JoinKind == TTsqlJoinKind::OuterApply ? QStringLiteral(" LEFT JOIN (")
                                                     : QStringLiteral(" JOIN (");
  FOut += function->Select() + QStringLiteral(") AS ") + alias + QStringLiteral(" ON ") + alias +
          u'.' + QuoteName(function->Key) + QStringLiteral(" = ");
  EmitChild(*call.Args[0], kLevelCompare, true);
  return true;
}

// ---------------------------------------------------------------- expressions

void TWriter::EmitChild(const TTsqlExpr& child, int parentLevel, bool strict) {
  const int level = Level(child);
  const bool paren = strict ? level <= parentLevel : level < parentLevel;
  if (paren) FOut += u'(';
  EmitExpr(child);
  if (paren) FOut += u')';
}

void TWriter::EmitArgs(const std::vector<TTsqlExprPtr>& args, size_t from) {
  for (size_t i = from; i < args.size(); ++i) {
    if (i > from) FOut += QStringLiteral(", ");
    EmitExpr(*args[i]);
  }
}

bool TWriter::CanonicalDateLiteral(const QString& text, QString& canonical) {
  int64_t ms = 0;
  if (!TsqlDateTime::Parse(text, TsqlDateTime::TParseMode::Comparison, ms)) return false;
  canonical = TsqlDateTime::ToCanonical(ms);
  return true;
}

void TWriter::EmitComparedOperand(const TTsqlExpr& x, const TTsqlExpr& other) {
  const TTsqlExpr& u = Unparen(x);
  if (!IsLiteral(other)) {
    QString canonical;
    if (u.Kind == TTsqlExprKind::String && CanonicalDateLiteral(u.Text, canonical)) {
      FOut += QuoteString(canonical);
      return;
    }
    if (u.Kind == TTsqlExprKind::Parameter && Unparen(other).Kind != TTsqlExprKind::Parameter) {
      FOut += QStringLiteral("ts_date(");
      Marker(u.Text);
      FOut += u')';
      return;
    }
  }
  EmitChild(x, kLevelCompare, true);
}

void TWriter::EmitStoredValue(const TTsqlExpr& value) {
  const TTsqlExpr& u = Unparen(value);
  QString canonical;
  if (u.Kind == TTsqlExprKind::String && CanonicalDateLiteral(u.Text, canonical)) {
    FOut += QuoteString(canonical);
    return;
  }
  EmitExpr(value);
}

void TWriter::EmitComparison(const TTsqlExpr& a, const QString& op, const TTsqlExpr& b) {
  EmitComparedOperand(a, b);
  FOut += u' ' + op + u' ';
  const bool collate =
      !HasCollation(a) && !HasCollation(b) && !IsNumericLiteral(a) && !IsNumericLiteral(b);
  if (collate && Level(b) < kLevelCollate) {
    FOut += u'(';
    EmitComparedOperand(b, a);
    FOut += u')';
  } else {
    EmitComparedOperand(b, a);
  }
  if (collate) FOut += QStringLiteral(" COLLATE TSQL");
}

void TWriter::EmitExpr(const TTsqlExpr& e) {
  switch (e.Kind) {
    case TTsqlExprKind::Null:
      FOut += QStringLiteral("NULL");
      return;
    case TTsqlExprKind::String:
      FOut += QuoteString(e.Text);
      return;
    case TTsqlExprKind::Number:
      FOut += e.Text;
      return;
    case TTsqlExprKind::Column:
      for (int i = 0; i < e.Names.size(); ++i) {
        if (i) FOut += u'.';
        FOut += QuoteName(e.Names[i]);
      }
      return;
    case TTsqlExprKind::Star:
      for (const QString& n : e.Names) FOut += QuoteName(n) + u'.';
      FOut += u'*';
      return;
    case TTsqlExprKind::Parameter:
    case TTsqlExprKind::Variable:
      Marker(e.Text);
      return;
    case TTsqlExprKind::GlobalVariable:
      if (e.Text == QLatin1String("@@ROWCOUNT"))
        FOut += QStringLiteral("changes()");
      else if (e.Text == QLatin1String("@@IDENTITY"))
        FOut += QStringLiteral("last_insert_rowid()");
      else
        Fail(QStringLiteral("unsupported construct %1").arg(e.Text), e.Offset);
      return;
    case TTsqlExprKind::Unary:
      if (e.Text == QLatin1String("NOT")) {
        FOut += QStringLiteral("NOT ");
        EmitChild(*e.Args[0], kLevelNot, false);
      } else if (e.Text == QLatin1String("+")) {
        EmitExpr(*e.Args[0]);
      } else {
        FOut += e.Text;
        EmitChild(*e.Args[0], kLevelUnary, false);
      }
      return;
    case TTsqlExprKind::Binary: {
      const QString& op = e.Text;
      const TTsqlExpr& a = *e.Args[0];
      const TTsqlExpr& b = *e.Args[1];
      if (op == QLatin1String("+") && IsMomentSum(a, b)) {
        FOut += QStringLiteral("ts_moment(");
        EmitExpr(*a.Args[0]);
        FOut += QStringLiteral(", ");
        EmitExpr(*b.Args[0]);
        FOut += u')';
        return;
      }
      if (op == QLatin1String("+") || op == QLatin1String("-")) {
        FOut += op == QLatin1String("+") ? QStringLiteral("ts_add(") : QStringLiteral("ts_sub(");
        EmitExpr(a);
        FOut += QStringLiteral(", ");
        EmitExpr(b);
        FOut += u')';
        return;
      }
      if (op == QLatin1String("^")) {  // SQLite has no XOR
        FOut += QStringLiteral("((");
        EmitExpr(a);
        FOut += QStringLiteral(") | (");
        EmitExpr(b);
        FOut += QStringLiteral(")) - ((");
        EmitExpr(a);
        FOut += QStringLiteral(") & (");
        EmitExpr(b);
        FOut += QStringLiteral("))");
        return;
      }
      const int level = Level(e);
      if (level == kLevelCompare) {
        EmitComparison(a, op, b);
        return;
      }
      EmitChild(a, level, false);
      FOut += u' ' + op + u' ';
      const bool chain = (op == QLatin1String("AND") || op == QLatin1String("OR")) &&
                         b.Kind == TTsqlExprKind::Binary && b.Text == op;
      EmitChild(b, level, !chain);
      return;
    }
    case TTsqlExprKind::Function:
      EmitFunction(e);
      return;
    case TTsqlExprKind::Cast:
    case TTsqlExprKind::Convert: {
      const QString typeText = TypeText(e.Type, e.Offset);
      if (e.Kind == TTsqlExprKind::Cast) {
        FOut += QStringLiteral("ts_cast(");
        EmitExpr(*e.Args[0]);
        FOut += QStringLiteral(", ") + QuoteString(typeText) + u')';
      } else {
        FOut += QStringLiteral("ts_convert(") + QuoteString(typeText) + QStringLiteral(", ");
        EmitArgs(e.Args, 0);
        FOut += u')';
      }
      return;
    }
    case TTsqlExprKind::Case: {
      FOut += QStringLiteral("CASE");
      size_t i = 0;
      if (e.HasOperand) {
        // CASE x WHEN 'a' compares with x's collation: T-SQL's when x has none.
        const TTsqlExpr& operand = *e.Args[0];
        FOut += u' ';
        if (!HasCollation(operand) && !IsNumericLiteral(operand)) {
          EmitChild(operand, kLevelCollate, false);
          FOut += QStringLiteral(" COLLATE TSQL");
        } else {
          EmitExpr(operand);
        }
        i = 1;
      }
      const size_t pairsEnd = e.Args.size() - (e.HasElse ? 1 : 0);
      for (; i < pairsEnd; i += 2) {
        FOut += QStringLiteral(" WHEN ");
        EmitExpr(*e.Args[i]);
        FOut += QStringLiteral(" THEN ");
        EmitExpr(*e.Args[i + 1]);
      }
      if (e.HasElse) {
        FOut += QStringLiteral(" ELSE ");
        EmitExpr(*e.Args.back());
      }
      FOut += QStringLiteral(" END");
      return;
    }
    case TTsqlExprKind::Between: {
      const TTsqlExpr& x = *e.Args[0];
      const TTsqlExpr& lo = *e.Args[1];
      const TTsqlExpr& hi = *e.Args[2];
      const bool collate = !HasCollation(x) && !HasCollation(lo) && !HasCollation(hi) &&
                           !IsNumericLiteral(x) && !IsNumericLiteral(lo) && !IsNumericLiteral(hi);
      // The value is compared with both bounds: canonicalise it when the
      // bounds are not literals, and the bounds when it is not one.
      const TTsqlExpr& boundsSide = IsLiteral(lo) ? hi : lo;
      if (collate) FOut += u'(';
      EmitComparedOperand(x, boundsSide);
      if (collate) FOut += QStringLiteral(" COLLATE TSQL)");
      FOut += e.Negated ? QStringLiteral(" NOT BETWEEN ") : QStringLiteral(" BETWEEN ");
      EmitComparedOperand(lo, x);
      FOut += QStringLiteral(" AND ");
      EmitComparedOperand(hi, x);
      return;
    }
    case TTsqlExprKind::InList: {
      const TTsqlExpr& x = *e.Args[0];
      bool collate = !HasCollation(x) && !IsNumericLiteral(x);
      for (size_t i = 1; i < e.Args.size(); ++i)
        if (HasCollation(*e.Args[i]) || IsNumericLiteral(*e.Args[i])) collate = false;
      if (collate) FOut += u'(';
      EmitChild(x, kLevelCompare, true);
      if (collate) FOut += QStringLiteral(" COLLATE TSQL)");
      FOut += e.Negated ? QStringLiteral(" NOT IN (") : QStringLiteral(" IN (");
      for (size_t i = 1; i < e.Args.size(); ++i) {
        if (i > 1) FOut += QStringLiteral(", ");
        EmitComparedOperand(*e.Args[i], x);
      }
      FOut += u')';
      return;
    }
    case TTsqlExprKind::InQuery:
      EmitChild(*e.Args[0], kLevelCompare, true);
      FOut += e.Negated ? QStringLiteral(" NOT IN (") : QStringLiteral(" IN (");
      EmitQueryFull(*e.Query);
      FOut += u')';
      return;
    case TTsqlExprKind::Like:
      if (e.Negated) FOut += QStringLiteral("NOT ");
      FOut += QStringLiteral("ts_like(");
      EmitArgs(e.Args, 0);
      FOut += u')';
      return;
    case TTsqlExprKind::IsNull:
      EmitChild(*e.Args[0], kLevelCompare, true);
      FOut += e.Negated ? QStringLiteral(" IS NOT NULL") : QStringLiteral(" IS NULL");
      return;
    case TTsqlExprKind::Exists:
      FOut += QStringLiteral("EXISTS (");
      EmitQueryFull(*e.Query);
      FOut += u')';
      return;
    case TTsqlExprKind::Subquery:
      FOut += u'(';
      EmitQueryFull(*e.Query);
      FOut += u')';
      return;
    case TTsqlExprKind::Collate: {
      EmitChild(*e.Args[0], kLevelCollate, false);
      const QString upper = e.Text.toUpper();
      const bool binary =
          upper.contains(QLatin1String("_CS")) || upper.contains(QLatin1String("_BIN"));
      FOut += binary ? QStringLiteral(" COLLATE BINARY") : QStringLiteral(" COLLATE TSQL");
      return;
    }
    case TTsqlExprKind::Paren:
      FOut += u'(';
      EmitExpr(*e.Args[0]);
      FOut += u')';
      return;
  }
}

QString TWriter::TypeText(const TTsqlTypeName& type, int offset) const {
  bool known = false;
  const QString typeText = NormalizeType(type, known);
  if (!known) Fail(QStringLiteral("unsupported construct data type %1").arg(type.Name), offset);
  return typeText;
}

void TWriter::EmitFunction(const TTsqlExpr& e) {
  const QString upper = e.Text.toUpper();
  const auto rules = FunctionRules().constFind(upper);
  if (rules == FunctionRules().constEnd() ||
      (e.Qualified && !upper.startsWith(QLatin1String("JUSTTHE")))) {
    if (!IsSuiteRoutine(e))
      Fail(QStringLiteral("unsupported construct function %1").arg(e.Text), e.Offset);
    FOut += QuoteName(e.Text) + u'(';
    EmitArgs(e.Args, 0);
    FOut += u')';
    return;
  }
  const TFunctionRule& rule = *rules;
  const int count = int(e.Args.size()) + (e.Star ? 1 : 0);
  if (count < rule.MinArgs || (rule.MaxArgs >= 0 && count > rule.MaxArgs))
    Fail(QStringLiteral("wrong number of arguments to %1").arg(e.Text.toUpper()), e.Offset);
  if (e.Star && upper != QLatin1String("COUNT") && upper != QLatin1String("COUNT_BIG"))
    Fail(QStringLiteral("unexpected * in %1").arg(e.Text.toUpper()), e.Offset);

  switch (rule.Style) {
    case TFunctionStyle::Rename:
      FOut += rule.Target + u'(';
      if (e.Distinct) FOut += QStringLiteral("DISTINCT ");
      if (e.Star) FOut += u'*';
      EmitArgs(e.Args, 0);
      FOut += u')';
      return;
    case TFunctionStyle::FixedDatePart:
      FOut += rule.Target + QStringLiteral("('") + rule.Part + QStringLiteral("', ");
      EmitArgs(e.Args, 0);
      FOut += u')';
      return;
    case TFunctionStyle::DatePartFirst: {
      const TTsqlExpr& p = *e.Args[0];
      QString written;
      if (p.Kind == TTsqlExprKind::Column && p.Names.size() == 1)
        written = p.Names.first();
      else if (p.Kind == TTsqlExprKind::String)
        written = p.Text;
      const QString part = NormalizeDatePart(written);
      if (part.isEmpty())
        Fail(QStringLiteral("unsupported construct date part '%1' in %2")
                 .arg(written.isEmpty() ? QStringLiteral("?") : written, e.Text.toUpper()),
             p.Offset);
      FOut += rule.Target + QStringLiteral("('") + part + QStringLiteral("', ");
      EmitArgs(e.Args, 1);
      FOut += u')';
      return;
    }
    case TFunctionStyle::Iif:
      FOut += QStringLiteral("CASE WHEN ");
      EmitExpr(*e.Args[0]);
      FOut += QStringLiteral(" THEN ");
      EmitExpr(*e.Args[1]);
      FOut += QStringLiteral(" ELSE ");
      EmitExpr(*e.Args[2]);
      FOut += QStringLiteral(" END");
      return;
  }
}

}  // namespace

std::vector<TTsqlTranslatedStatement> TTsqlEmitter::Emit(const TTsqlStatement& statement,
                                                         const QString& batch) {
  return TWriter(statement, batch).Run();
}
