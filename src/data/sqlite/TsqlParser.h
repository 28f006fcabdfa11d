#pragma once

#include "data/sqlite/TsqlAst.h"
#include "data/sqlite/TsqlTokenizer.h"

#include <QHash>
#include <QString>

#include <vector>

// Recursive-descent parser of a T-SQL batch with a Pratt parser for
// expressions. Statements may be separated by ";" or simply follow each
// other. Anything outside the supported subset throws ETsqlError naming the
// construct and quoting the statement.
class TTsqlParser {
 public:
  explicit TTsqlParser(const QString& batch);

  std::vector<TTsqlStatementPtr> ParseBatch();

 private:
  // Tokens
  const TTsqlToken& Peek(int ahead = 0) const;
  const TTsqlToken& Take();
  bool AtEnd() const { return Peek().Kind == TTsqlTokenKind::End; }
  bool TakeKeyword(QLatin1StringView keyword);
  bool TakeSymbol(QLatin1StringView symbol);
  void ExpectKeyword(QLatin1StringView keyword);
  void ExpectSymbol(QLatin1StringView symbol);
  [[noreturn]] void Fail(const QString& what, const TTsqlToken& at) const;
  [[noreturn]] void Unexpected(const TTsqlToken& at) const;
  [[noreturn]] void Unsupported(const QString& construct, const TTsqlToken& at) const;
  static bool IsReserved(const TTsqlToken& token);
  bool IsNameToken(const TTsqlToken& token) const;

  // Statements
  void ParseStatement(std::vector<TTsqlStatementPtr>& out);
  TTsqlStatementPtr ParseSelectStatement();
  TTsqlStatementPtr ParseInsert();
  TTsqlStatementPtr ParseUpdate();
  TTsqlStatementPtr ParseDelete();
  TTsqlStatementPtr ParseTruncate();
  TTsqlStatementPtr ParseCreate();
  TTsqlStatementPtr ParseDrop();
  void ParseDeclare(std::vector<TTsqlStatementPtr>& out);
  TTsqlStatementPtr ParseSet();
  TTsqlStatementPtr ParseExec();
  TTsqlStatementPtr ParseCallEscape();
  TTsqlColumnDef ParseColumnDef();
  TTsqlTypeName ParseTypeName();

  // Queries
  TTsqlQueryPtr ParseQueryWithCtes();
  TTsqlQueryPtr ParseQueryExpression();
  TTsqlQueryPtr ParseQueryTerm();
  TTsqlQueryPtr ParseQueryPrimary();
  std::unique_ptr<TTsqlSelectCore> ParseSelectCore();
  void ParseOrderBy(std::vector<TTsqlOrderItem>& into);
  TTsqlSelectItem ParseSelectItem();
  bool IsQueryAhead() const;  // after "(": does a query follow?

  // Table sources
  TTsqlSourcePtr ParseFrom();
  TTsqlSourcePtr ParseJoinChain();
  TTsqlSourcePtr ParseSourcePrimary();
  void SkipTableHints(TTsqlSource& source);
  bool IsHintListAhead() const;  // at "(": a list of table hints?
  QStringList ParseMultipartName();
  QString ParseObjectName();
  QString ParseAlias(bool required);

  // Expressions
  TTsqlExprPtr ParseExpr(int minPower = 0);
  TTsqlExprPtr ParsePrefix();
  TTsqlExprPtr ParseNameOrCall();
  TTsqlExprPtr ParseFunctionArgs(TTsqlExprPtr function);
  TTsqlExprPtr ParseCase();
  TTsqlExprPtr ParseParenthesized();
  TTsqlExprPtr MakeExpr(TTsqlExprKind kind, const TTsqlToken& at) const;
  QString VariableName(const TTsqlToken& token) const;

  const QString FBatch;
  std::vector<TTsqlToken> FTokens;
  int FPos = 0;
  int FStatementBegin = 0;
  // Variables declared so far in the batch, by lower-case name.
  struct TVariable {
    QString Name;  // as declared
    TTsqlTypeName Type;
  };
  QHash<QString, TVariable> FVariables;
};
