#include "data/driver/SqlLexer.h"

namespace {

bool IsWordStart(QChar c) {
  return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('@') || c == QLatin1Char('#');
}

bool IsWordPart(QChar c) {
  return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('@') ||
         c == QLatin1Char('#') || c == QLatin1Char('$');
}

// End of a quoted run opened at `start` by `open` and closed by `close`,
// where a doubled closing character stands for itself. Unterminated runs
// end with the text; the server reports them.
qsizetype QuotedEnd(const QString& sql, qsizetype start, QChar close) {
  qsizetype i = start + 1;
  while (i < sql.size()) {
    if (sql[i] == close) {
      if (i + 1 < sql.size() && sql[i + 1] == close) {
        i += 2;
        continue;
      }
      return i + 1;
    }
    ++i;
  }
  return sql.size();
}

qsizetype BlockCommentEnd(const QString& sql, qsizetype start) {
  int depth = 0;
  qsizetype i = start;
  while (i < sql.size()) {
    if (sql[i] == QLatin1Char('/') && i + 1 < sql.size() && sql[i + 1] == QLatin1Char('*')) {
      ++depth;
      i += 2;
    } else if (sql[i] == QLatin1Char('*') && i + 1 < sql.size() && sql[i + 1] == QLatin1Char('/')) {
      i += 2;
      if (--depth == 0) return i;
    } else {
      ++i;
    }
  }
  return sql.size();
}

}  // namespace

std::vector<TSqlToken> SqlTokenize(const QString& sql) {
  std::vector<TSqlToken> tokens;
  const qsizetype n = sql.size();
  qsizetype i = 0;
  auto push = [&](TSqlTokenKind kind, qsizetype end) {
    tokens.push_back({kind, sql.mid(i, end - i)});
    i = end;
  };
  while (i < n) {
    const QChar c = sql[i];
    const QChar next = i + 1 < n ? sql[i + 1] : QChar();
    if (c.isSpace()) {
      qsizetype e = i + 1;
      while (e < n && sql[e].isSpace()) ++e;
      push(TSqlTokenKind::Whitespace, e);
    } else if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
      qsizetype e = i + 2;
      while (e < n && sql[e] != QLatin1Char('\n')) ++e;
      push(TSqlTokenKind::Comment, e);
    } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
      push(TSqlTokenKind::Comment, BlockCommentEnd(sql, i));
    } else if (c == QLatin1Char('\'')) {
      push(TSqlTokenKind::String, QuotedEnd(sql, i, QLatin1Char('\'')));
    } else if (c == QLatin1Char('"')) {
      push(TSqlTokenKind::QuotedName, QuotedEnd(sql, i, QLatin1Char('"')));
    } else if (c == QLatin1Char('[')) {
      push(TSqlTokenKind::BracketName, QuotedEnd(sql, i, QLatin1Char(']')));
    } else if (c == QLatin1Char(':') && (next.isLetter() || next == QLatin1Char('_'))) {
      // A colon after another colon ("::") is not a parameter.
      if (!tokens.empty() && tokens.back().IsSymbol(QLatin1Char(':'))) {
        push(TSqlTokenKind::Symbol, i + 1);
        continue;
      }
      qsizetype e = i + 2;
      while (e < n && (sql[e].isLetterOrNumber() || sql[e] == QLatin1Char('_'))) ++e;
      push(TSqlTokenKind::Param, e);
    } else if (IsWordStart(c)) {
      qsizetype e = i + 1;
      while (e < n && IsWordPart(sql[e])) ++e;
      push(TSqlTokenKind::Word, e);
    } else if (c.isDigit() || (c == QLatin1Char('.') && next.isDigit())) {
      qsizetype e = i + 1;
      while (e < n && (sql[e].isDigit() || sql[e] == QLatin1Char('.'))) ++e;
      if (e < n && (sql[e] == QLatin1Char('e') || sql[e] == QLatin1Char('E'))) {
        qsizetype x = e + 1;
        if (x < n && (sql[x] == QLatin1Char('+') || sql[x] == QLatin1Char('-'))) ++x;
        if (x < n && sql[x].isDigit()) {
          e = x;
          while (e < n && sql[e].isDigit()) ++e;
        }
      }
      push(TSqlTokenKind::Number, e);
    } else {
      push(TSqlTokenKind::Symbol, i + 1);
    }
  }
  return tokens;
}

QString SqlUnquoteName(const TSqlToken& token) {
  const QString& t = token.Text;
  switch (token.Kind) {
    case TSqlTokenKind::BracketName: {
      QString inner = t.mid(1, t.endsWith(QLatin1Char(']')) ? t.size() - 2 : t.size() - 1);
      return inner.replace(QStringLiteral("]]"), QStringLiteral("]"));
    }
    case TSqlTokenKind::QuotedName: {
      QString inner = t.mid(1, t.endsWith(QLatin1Char('"')) ? t.size() - 2 : t.size() - 1);
      return inner.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    }
    default:
      return t;
  }
}

QStringList SqlNameParts(const QString& qualifiedName) {
  QStringList parts;
  bool expectName = true;
  bool afterNumberSep = false;
  bool done = false;
  for (const TSqlToken& token : SqlTokenize(qualifiedName)) {
    if (token.IsTrivia()) continue;
    if (done) return {};
    if (afterNumberSep) {
      // "name;1": SQL Server's procedure group number.
      if (token.Kind != TSqlTokenKind::Number) return {};
      done = true;
      continue;
    }
    if (token.IsSymbol(QLatin1Char('.'))) {
      if (expectName) parts << QString();  // "JAIL..X": the schema left out
      expectName = true;
      continue;
    }
    if (token.IsSymbol(QLatin1Char(';')) && !expectName) {
      afterNumberSep = true;
      continue;
    }
    const bool isName = token.Kind == TSqlTokenKind::Word ||
                        token.Kind == TSqlTokenKind::BracketName ||
                        token.Kind == TSqlTokenKind::QuotedName;
    if (!isName || !expectName) return {};
    parts << SqlUnquoteName(token);
    expectName = false;
  }
  if (expectName || (afterNumberSep && !done)) return {};
  return parts;
}

QString SqlObjectName(const QString& qualifiedName) {
  const QStringList parts = SqlNameParts(qualifiedName);
  return parts.isEmpty() ? QString() : parts.last();
}
