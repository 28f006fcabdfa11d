#include "data/sqlite/TsqlParser.h"

#include "data/sqlite/TsqlError.h"

#include <QSet>

namespace {

// Words that T-SQL reserves: never an implicit alias, never a bare column.
const QSet<QString>& ReservedWords() {
  static const QSet<QString> words = {
      QStringLiteral("ADD"),
      QStringLiteral("ALL"),
      QStringLiteral("ALTER"),
      QStringLiteral("AND"),
      QStringLiteral("ANY"),
      QStringLiteral("AS"),
      QStringLiteral("ASC"),
      QStringLiteral("BEGIN"),
      QStringLiteral("BETWEEN"),
      QStringLiteral("BREAK"),
      QStringLiteral("BY"),
      QStringLiteral("CASE"),
      QStringLiteral("CHECK"),
      QStringLiteral("CLOSE"),
      QStringLiteral("CLUSTERED"),
      QStringLiteral("COALESCE"),
      QStringLiteral("COLLATE"),
      QStringLiteral("COLUMN"),
      QStringLiteral("COMMIT"),
      QStringLiteral("COMPUTE"),
      QStringLiteral("CONSTRAINT"),
      QStringLiteral("CONTINUE"),
      QStringLiteral("CONVERT"),
      QStringLiteral("CREATE"),
      QStringLiteral("CROSS"),
      QStringLiteral("CURRENT"),
      QStringLiteral("CURRENT_DATE"),
      QStringLiteral("CURRENT_TIME"),
      QStringLiteral("CURRENT_TIMESTAMP"),
      QStringLiteral("CURRENT_USER"),
      QStringLiteral("CURSOR"),
      QStringLiteral("DATABASE"),
      QStringLiteral("DEALLOCATE"),
      QStringLiteral("DECLARE"),
      QStringLiteral("DEFAULT"),
      QStringLiteral("DELETE"),
      QStringLiteral("DENY"),
      QStringLiteral("DESC"),
      QStringLiteral("DISTINCT"),
      QStringLiteral("DROP"),
      QStringLiteral("ELSE"),
      QStringLiteral("END"),
      QStringLiteral("ESCAPE"),
      QStringLiteral("EXCEPT"),
      QStringLiteral("EXEC"),
      QStringLiteral("EXECUTE"),
      QStringLiteral("EXISTS"),
      QStringLiteral("EXIT"),
      QStringLiteral("FETCH"),
      QStringLiteral("FOR"),
      QStringLiteral("FOREIGN"),
      QStringLiteral("FROM"),
      QStringLiteral("FULL"),
      QStringLiteral("FUNCTION"),
      QStringLiteral("GOTO"),
      QStringLiteral("GRANT"),
      QStringLiteral("GROUP"),
      QStringLiteral("HAVING"),
      QStringLiteral("HOLDLOCK"),
      QStringLiteral("IDENTITY"),
      QStringLiteral("IF"),
      QStringLiteral("IN"),
      QStringLiteral("INDEX"),
      QStringLiteral("INNER"),
      QStringLiteral("INSERT"),
      QStringLiteral("INTERSECT"),
      QStringLiteral("INTO"),
      QStringLiteral("IS"),
      QStringLiteral("JOIN"),
      QStringLiteral("KEY"),
      QStringLiteral("KILL"),
      QStringLiteral("LEFT"),
      QStringLiteral("LIKE"),
      QStringLiteral("MERGE"),
      QStringLiteral("NOCHECK"),
      QStringLiteral("NONCLUSTERED"),
      QStringLiteral("NOT"),
      QStringLiteral("NULL"),
      QStringLiteral("NULLIF"),
      QStringLiteral("OF"),
      QStringLiteral("OFF"),
      QStringLiteral("ON"),
      QStringLiteral("OPEN"),
      QStringLiteral("OPTION"),
      QStringLiteral("OR"),
      QStringLiteral("ORDER"),
      QStringLiteral("OUTER"),
      QStringLiteral("OVER"),
      QStringLiteral("PERCENT"),
      QStringLiteral("PIVOT"),
      QStringLiteral("PRIMARY"),
      QStringLiteral("PRINT"),
      QStringLiteral("PROC"),
      QStringLiteral("PROCEDURE"),
      QStringLiteral("RAISERROR"),
      QStringLiteral("REFERENCES"),
      QStringLiteral("RETURN"),
      QStringLiteral("REVOKE"),
      QStringLiteral("RIGHT"),
      QStringLiteral("ROLLBACK"),
      QStringLiteral("ROWCOUNT"),
      QStringLiteral("SAVE"),
      QStringLiteral("SELECT"),
      QStringLiteral("SET"),
      QStringLiteral("SOME"),
      QStringLiteral("TABLE"),
      QStringLiteral("THEN"),
      QStringLiteral("TO"),
      QStringLiteral("TOP"),
      QStringLiteral("TRAN"),
      QStringLiteral("TRANSACTION"),
      QStringLiteral("TRUNCATE"),
      QStringLiteral("UNION"),
      QStringLiteral("UNIQUE"),
      QStringLiteral("UNPIVOT"),
      QStringLiteral("UPDATE"),
      QStringLiteral("USE"),
      QStringLiteral("VALUES"),
      QStringLiteral("VIEW"),
      QStringLiteral("WAITFOR"),
      QStringLiteral("WHEN"),
      QStringLiteral("WHERE"),
      QStringLiteral("WHILE"),
      QStringLiteral("WITH"),
  };
  return words;
}

// Table hints, dropped wherever they stand.
const QSet<QString>& TableHints() {
  static const QSet<QString> hints = {
      QStringLiteral("NOLOCK"),         QStringLiteral("READUNCOMMITTED"),
      QStringLiteral("READCOMMITTED"),  QStringLiteral("READCOMMITTEDLOCK"),
      QStringLiteral("REPEATABLEREAD"), QStringLiteral("SERIALIZABLE"),
      QStringLiteral("HOLDLOCK"),       QStringLiteral("UPDLOCK"),
      QStringLiteral("XLOCK"),          QStringLiteral("ROWLOCK"),
      QStringLiteral("PAGLOCK"),        QStringLiteral("TABLOCK"),
      QStringLiteral("TABLOCKX"),       QStringLiteral("NOWAIT"),
      QStringLiteral("READPAST"),       QStringLiteral("INDEX"),
      QStringLiteral("FORCESEEK"),      QStringLiteral("FORCESCAN"),
      QStringLiteral("NOEXPAND"),       QStringLiteral("SNAPSHOT"),
  };
  return hints;
}

// SET options that change nothing on the embedded database.
const QSet<QString>& HarmlessSetOptions() {
  static const QSet<QString> options = {
      QStringLiteral("NOCOUNT"),           QStringLiteral("ANSI_NULLS"),
      QStringLiteral("ANSI_WARNINGS"),     QStringLiteral("ANSI_PADDING"),
      QStringLiteral("QUOTED_IDENTIFIER"), QStringLiteral("ARITHABORT"),
      QStringLiteral("XACT_ABORT"),        QStringLiteral("CONCAT_NULL_YIELDS_NULL"),
      QStringLiteral("DATEFORMAT"),        QStringLiteral("TRANSACTION"),
      QStringLiteral("LOCK_TIMEOUT"),      QStringLiteral("DEADLOCK_PRIORITY"),
  };
  return options;
}

constexpr int kPowerOr = 10;
constexpr int kPowerAnd = 20;
constexpr int kPowerNot = 25;
constexpr int kPowerCompare = 30;
constexpr int kPowerAdd = 40;
constexpr int kPowerMultiply = 50;
constexpr int kPowerUnary = 60;
constexpr int kPowerCollate = 70;

}  // namespace

TTsqlParser::TTsqlParser(const QString& batch)
    : FBatch(batch), FTokens(TTsqlTokenizer::Tokenize(batch)) {}

// ---------------------------------------------------------------- tokens

const TTsqlToken& TTsqlParser::Peek(int ahead) const {
  const size_t i = size_t(FPos + ahead);
  return i < FTokens.size() ? FTokens[i] : FTokens.back();
}

const TTsqlToken& TTsqlParser::Take() {
  const TTsqlToken& t = Peek();
  if (t.Kind != TTsqlTokenKind::End) ++FPos;
  return t;
}

bool TTsqlParser::TakeKeyword(QLatin1StringView keyword) {
  if (!Peek().Is(keyword)) return false;
  ++FPos;
  return true;
}

bool TTsqlParser::TakeSymbol(QLatin1StringView symbol) {
  if (!Peek().IsSymbol(symbol)) return false;
  ++FPos;
  return true;
}

void TTsqlParser::ExpectKeyword(QLatin1StringView keyword) {
  if (!TakeKeyword(keyword))
    Fail(QStringLiteral("expected %1 but found %2")
             .arg(QString(keyword).toUpper(),
                  AtEnd() ? QStringLiteral("the end of the text") : "'" + Peek().Text + "'"),
         Peek());
}

void TTsqlParser::ExpectSymbol(QLatin1StringView symbol) {
  if (!TakeSymbol(symbol))
    Fail(QStringLiteral("expected '%1' but found %2")
             .arg(QString(symbol),
                  AtEnd() ? QStringLiteral("the end of the text") : "'" + Peek().Text + "'"),
         Peek());
}

void TTsqlParser::Fail(const QString& what, const TTsqlToken& at) const {
  // Quote the statement from its start to the next ";" (or the batch end).
  int end = int(FBatch.size());
  for (size_t i = size_t(FPos); i < FTokens.size(); ++i) {
    if (FTokens[i].IsSymbol(QLatin1StringView(";"))) {
      end = FTokens[i].Offset;
      break;
    }
  }
  if (end < at.Offset + at.Length) end = int(FBatch.size());
  throw ETsqlError(TsqlErrorMessage(what, at.Line, at.Column,
                                    FBatch.mid(FStatementBegin, end - FStatementBegin)));
}

void TTsqlParser::Unexpected(const TTsqlToken& at) const {
  if (at.Kind == TTsqlTokenKind::End) Fail(QStringLiteral("unexpected end of the statement"), at);
  Fail(QStringLiteral("unexpected '%1'").arg(at.Text), at);
}

void TTsqlParser::Unsupported(const QString& construct, const TTsqlToken& at) const {
  Fail(QStringLiteral("unsupported construct %1").arg(construct), at);
}

bool TTsqlParser::IsReserved(const TTsqlToken& token) {
  return token.Kind == TTsqlTokenKind::Word && ReservedWords().contains(token.Text.toUpper());
}

bool TTsqlParser::IsNameToken(const TTsqlToken& token) const {
  return token.Kind == TTsqlTokenKind::QuotedName ||
         (token.Kind == TTsqlTokenKind::Word && !IsReserved(token));
}

// ---------------------------------------------------------------- statements

std::vector<TTsqlStatementPtr> TTsqlParser::ParseBatch() {
  std::vector<TTsqlStatementPtr> statements;
  while (!AtEnd()) {
    if (TakeSymbol(QLatin1StringView(";"))) continue;
    FStatementBegin = Peek().Offset;
    const size_t first = statements.size();
    ParseStatement(statements);
    const TTsqlToken& last = FTokens[size_t(FPos - 1)];
    for (size_t i = first; i < statements.size(); ++i) {
      statements[i]->Begin = FStatementBegin;
      statements[i]->End = last.Offset + last.Length;
    }
  }
  return statements;
}

void TTsqlParser::ParseStatement(std::vector<TTsqlStatementPtr>& out) {
  const TTsqlToken& t = Peek();
  if (t.Is(QLatin1StringView("SELECT")) || t.Is(QLatin1StringView("WITH")) ||
      t.IsSymbol(QLatin1StringView("("))) {
    out.push_back(ParseSelectStatement());
  } else if (t.Is(QLatin1StringView("INSERT"))) {
    out.push_back(ParseInsert());
  } else if (t.Is(QLatin1StringView("UPDATE"))) {
    out.push_back(ParseUpdate());
  } else if (t.Is(QLatin1StringView("DELETE"))) {
    out.push_back(ParseDelete());
  } else if (t.Is(QLatin1StringView("TRUNCATE"))) {
    out.push_back(ParseTruncate());
  } else if (t.Is(QLatin1StringView("CREATE"))) {
    out.push_back(ParseCreate());
  } else if (t.Is(QLatin1StringView("DROP"))) {
    out.push_back(ParseDrop());
  } else if (t.Is(QLatin1StringView("DECLARE"))) {
    ParseDeclare(out);
  } else if (t.Is(QLatin1StringView("SET"))) {
    out.push_back(ParseSet());
  } else if (t.Is(QLatin1StringView("EXEC")) || t.Is(QLatin1StringView("EXECUTE"))) {
    out.push_back(ParseExec());
  } else if (t.IsSymbol(QLatin1StringView("{"))) {
    out.push_back(ParseCallEscape());
  } else if (t.Is(QLatin1StringView("USE"))) {
    // All logical databases are one file: switching database changes nothing.
    Take();
    if (!IsNameToken(Peek())) Unexpected(Peek());
    Take();
    auto s = std::make_unique<TTsqlStatement>();
    s->Kind = TTsqlStatementKind::Nothing;
    out.push_back(std::move(s));
  } else if (t.Is(QLatin1StringView("GO"))) {
    Take();
    auto s = std::make_unique<TTsqlStatement>();
    s->Kind = TTsqlStatementKind::Nothing;
    out.push_back(std::move(s));
  } else if (t.Kind == TTsqlTokenKind::Word) {
    Unsupported(QStringLiteral("statement %1").arg(t.Text.toUpper()), t);
  } else {
    Unexpected(t);
  }
}

TTsqlStatementPtr TTsqlParser::ParseSelectStatement() {
  auto s = std::make_unique<TTsqlStatement>();
  s->Kind = TTsqlStatementKind::Select;
  s->Query = ParseQueryWithCtes();
  if (Peek().Is(QLatin1StringView("OPTION"))) Unsupported(QStringLiteral("OPTION"), Peek());
  return s;
}

TTsqlStatementPtr TTsqlParser::ParseInsert() {
  ExpectKeyword(QLatin1StringView("INSERT"));
  auto s = std::make_unique<TTsqlStatement>();
  s->Kind = TTsqlStatementKind::Insert;
  TakeKeyword(QLatin1StringView("INTO"));
  s->Table = ParseObjectName();
  if (Peek().Is(QLatin1StringView("WITH")) && Peek(1).IsSymbol(QLatin1StringView("("))) {
    TTsqlSource ignored;
    SkipTableHints(ignored);
  }
  if (Peek().IsSymbol(QLatin1StringView("(")) && !IsQueryAhead()) {
    Take();
    do {
      if (!IsNameToken(Peek())) Unexpected(Peek());
      QStringList parts = ParseMultipartName();
      s->Columns << parts.last();
    } while (TakeSymbol(QLatin1StringView(",")));
    ExpectSymbol(QLatin1StringView(")"));
  }
  if (TakeKeyword(QLatin1StringView("VALUES"))) {
    do {
      ExpectSymbol(QLatin1StringView("("));
      std::vector<TTsqlExprPtr> row;
      do {
        row.push_back(ParseExpr());
      } while (TakeSymbol(QLatin1StringView(",")));
      ExpectSymbol(QLatin1StringView(")"));
      s->Values.push_back(std::move(row));
    } while (TakeSymbol(QLatin1StringView(",")));
  } else if (TakeKeyword(QLatin1StringView("DEFAULT"))) {
    ExpectKeyword(QLatin1StringView("VALUES"));
    s->DefaultValues = true;
  } else if (Peek().Is(QLatin1StringView("SELECT")) || Peek().Is(QLatin1StringView("WITH")) ||
             Peek().IsSymbol(QLatin1StringView("("))) {
    s->Query = ParseQueryWithCtes();
  } else if (Peek().Is(QLatin1StringView("EXEC")) || Peek().Is(QLatin1StringView("EXECUTE"))) {
    Unsupported(QStringLiteral("INSERT ... EXEC"), Peek());
  } else {
    Unexpected(Peek());
  }
  return s;
}

TTsqlStatementPtr TTsqlParser::ParseUpdate() {
  ExpectKeyword(QLatin1StringView("UPDATE"));
  if (Peek().Is(QLatin1StringView("TOP"))) Unsupported(QStringLiteral("UPDATE TOP"), Peek());
  auto s = std::make_unique<TTsqlStatement>();
  s->Kind = TTsqlStatementKind::Update;
  s->Table = ParseObjectName();
  {
    TTsqlSource ignored;
    SkipTableHints(ignored);
  }
  ExpectKeyword(QLatin1StringView("SET"));
  do {
    if (Peek().Kind == TTsqlTokenKind::Variable)
      Unsupported(QStringLiteral("SET @variable in UPDATE"), Peek());
    if (!IsNameToken(Peek())) Unexpected(Peek());
    TTsqlAssignment a;
    a.Column = ParseMultipartName().last();
    ExpectSymbol(QLatin1StringView("="));
    a.Value = ParseExpr();
    s->Sets.push_back(std::move(a));
  } while (TakeSymbol(QLatin1StringView(",")));
  if (TakeKeyword(QLatin1StringView("FROM"))) s->From = ParseFrom();
  if (TakeKeyword(QLatin1StringView("WHERE"))) s->Where = ParseExpr();
  return s;
}

TTsqlStatementPtr TTsqlParser::ParseDelete() {
  ExpectKeyword(QLatin1StringView("DELETE"));
  if (Peek().Is(QLatin1StringView("TOP"))) Unsupported(QStringLiteral("DELETE TOP"), Peek());
  auto s = std::make_unique<TTsqlStatement>();
  s->Kind = TTsqlStatementKind::Delete;
  TakeKeyword(QLatin1StringView("FROM"));
  s->Table = ParseObjectName();
  {
    TTsqlSource ignored;
    SkipTableHints(ignored);
  }
  if (TakeKeyword(QLatin1StringView("FROM"))) s->From = ParseFrom();
  if (TakeKeyword(QLatin1StringView("WHERE"))) s->Where = ParseExpr();
  return s;
}

TTsqlStatementPtr TTsqlParser::ParseTruncate() {
  ExpectKeyword(QLatin1StringView("TRUNCATE"));
  ExpectKeyword(QLatin1StringView("TABLE"));
  auto s = std::make_unique<TTsqlStatement>();
  s->Kind = TTsqlStatementKind::Truncate;
  s->Table = ParseObjectName();
  return s;
}

TTsqlStatementPtr TTsqlParser::ParseCreate() {
  ExpectKeyword(QLatin1StringView("CREATE"));
  if (Peek().Is(QLatin1StringView("VIEW"))) {
    Take();
    auto s = std::make_unique<TTsqlStatement>();
    s->Kind = TTsqlStatementKind::CreateView;
    s->Table = ParseObjectName();
    if (TakeSymbol(QLatin1StringView("("))) {
      do {
        if (!IsNameToken(Peek())) Unexpected(Peek());
        s->Columns << Take().Text;
      } while (TakeSymbol(QLatin1StringView(",")));
      ExpectSymbol(QLatin1StringView(")"));
    }
    ExpectKeyword(QLatin1StringView("AS"));
    s->Query = ParseQueryWithCtes();
    return s;
  }
  const bool unique = TakeKeyword(QLatin1StringView("UNIQUE"));
  if (!TakeKeyword(QLatin1StringView("CLUSTERED"))) TakeKeyword(QLatin1StringView("NONCLUSTERED"));
  if (Peek().Is(QLatin1StringView("INDEX"))) {
    Take();
    auto s = std::make_unique<TTsqlStatement>();
    s->Kind = TTsqlStatementKind::CreateIndex;
    s->Unique = unique;
    if (!IsNameToken(Peek())) Unexpected(Peek());
    s->IndexName = Take().Text;
    ExpectKeyword(QLatin1StringView("ON"));
    s->Table = ParseObjectName();
    ExpectSymbol(QLatin1StringView("("));
    do {
      if (!IsNameToken(Peek())) Unexpected(Peek());
      s->Columns << Take().Text;
      const bool descending = TakeKeyword(QLatin1StringView("DESC"));
      if (!descending) TakeKeyword(QLatin1StringView("ASC"));
      s->Descending.push_back(descending);
    } while (TakeSymbol(QLatin1StringView(",")));
    ExpectSymbol(QLatin1StringView(")"));
    return s;
  }
  if (unique || !Peek().Is(QLatin1StringView("TABLE")))
    Unsupported(QStringLiteral("CREATE %1").arg(Peek().Text.toUpper()), Peek());
  Take();
  auto s = std::make_unique<TTsqlStatement>();
  s->Kind = TTsqlStatementKind::CreateTable;
  s->Table = ParseObjectName();
  ExpectSymbol(QLatin1StringView("("));
  do {
    if (Peek().Is(QLatin1StringView("CONSTRAINT"))) {
      Take();
      if (!IsNameToken(Peek())) Unexpected(Peek());
      Take();
    }
    const bool primary = Peek().Is(QLatin1StringView("PRIMARY"));
    if (primary || Peek().Is(QLatin1StringView("UNIQUE"))) {
      Take();
      if (primary) ExpectKeyword(QLatin1StringView("KEY"));
      if (!TakeKeyword(QLatin1StringView("CLUSTERED")))
        TakeKeyword(QLatin1StringView("NONCLUSTERED"));
      ExpectSymbol(QLatin1StringView("("));
      QStringList columns;
      do {
        if (!IsNameToken(Peek())) Unexpected(Peek());
        columns << Take().Text;
        if (!TakeKeyword(QLatin1StringView("ASC"))) TakeKeyword(QLatin1StringView("DESC"));
      } while (TakeSymbol(QLatin1StringView(",")));
      ExpectSymbol(QLatin1StringView(")"));
      if (primary)
        s->PrimaryKey = columns;
      else
        s->UniqueKeys.push_back(columns);
      continue;
    }
    s->ColumnDefs.push_back(ParseColumnDef());
  } while (TakeSymbol(QLatin1StringView(",")));
  ExpectSymbol(QLatin1StringView(")"));
  return s;
}

TTsqlColumnDef TTsqlParser::ParseColumnDef() {
  if (!IsNameToken(Peek())) Unexpected(Peek());
  TTsqlColumnDef c;
  c.Name = Take().Text;
  c.Type = ParseTypeName();
  for (;;) {
    const TTsqlToken& t = Peek();
    if (t.Is(QLatin1StringView("IDENTITY"))) {
      Take();
      if (TakeSymbol(QLatin1StringView("("))) {
        const QString seed = Take().Text;
        ExpectSymbol(QLatin1StringView(","));
        const QString step = Take().Text;
        ExpectSymbol(QLatin1StringView(")"));
        if (seed != QLatin1String("1") || step != QLatin1String("1"))
          Unsupported(QStringLiteral("IDENTITY(%1, %2)").arg(seed, step), t);
      }
      c.Identity = true;
    } else if (t.Is(QLatin1StringView("NOT"))) {
      Take();
      ExpectKeyword(QLatin1StringView("NULL"));
      c.NotNull = true;
    } else if (t.Is(QLatin1StringView("NULL"))) {
      Take();
    } else if (t.Is(QLatin1StringView("PRIMARY"))) {
      Take();
      ExpectKeyword(QLatin1StringView("KEY"));
      if (!TakeKeyword(QLatin1StringView("CLUSTERED")))
        TakeKeyword(QLatin1StringView("NONCLUSTERED"));
      c.PrimaryKey = true;
    } else if (t.Is(QLatin1StringView("UNIQUE"))) {
      Take();
      c.Unique = true;
    } else if (t.Is(QLatin1StringView("CONSTRAINT"))) {
      Take();
      if (!IsNameToken(Peek())) Unexpected(Peek());
      Take();
    } else if (t.Is(QLatin1StringView("DEFAULT"))) {
      Take();
      c.Default = ParseExpr(kPowerAdd - 1);
    } else if (t.Is(QLatin1StringView("COLLATE"))) {
      // Text columns always get the TSQL collation.
      Take();
      if (!IsNameToken(Peek())) Unexpected(Peek());
      Take();
    } else {
      break;
    }
  }
  return c;
}

TTsqlTypeName TTsqlParser::ParseTypeName() {
  const TTsqlToken& t = Peek();
  if (t.Kind != TTsqlTokenKind::Word && t.Kind != TTsqlTokenKind::QuotedName) Unexpected(t);
  if (t.Is(QLatin1StringView("TABLE"))) Unsupported(QStringLiteral("table variables"), t);
  TTsqlTypeName type;
  QStringList parts = ParseMultipartName();  // sys.varchar is legal, if odd
  type.Name = parts.last().toLower();
  if (type.Name == QLatin1String("double") && TakeKeyword(QLatin1StringView("PRECISION")))
    type.Name = QStringLiteral("float");
  if (TakeSymbol(QLatin1StringView("("))) {
    do {
      const TTsqlToken& a = Take();
      if (a.Kind == TTsqlTokenKind::Number || a.Is(QLatin1StringView("MAX")))
        type.Args << a.Text.toLower();
      else
        Unexpected(a);
    } while (TakeSymbol(QLatin1StringView(",")));
    ExpectSymbol(QLatin1StringView(")"));
  }
  return type;
}

TTsqlStatementPtr TTsqlParser::ParseDrop() {
  ExpectKeyword(QLatin1StringView("DROP"));
  const bool view = Peek().Is(QLatin1StringView("VIEW"));
  if (!view && !Peek().Is(QLatin1StringView("TABLE")))
    Unsupported(QStringLiteral("DROP %1").arg(Peek().Text.toUpper()), Peek());
  Take();
  auto s = std::make_unique<TTsqlStatement>();
  s->Kind = view ? TTsqlStatementKind::DropView : TTsqlStatementKind::DropTable;
  if (Peek().Is(QLatin1StringView("IF")) && Peek(1).Is(QLatin1StringView("EXISTS"))) {
    FPos += 2;
    s->IfExists = true;
  }
  do {
    s->Tables << ParseObjectName();
  } while (TakeSymbol(QLatin1StringView(",")));
  return s;
}

void TTsqlParser::ParseDeclare(std::vector<TTsqlStatementPtr>& out) {
  ExpectKeyword(QLatin1StringView("DECLARE"));
  do {
    const TTsqlToken& v = Peek();
    if (v.Kind != TTsqlTokenKind::Variable) Unexpected(v);
    Take();
    TakeKeyword(QLatin1StringView("AS"));
    if (Peek().Is(QLatin1StringView("CURSOR"))) Unsupported(QStringLiteral("cursors"), Peek());
    TTsqlDeclaration d;
    d.Variable = v.Text;
    d.Type = ParseTypeName();
    // The variable is in scope for its own initialiser only after it; T-SQL
    // does not allow self-reference, so register after parsing the value.
    if (TakeSymbol(QLatin1StringView("="))) d.Value = ParseExpr();
    FVariables.insert(v.Text.toLower(), TVariable{v.Text, d.Type});
    auto s = std::make_unique<TTsqlStatement>();
    s->Kind = TTsqlStatementKind::Declare;
    s->Declarations.push_back(std::move(d));
    out.push_back(std::move(s));
  } while (TakeSymbol(QLatin1StringView(",")));
}

TTsqlStatementPtr TTsqlParser::ParseSet() {
  ExpectKeyword(QLatin1StringView("SET"));
  const TTsqlToken& t = Peek();
  auto s = std::make_unique<TTsqlStatement>();
  if (t.Kind == TTsqlTokenKind::Variable) {
    Take();
    const QString name = VariableName(t);
    TTsqlDeclaration d;
    d.Variable = name;
    d.Type = FVariables.value(name.toLower()).Type;
    const TTsqlToken& op = Peek();
    if (op.IsSymbol(QLatin1StringView("+")) || op.IsSymbol(QLatin1StringView("-"))) {
      // SET @v += x is SET @v = @v + x.
      Take();
      ExpectSymbol(QLatin1StringView("="));
      auto binary = MakeExpr(TTsqlExprKind::Binary, op);
      binary->Text = op.Text;
      auto self = MakeExpr(TTsqlExprKind::Variable, t);
      self->Text = name;
      binary->Args.push_back(std::move(self));
      binary->Args.push_back(ParseExpr());
      d.Value = std::move(binary);
    } else {
      ExpectSymbol(QLatin1StringView("="));
      d.Value = ParseExpr();
    }
    s->Kind = TTsqlStatementKind::SetVariable;
    s->Declarations.push_back(std::move(d));
    return s;
  }
  if (t.Kind == TTsqlTokenKind::Word && HarmlessSetOptions().contains(t.Text.toUpper())) {
    // Session options of SQL Server: SET NOCOUNT ON, SET DATEFORMAT mdy,
    // SET TRANSACTION ISOLATION LEVEL READ UNCOMMITTED, SET LOCK_TIMEOUT -1.
    Take();
    if (TakeKeyword(QLatin1StringView("ON")) || TakeKeyword(QLatin1StringView("OFF"))) {
    } else if (t.Is(QLatin1StringView("TRANSACTION"))) {
      while (Peek().Kind == TTsqlTokenKind::Word && !IsReserved(Peek())) Take();
    } else {
      ParsePrefix();
    }
    s->Kind = TTsqlStatementKind::Nothing;
    return s;
  }
  Unsupported(QStringLiteral("SET %1").arg(t.Text.toUpper()), t);
}

TTsqlStatementPtr TTsqlParser::ParseExec() {
  Take();  // EXEC / EXECUTE
  auto s = std::make_unique<TTsqlStatement>();
  s->Kind = TTsqlStatementKind::Call;
  if (Peek().Kind == TTsqlTokenKind::Variable) {
    // EXEC @rc = proc ...
    const TTsqlToken& v = Take();
    VariableName(v);
    Unsupported(QStringLiteral("EXEC @variable = procedure"), v);
  }
  if (Peek().IsSymbol(QLatin1StringView("(")))
    Unsupported(QStringLiteral("dynamic SQL (EXEC (...))"), Peek());
  s->Procedure = ParseObjectName();
  if (AtEnd() || Peek().IsSymbol(QLatin1StringView(";")) || IsReserved(Peek())) return s;
  do {
    if (Peek().Kind == TTsqlTokenKind::Variable && Peek(1).IsSymbol(QLatin1StringView("=")))
      Unsupported(QStringLiteral("named procedure arguments"), Peek());
    s->Args.push_back(ParseExpr());
    if (Peek().Is(QLatin1StringView("OUTPUT")) || Peek().Is(QLatin1StringView("OUT")))
      Unsupported(QStringLiteral("OUTPUT arguments of EXEC"), Peek());
  } while (TakeSymbol(QLatin1StringView(",")));
  return s;
}

// {[:RESULT =] CALL [db.][schema.]proc[;n] [(args)]}: the call escape of the
// suite's stored-procedure datasets.
TTsqlStatementPtr TTsqlParser::ParseCallEscape() {
  ExpectSymbol(QLatin1StringView("{"));
  auto s = std::make_unique<TTsqlStatement>();
  s->Kind = TTsqlStatementKind::Call;
  if (Peek().Kind == TTsqlTokenKind::Parameter) {
    s->ResultParameter = Take().Text;
    ExpectSymbol(QLatin1StringView("="));
  }
  if (!Peek().Is(QLatin1StringView("CALL"))) Unexpected(Peek());
  Take();
  s->Procedure = ParseObjectName();
  if (TakeSymbol(QLatin1StringView(";"))) {
    if (Peek().Kind != TTsqlTokenKind::Number) Unexpected(Peek());
    Take();  // procedure group number; always 1
  }
  if (TakeSymbol(QLatin1StringView("("))) {
    if (!TakeSymbol(QLatin1StringView(")"))) {
      do {
        s->Args.push_back(ParseExpr());
      } while (TakeSymbol(QLatin1StringView(",")));
      ExpectSymbol(QLatin1StringView(")"));
    }
  }
  ExpectSymbol(QLatin1StringView("}"));
  return s;
}

// ---------------------------------------------------------------- queries

TTsqlQueryPtr TTsqlParser::ParseQueryWithCtes() {
  std::vector<TTsqlCte> ctes;
  if (TakeKeyword(QLatin1StringView("WITH"))) {
    do {
      if (!IsNameToken(Peek())) Unexpected(Peek());
      TTsqlCte cte;
      cte.Name = Take().Text;
      if (TakeSymbol(QLatin1StringView("("))) {
        do {
          if (!IsNameToken(Peek())) Unexpected(Peek());
          cte.Columns << Take().Text;
        } while (TakeSymbol(QLatin1StringView(",")));
        ExpectSymbol(QLatin1StringView(")"));
      }
      ExpectKeyword(QLatin1StringView("AS"));
      ExpectSymbol(QLatin1StringView("("));
      cte.Query = ParseQueryExpression();
      if (Peek().Is(QLatin1StringView("ORDER"))) ParseOrderBy(cte.Query->OrderBy);
      ExpectSymbol(QLatin1StringView(")"));
      ctes.push_back(std::move(cte));
    } while (TakeSymbol(QLatin1StringView(",")));
    if (!Peek().Is(QLatin1StringView("SELECT")) && !Peek().IsSymbol(QLatin1StringView("(")))
      Unsupported(QStringLiteral("WITH before %1").arg(Peek().Text.toUpper()), Peek());
  }
  TTsqlQueryPtr query = ParseQueryExpression();
  if (Peek().Is(QLatin1StringView("ORDER"))) {
    if (!query->OrderBy.empty()) {
      // (SELECT TOP n ... ORDER BY a) ORDER BY b: order the limited rows again.
      auto outer = std::make_unique<TTsqlQuery>();
      outer->Offset = query->Offset;
      outer->Left = std::move(query);
      query = std::move(outer);
    }
    ParseOrderBy(query->OrderBy);
  }
  query->With = std::move(ctes);
  return query;
}

TTsqlQueryPtr TTsqlParser::ParseQueryExpression() {
  TTsqlQueryPtr left = ParseQueryTerm();
  for (;;) {
    TTsqlSetOp op;
    if (Peek().Is(QLatin1StringView("UNION"))) {
      Take();
      op = TakeKeyword(QLatin1StringView("ALL")) ? TTsqlSetOp::UnionAll : TTsqlSetOp::Union;
    } else if (Peek().Is(QLatin1StringView("EXCEPT"))) {
      Take();
      op = TTsqlSetOp::Except;
    } else {
      return left;
    }
    auto compound = std::make_unique<TTsqlQuery>();
    compound->Offset = left->Offset;
    compound->Op = op;
    compound->Left = std::move(left);
    compound->Right = ParseQueryTerm();
    left = std::move(compound);
  }
}

TTsqlQueryPtr TTsqlParser::ParseQueryTerm() {
  TTsqlQueryPtr left = ParseQueryPrimary();
  while (TakeKeyword(QLatin1StringView("INTERSECT"))) {
    auto compound = std::make_unique<TTsqlQuery>();
    compound->Offset = left->Offset;
    compound->Op = TTsqlSetOp::Intersect;
    compound->Left = std::move(left);
    compound->Right = ParseQueryPrimary();
    left = std::move(compound);
  }
  return left;
}

TTsqlQueryPtr TTsqlParser::ParseQueryPrimary() {
  const TTsqlToken& t = Peek();
  if (t.IsSymbol(QLatin1StringView("("))) {
    Take();
    TTsqlQueryPtr inner = ParseQueryExpression();
    if (Peek().Is(QLatin1StringView("ORDER"))) ParseOrderBy(inner->OrderBy);
    ExpectSymbol(QLatin1StringView(")"));
    inner->Parenthesized = true;
    return inner;
  }
  if (!t.Is(QLatin1StringView("SELECT"))) Unexpected(t);
  auto q = std::make_unique<TTsqlQuery>();
  q->Offset = t.Offset;
  q->Core = ParseSelectCore();
  return q;
}

std::unique_ptr<TTsqlSelectCore> TTsqlParser::ParseSelectCore() {
  ExpectKeyword(QLatin1StringView("SELECT"));
  auto core = std::make_unique<TTsqlSelectCore>();
  if (TakeKeyword(QLatin1StringView("DISTINCT")))
    core->Distinct = true;
  else
    TakeKeyword(QLatin1StringView("ALL"));
  if (Peek().Is(QLatin1StringView("TOP"))) {
    const TTsqlToken& top = Take();
    if (TakeSymbol(QLatin1StringView("("))) {
      core->Top = ParseExpr();
      ExpectSymbol(QLatin1StringView(")"));
    } else {
      const TTsqlToken& n = Peek();
      if (n.Kind != TTsqlTokenKind::Number && n.Kind != TTsqlTokenKind::Parameter &&
          n.Kind != TTsqlTokenKind::Variable)
        Unexpected(n);
      core->Top = ParsePrefix();
    }
    if (Peek().Is(QLatin1StringView("PERCENT")))
      Unsupported(QStringLiteral("TOP ... PERCENT"), top);
    if (Peek().Is(QLatin1StringView("WITH")) && Peek(1).Is(QLatin1StringView("TIES")))
      Unsupported(QStringLiteral("TOP ... WITH TIES"), top);
  }
  do {
    core->Items.push_back(ParseSelectItem());
  } while (TakeSymbol(QLatin1StringView(",")));
  if (TakeKeyword(QLatin1StringView("INTO"))) core->Into = ParseObjectName();
  if (TakeKeyword(QLatin1StringView("FROM"))) core->From = ParseFrom();
  if (TakeKeyword(QLatin1StringView("WHERE"))) core->Where = ParseExpr();
  if (Peek().Is(QLatin1StringView("GROUP"))) {
    Take();
    ExpectKeyword(QLatin1StringView("BY"));
    do {
      core->GroupBy.push_back(ParseExpr());
    } while (TakeSymbol(QLatin1StringView(",")));
  }
  if (TakeKeyword(QLatin1StringView("HAVING"))) core->Having = ParseExpr();
  return core;
}

void TTsqlParser::ParseOrderBy(std::vector<TTsqlOrderItem>& into) {
  ExpectKeyword(QLatin1StringView("ORDER"));
  ExpectKeyword(QLatin1StringView("BY"));
  do {
    TTsqlOrderItem item;
    item.Expr = ParseExpr();
    if (TakeKeyword(QLatin1StringView("DESC")))
      item.Descending = true;
    else
      TakeKeyword(QLatin1StringView("ASC"));
    into.push_back(std::move(item));
  } while (TakeSymbol(QLatin1StringView(",")));
  if (Peek().Is(QLatin1StringView("OFFSET")))
    Unsupported(QStringLiteral("OFFSET ... FETCH"), Peek());
}

TTsqlSelectItem TTsqlParser::ParseSelectItem() {
  TTsqlSelectItem item;
  const TTsqlToken& t = Peek();
  // 'alias' = expr, "alias" = expr, [alias] = expr, alias = expr
  if ((t.Kind == TTsqlTokenKind::String || IsNameToken(t)) &&
      Peek(1).IsSymbol(QLatin1StringView("="))) {
    item.Alias = Take().Text;
    Take();
    item.Expr = ParseExpr();
    return item;
  }
  if (t.Kind == TTsqlTokenKind::Variable && Peek(1).IsSymbol(QLatin1StringView("=")))
    Unsupported(QStringLiteral("variable assignment in SELECT"), t);
  item.Expr = ParseExpr();
  if (TakeKeyword(QLatin1StringView("AS"))) {
    const TTsqlToken& a = Peek();
    if (a.Kind != TTsqlTokenKind::String && a.Kind != TTsqlTokenKind::QuotedName &&
        a.Kind != TTsqlTokenKind::Word)
      Unexpected(a);
    item.Alias = Take().Text;
  } else if (Peek().Kind == TTsqlTokenKind::String || IsNameToken(Peek())) {
    item.Alias = Take().Text;
  }
  return item;
}

bool TTsqlParser::IsQueryAhead() const {
  // At "(": skip further "(" and look for SELECT or WITH.
  int i = 0;
  while (Peek(i).IsSymbol(QLatin1StringView("("))) ++i;
  return Peek(i).Is(QLatin1StringView("SELECT"));
}

// ---------------------------------------------------------------- sources

TTsqlSourcePtr TTsqlParser::ParseFrom() {
  TTsqlSourcePtr left = ParseJoinChain();
  while (Peek().IsSymbol(QLatin1StringView(","))) {
    const TTsqlToken& comma = Take();
    auto join = std::make_unique<TTsqlSource>();
    join->Kind = TTsqlSourceKind::Join;
    join->JoinKind = TTsqlJoinKind::Comma;
    join->Offset = comma.Offset;
    join->Left = std::move(left);
    join->Right = ParseJoinChain();
    left = std::move(join);
  }
  return left;
}

TTsqlSourcePtr TTsqlParser::ParseJoinChain() {
  TTsqlSourcePtr left = ParseSourcePrimary();
  for (;;) {
    const TTsqlToken& t = Peek();
    TTsqlJoinKind kind;
    bool needsOn = true;
    if (t.Is(QLatin1StringView("JOIN"))) {
      Take();
      kind = TTsqlJoinKind::Inner;
    } else if (t.Is(QLatin1StringView("INNER"))) {
      Take();
      ExpectKeyword(QLatin1StringView("JOIN"));
      kind = TTsqlJoinKind::Inner;
    } else if (t.Is(QLatin1StringView("LEFT")) || t.Is(QLatin1StringView("RIGHT")) ||
               t.Is(QLatin1StringView("FULL"))) {
      Take();
      TakeKeyword(QLatin1StringView("OUTER"));
      ExpectKeyword(QLatin1StringView("JOIN"));
      kind = t.Is(QLatin1StringView("LEFT"))    ? TTsqlJoinKind::Left
             : t.Is(QLatin1StringView("RIGHT")) ? TTsqlJoinKind::Right
                                                : TTsqlJoinKind::Full;
    } else if (t.Is(QLatin1StringView("CROSS"))) {
      Take();
      if (TakeKeyword(QLatin1StringView("APPLY"))) {
        kind = TTsqlJoinKind::CrossApply;
      } else {
        ExpectKeyword(QLatin1StringView("JOIN"));
        kind = TTsqlJoinKind::Cross;
      }
      needsOn = false;
    } else if (t.Is(QLatin1StringView("OUTER"))) {
      Take();
      ExpectKeyword(QLatin1StringView("APPLY"));
      kind = TTsqlJoinKind::OuterApply;
      needsOn = false;
    } else {
      return left;
    }
    auto join = std::make_unique<TTsqlSource>();
    join->Kind = TTsqlSourceKind::Join;
    join->JoinKind = kind;
    join->Offset = t.Offset;
    join->Left = std::move(left);
    join->Right = ParseSourcePrimary();
    if ((kind == TTsqlJoinKind::OuterApply || kind == TTsqlJoinKind::CrossApply) &&
        join->Right->Kind != TTsqlSourceKind::Function)
      Unsupported(QStringLiteral("APPLY of anything but a table-valued function"), t);
    if (needsOn) {
      ExpectKeyword(QLatin1StringView("ON"));
      join->On = ParseExpr();
    }
    left = std::move(join);
  }
}

TTsqlSourcePtr TTsqlParser::ParseSourcePrimary() {
  const TTsqlToken& t = Peek();
  auto source = std::make_unique<TTsqlSource>();
  source->Offset = t.Offset;
  if (t.IsSymbol(QLatin1StringView("("))) {
    if (IsQueryAhead()) {
      Take();
      source->Kind = TTsqlSourceKind::Derived;
      source->Query = ParseQueryExpression();
      if (Peek().Is(QLatin1StringView("ORDER"))) ParseOrderBy(source->Query->OrderBy);
      ExpectSymbol(QLatin1StringView(")"));
      SkipTableHints(*source);
      if (source->Alias.isEmpty()) Fail(QStringLiteral("a derived table needs an alias"), Peek());
      if (Peek().IsSymbol(QLatin1StringView("(")))
        Unsupported(QStringLiteral("column list of a derived table"), Peek());
      return source;
    }
    // A parenthesised join.
    Take();
    TTsqlSourcePtr inner = ParseFrom();
    ExpectSymbol(QLatin1StringView(")"));
    return inner;
  }
  if (t.Kind == TTsqlTokenKind::Variable) Unsupported(QStringLiteral("table variables"), t);
  if (!IsNameToken(t)) Unexpected(t);
  const QStringList parts = ParseMultipartName();
  source->Name = parts.last();
  if (Peek().IsSymbol(QLatin1StringView("(")) && !IsHintListAhead()) {
    source->Kind = TTsqlSourceKind::Function;
    Take();
    if (!TakeSymbol(QLatin1StringView(")"))) {
      do {
        source->Args.push_back(ParseExpr());
      } while (TakeSymbol(QLatin1StringView(",")));
      ExpectSymbol(QLatin1StringView(")"));
    }
  } else {
    source->Kind = TTsqlSourceKind::Table;
  }
  SkipTableHints(*source);
  return source;
}

// Hints and the alias in whichever order they come:
// "t (NOLOCK) a", "t a (READUNCOMMITTED)", "t WITH (NOLOCK)", "t AS a WITH (NOLOCK)".
void TTsqlParser::SkipTableHints(TTsqlSource& source) {
  for (;;) {
    const TTsqlToken& t = Peek();
    if (t.Is(QLatin1StringView("WITH")) && Peek(1).IsSymbol(QLatin1StringView("("))) {
      ++FPos;
      if (!IsHintListAhead()) Unexpected(Peek(1));
    }
    if (Peek().IsSymbol(QLatin1StringView("(")) && IsHintListAhead()) {
      int depth = 0;
      do {
        const TTsqlToken& x = Take();
        if (x.IsSymbol(QLatin1StringView("("))) ++depth;
        if (x.IsSymbol(QLatin1StringView(")"))) --depth;
        if (x.Kind == TTsqlTokenKind::End) Unexpected(x);
      } while (depth > 0);
      continue;
    }
    if (!source.Alias.isEmpty()) return;
    if (Peek().Is(QLatin1StringView("AS"))) {
      Take();
      source.Alias = ParseAlias(true);
      continue;
    }
    if (IsNameToken(Peek())) {
      source.Alias = ParseAlias(true);
      continue;
    }
    return;
  }
}

bool TTsqlParser::IsHintListAhead() const {
  if (!Peek().IsSymbol(QLatin1StringView("("))) return false;
  const TTsqlToken& first = Peek(1);
  return first.Kind == TTsqlTokenKind::Word && TableHints().contains(first.Text.toUpper());
}

QString TTsqlParser::ParseAlias(bool required) {
  const TTsqlToken& t = Peek();
  if (IsNameToken(t) || t.Kind == TTsqlTokenKind::String) return Take().Text;
  if (required) Unexpected(t);
  return QString();
}

// a, a.b, a.b.c, a..c, [a].[b].[c]: the parts as written, empty parts kept.
QStringList TTsqlParser::ParseMultipartName() {
  QStringList parts;
  const TTsqlToken& first = Peek();
  if (first.Kind != TTsqlTokenKind::Word && first.Kind != TTsqlTokenKind::QuotedName)
    Unexpected(first);
  parts << Take().Text;
  while (Peek().IsSymbol(QLatin1StringView("."))) {
    Take();
    while (Peek().IsSymbol(QLatin1StringView("."))) {  // Cfg..CfgReports
      Take();
      parts << QString();
    }
    const TTsqlToken& next = Peek();
    if (next.Kind == TTsqlTokenKind::Word || next.Kind == TTsqlTokenKind::QuotedName) {
      parts << Take().Text;
    } else if (next.IsSymbol(QLatin1StringView("*"))) {
      parts << QStringLiteral("*");
      Take();
      break;
    } else {
      Unexpected(next);
    }
  }
  return parts;
}

// Database and schema qualifiers name the same single database here.
QString TTsqlParser::ParseObjectName() {
  if (Peek().Kind == TTsqlTokenKind::Variable)
    Unsupported(QStringLiteral("table variables"), Peek());
  if (!IsNameToken(Peek())) Unexpected(Peek());
  const QStringList parts = ParseMultipartName();
  if (parts.last().isEmpty() || parts.last() == QLatin1String("*")) Unexpected(Peek());
  return parts.last();
}

// ---------------------------------------------------------------- expressions

TTsqlExprPtr TTsqlParser::MakeExpr(TTsqlExprKind kind, const TTsqlToken& at) const {
  auto e = std::make_unique<TTsqlExpr>();
  e->Kind = kind;
  e->Offset = at.Offset;
  return e;
}

QString TTsqlParser::VariableName(const TTsqlToken& token) const {
  auto it = FVariables.constFind(token.Text.toLower());
  if (it == FVariables.constEnd())
    Fail(QStringLiteral("must declare the variable %1").arg(token.Text), token);
  return it->Name;
}

TTsqlExprPtr TTsqlParser::ParseExpr(int minPower) {
  TTsqlExprPtr left = ParsePrefix();
  for (;;) {
    const TTsqlToken& t = Peek();
    int power = -1;
    QString op;
    bool negated = false;
    int width = 1;  // tokens making up the operator
    if (t.Kind == TTsqlTokenKind::Symbol) {
      const QString& s = t.Text;
      if (s == QLatin1String("=") || s == QLatin1String("<>") || s == QLatin1String("<") ||
          s == QLatin1String(">") || s == QLatin1String("<=") || s == QLatin1String(">=")) {
        power = kPowerCompare;
        op = s;
      } else if (s == QLatin1String("!<")) {
        power = kPowerCompare;
        op = QStringLiteral(">=");
      } else if (s == QLatin1String("!>")) {
        power = kPowerCompare;
        op = QStringLiteral("<=");
      } else if (s == QLatin1String("+") || s == QLatin1String("-") || s == QLatin1String("&") ||
                 s == QLatin1String("|") || s == QLatin1String("^")) {
        power = kPowerAdd;
        op = s;
      } else if (s == QLatin1String("*") || s == QLatin1String("/") || s == QLatin1String("%")) {
        power = kPowerMultiply;
        op = s;
      }
    } else if (t.Kind == TTsqlTokenKind::Word) {
      if (t.Is(QLatin1StringView("OR"))) {
        power = kPowerOr;
        op = QStringLiteral("OR");
      } else if (t.Is(QLatin1StringView("AND"))) {
        power = kPowerAnd;
        op = QStringLiteral("AND");
      } else if (t.Is(QLatin1StringView("IS")) || t.Is(QLatin1StringView("IN")) ||
                 t.Is(QLatin1StringView("LIKE")) || t.Is(QLatin1StringView("BETWEEN"))) {
        power = kPowerCompare;
        op = t.Text.toUpper();
      } else if (t.Is(QLatin1StringView("NOT")) &&
                 (Peek(1).Is(QLatin1StringView("IN")) || Peek(1).Is(QLatin1StringView("LIKE")) ||
                  Peek(1).Is(QLatin1StringView("BETWEEN")))) {
        power = kPowerCompare;
        op = Peek(1).Text.toUpper();
        negated = true;
        width = 2;
      } else if (t.Is(QLatin1StringView("COLLATE"))) {
        power = kPowerCollate;
        op = QStringLiteral("COLLATE");
      }
    }
    if (power < 0 || power <= minPower) return left;
    FPos += width;

    if (op == QLatin1String("COLLATE")) {
      const TTsqlToken& name = Take();
      if (name.Kind != TTsqlTokenKind::Word && name.Kind != TTsqlTokenKind::QuotedName)
        Unexpected(name);
      auto e = MakeExpr(TTsqlExprKind::Collate, t);
      e->Text = name.Text;
      e->Args.push_back(std::move(left));
      left = std::move(e);
    } else if (op == QLatin1String("IS")) {
      auto e = MakeExpr(TTsqlExprKind::IsNull, t);
      e->Negated = TakeKeyword(QLatin1StringView("NOT"));
      ExpectKeyword(QLatin1StringView("NULL"));
      e->Args.push_back(std::move(left));
      left = std::move(e);
    } else if (op == QLatin1String("IN")) {
      ExpectSymbol(QLatin1StringView("("));
      if (Peek().Is(QLatin1StringView("SELECT")) ||
          (Peek().IsSymbol(QLatin1StringView("(")) && IsQueryAhead())) {
        auto e = MakeExpr(TTsqlExprKind::InQuery, t);
        e->Negated = negated;
        e->Args.push_back(std::move(left));
        e->Query = ParseQueryExpression();
        if (Peek().Is(QLatin1StringView("ORDER"))) ParseOrderBy(e->Query->OrderBy);
        ExpectSymbol(QLatin1StringView(")"));
        left = std::move(e);
      } else {
        auto e = MakeExpr(TTsqlExprKind::InList, t);
        e->Negated = negated;
        e->Args.push_back(std::move(left));
        do {
          e->Args.push_back(ParseExpr());
        } while (TakeSymbol(QLatin1StringView(",")));
        ExpectSymbol(QLatin1StringView(")"));
        left = std::move(e);
      }
    } else if (op == QLatin1String("LIKE")) {
      auto e = MakeExpr(TTsqlExprKind::Like, t);
      e->Negated = negated;
      e->Args.push_back(std::move(left));
      e->Args.push_back(ParseExpr(kPowerCompare));
      if (TakeKeyword(QLatin1StringView("ESCAPE"))) e->Args.push_back(ParseExpr(kPowerCompare));
      left = std::move(e);
    } else if (op == QLatin1String("BETWEEN")) {
      auto e = MakeExpr(TTsqlExprKind::Between, t);
      e->Negated = negated;
      e->Args.push_back(std::move(left));
      e->Args.push_back(ParseExpr(kPowerCompare));
      ExpectKeyword(QLatin1StringView("AND"));
      e->Args.push_back(ParseExpr(kPowerCompare));
      left = std::move(e);
    } else {
      if (power == kPowerCompare &&
          (Peek().Is(QLatin1StringView("ALL")) || Peek().Is(QLatin1StringView("ANY")) ||
           Peek().Is(QLatin1StringView("SOME"))))
        Unsupported(QStringLiteral("%1 %2 (subquery)").arg(op, Peek().Text.toUpper()), Peek());
      auto e = MakeExpr(TTsqlExprKind::Binary, t);
      e->Text = op;
      e->Args.push_back(std::move(left));
      // Comparisons do not chain; everything else is left-associative.
      e->Args.push_back(ParseExpr(power));
      left = std::move(e);
    }
  }
}

TTsqlExprPtr TTsqlParser::ParsePrefix() {
  const TTsqlToken& t = Peek();
  switch (t.Kind) {
    case TTsqlTokenKind::Number: {
      Take();
      auto e = MakeExpr(TTsqlExprKind::Number, t);
      e->Text = t.Text;
      return e;
    }
    case TTsqlTokenKind::String: {
      Take();
      auto e = MakeExpr(TTsqlExprKind::String, t);
      e->Text = t.Text;
      return e;
    }
    case TTsqlTokenKind::Parameter: {
      Take();
      auto e = MakeExpr(TTsqlExprKind::Parameter, t);
      e->Text = t.Text;
      return e;
    }
    case TTsqlTokenKind::Variable: {
      Take();
      auto e = MakeExpr(TTsqlExprKind::Variable, t);
      e->Text = VariableName(t);
      return e;
    }
    case TTsqlTokenKind::GlobalVariable: {
      Take();
      auto e = MakeExpr(TTsqlExprKind::GlobalVariable, t);
      e->Text = t.Text.toUpper();
      return e;
    }
    case TTsqlTokenKind::QuotedName:
      return ParseNameOrCall();
    case TTsqlTokenKind::Symbol:
      if (t.IsSymbol(QLatin1StringView("("))) return ParseParenthesized();
      if (t.IsSymbol(QLatin1StringView("-")) || t.IsSymbol(QLatin1StringView("+")) ||
          t.IsSymbol(QLatin1StringView("~"))) {
        Take();
        auto e = MakeExpr(TTsqlExprKind::Unary, t);
        e->Text = t.Text;
        e->Args.push_back(ParseExpr(kPowerUnary));
        return e;
      }
      if (t.IsSymbol(QLatin1StringView("*"))) {
        Take();
        return MakeExpr(TTsqlExprKind::Star, t);
      }
      if (t.IsSymbol(QLatin1StringView("{")))
        Unsupported(QStringLiteral("ODBC escape in an expression"), t);
      Unexpected(t);
    case TTsqlTokenKind::Word:
      break;
    case TTsqlTokenKind::End:
      Unexpected(t);
  }

  if (t.Is(QLatin1StringView("NULL"))) {
    Take();
    return MakeExpr(TTsqlExprKind::Null, t);
  }
  if (t.Is(QLatin1StringView("NOT"))) {
    Take();
    auto e = MakeExpr(TTsqlExprKind::Unary, t);
    e->Text = QStringLiteral("NOT");
    e->Args.push_back(ParseExpr(kPowerNot));
    return e;
  }
  if (t.Is(QLatin1StringView("EXISTS"))) {
    Take();
    ExpectSymbol(QLatin1StringView("("));
    auto e = MakeExpr(TTsqlExprKind::Exists, t);
    e->Query = ParseQueryExpression();
    if (Peek().Is(QLatin1StringView("ORDER"))) ParseOrderBy(e->Query->OrderBy);
    ExpectSymbol(QLatin1StringView(")"));
    return e;
  }
  if (t.Is(QLatin1StringView("CASE"))) return ParseCase();
  if (t.Is(QLatin1StringView("CAST")) && Peek(1).IsSymbol(QLatin1StringView("("))) {
    Take();
    Take();
    auto e = MakeExpr(TTsqlExprKind::Cast, t);
    e->Args.push_back(ParseExpr());
    ExpectKeyword(QLatin1StringView("AS"));
    e->Type = ParseTypeName();
    ExpectSymbol(QLatin1StringView(")"));
    return e;
  }
  if (t.Is(QLatin1StringView("CONVERT")) && Peek(1).IsSymbol(QLatin1StringView("("))) {
    Take();
    Take();
    auto e = MakeExpr(TTsqlExprKind::Convert, t);
    e->Type = ParseTypeName();
    ExpectSymbol(QLatin1StringView(","));
    e->Args.push_back(ParseExpr());
    if (TakeSymbol(QLatin1StringView(","))) e->Args.push_back(ParseExpr());
    ExpectSymbol(QLatin1StringView(")"));
    return e;
  }
  if (t.Is(QLatin1StringView("CURRENT_TIMESTAMP"))) {
    Take();
    auto e = MakeExpr(TTsqlExprKind::Function, t);
    e->Text = QStringLiteral("GETDATE");
    return e;
  }
  // Reserved words that are also function names.
  if ((t.Is(QLatin1StringView("LEFT")) || t.Is(QLatin1StringView("RIGHT")) ||
       t.Is(QLatin1StringView("COALESCE")) || t.Is(QLatin1StringView("NULLIF"))) &&
      Peek(1).IsSymbol(QLatin1StringView("("))) {
    Take();
    auto e = MakeExpr(TTsqlExprKind::Function, t);
    e->Text = t.Text;
    return ParseFunctionArgs(std::move(e));
  }
  if (IsReserved(t)) Unexpected(t);
  return ParseNameOrCall();
}

TTsqlExprPtr TTsqlParser::ParseNameOrCall() {
  const TTsqlToken& t = Peek();
  QStringList parts = ParseMultipartName();
  if (parts.last() == QLatin1String("*")) {
    auto e = MakeExpr(TTsqlExprKind::Star, t);
    parts.removeLast();
    e->Names = parts.mid(qMax(0, int(parts.size()) - 1));
    return e;
  }
  if (Peek().IsSymbol(QLatin1StringView("("))) {
    auto e = MakeExpr(TTsqlExprKind::Function, t);
    e->Text = parts.last();
    e->Qualified = parts.size() > 1;
    return ParseFunctionArgs(std::move(e));
  }
  parts.removeAll(QString());  // Cfg..CfgReports.Name
  auto e = MakeExpr(TTsqlExprKind::Column, t);
  // server.db.schema.table.column -> table.column
  e->Names = parts.mid(qMax(0, int(parts.size()) - 2));
  return e;
}

TTsqlExprPtr TTsqlParser::ParseFunctionArgs(TTsqlExprPtr function) {
  ExpectSymbol(QLatin1StringView("("));
  if (!TakeSymbol(QLatin1StringView(")"))) {
    if (TakeKeyword(QLatin1StringView("DISTINCT")))
      function->Distinct = true;
    else
      TakeKeyword(QLatin1StringView("ALL"));
    if (Peek().IsSymbol(QLatin1StringView("*")) && Peek(1).IsSymbol(QLatin1StringView(")"))) {
      Take();
      function->Star = true;
    } else {
      do {
        function->Args.push_back(ParseExpr());
      } while (TakeSymbol(QLatin1StringView(",")));
    }
    ExpectSymbol(QLatin1StringView(")"));
  }
  if (Peek().Is(QLatin1StringView("OVER")))
    Unsupported(QStringLiteral("window functions (OVER)"), Peek());
  if (Peek().Is(QLatin1StringView("WITHIN"))) Unsupported(QStringLiteral("WITHIN GROUP"), Peek());
  return function;
}

TTsqlExprPtr TTsqlParser::ParseCase() {
  const TTsqlToken& t = Take();
  auto e = MakeExpr(TTsqlExprKind::Case, t);
  if (!Peek().Is(QLatin1StringView("WHEN"))) {
    e->HasOperand = true;
    e->Args.push_back(ParseExpr());
  }
  if (!Peek().Is(QLatin1StringView("WHEN"))) Unexpected(Peek());
  while (TakeKeyword(QLatin1StringView("WHEN"))) {
    e->Args.push_back(ParseExpr());
    ExpectKeyword(QLatin1StringView("THEN"));
    e->Args.push_back(ParseExpr());
  }
  if (TakeKeyword(QLatin1StringView("ELSE"))) {
    e->HasElse = true;
    e->Args.push_back(ParseExpr());
  }
  ExpectKeyword(QLatin1StringView("END"));
  return e;
}

TTsqlExprPtr TTsqlParser::ParseParenthesized() {
  const TTsqlToken& open = Peek();
  if (Peek(1).Is(QLatin1StringView("SELECT"))) {
    Take();
    auto e = MakeExpr(TTsqlExprKind::Subquery, open);
    e->Query = ParseQueryExpression();
    if (Peek().Is(QLatin1StringView("ORDER"))) ParseOrderBy(e->Query->OrderBy);
    ExpectSymbol(QLatin1StringView(")"));
    return e;
  }
  if (IsQueryAhead()) {
    // "((SELECT 1) UNION (SELECT 2))" is a subquery, "((SELECT 1) + 1)" an
    // expression: try the query first and fall back when it does not end at
    // the matching ")".
    const int saved = FPos;
    try {
      Take();
      auto e = MakeExpr(TTsqlExprKind::Subquery, open);
      e->Query = ParseQueryExpression();
      if (Peek().Is(QLatin1StringView("ORDER"))) ParseOrderBy(e->Query->OrderBy);
      ExpectSymbol(QLatin1StringView(")"));
      return e;
    } catch (const ETsqlError&) {
      FPos = saved;
    }
  }
  Take();
  auto e = MakeExpr(TTsqlExprKind::Paren, open);
  e->Args.push_back(ParseExpr());
  ExpectSymbol(QLatin1StringView(")"));
  return e;
}
