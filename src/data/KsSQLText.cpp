#include "data/KsSQLText.h"

#include "data/driver/SqlLexer.h"

#include <vector>

namespace {

// A token with where it starts in the text (the lexer is lossless).
struct TPosToken {
  TSqlToken Token;
  qsizetype Pos = 0;
  int Depth = 0;  // parentheses open before the token
  qsizetype End() const { return Pos + Token.Text.size(); }
};

std::vector<TPosToken> Tokens(const QString& sql) {
  std::vector<TPosToken> out;
  qsizetype pos = 0;
  int depth = 0;
  for (TSqlToken& t : SqlTokenize(sql)) {
    if (t.IsSymbol(QLatin1Char(')')) && depth > 0) --depth;
    TPosToken p{t, pos, depth};
    if (t.IsSymbol(QLatin1Char('('))) ++depth;
    pos += t.Text.size();
    out.push_back(std::move(p));
  }
  return out;
}

bool IsMacroAt(const std::vector<TPosToken>& toks, size_t i) {
  if (!toks[i].Token.IsSymbol(QLatin1Char('&')) || i + 1 >= toks.size()) return false;
  const TSqlToken& name = toks[i + 1].Token;
  return name.Kind == TSqlTokenKind::Word &&
         (name.Text[0].isLetter() || name.Text[0] == QLatin1Char('_'));
}

// Index of the next token at or after `i` that is not whitespace or a
// comment; toks.size() when none.
size_t NextSignificant(const std::vector<TPosToken>& toks, size_t i) {
  while (i < toks.size() && toks[i].Token.IsTrivia()) ++i;
  return i;
}

// The token range [Begin, End) of the text's last statement, End being just
// after its last significant token other than a closing ";".
struct TRange {
  size_t Begin = 0;
  size_t End = 0;
};

TRange LastStatement(const std::vector<TPosToken>& toks) {
  TRange r;
  size_t lastSig = 0;
  bool anySig = false;
  for (size_t i = 0; i < toks.size(); ++i) {
    const TPosToken& t = toks[i];
    if (t.Token.IsTrivia()) continue;
    if (t.Depth == 0 && t.Token.IsSymbol(QLatin1Char(';'))) {
      // A statement starts after this separator only if something follows it.
      if (NextSignificant(toks, i + 1) < toks.size()) r.Begin = i + 1;
      continue;
    }
    lastSig = i;
    anySig = true;
  }
  r.End = anySig && lastSig >= r.Begin ? lastSig + 1 : r.Begin;
  return r;
}

bool IsWordAt(const std::vector<TPosToken>& toks, size_t i, const char* word) {
  return i < toks.size() && toks[i].Depth == 0 && toks[i].Token.IsWord(word);
}

// Index of the last top-level "ORDER" that is followed by "BY" in the range;
// toks.size() when none.
size_t FindOrderBy(const std::vector<TPosToken>& toks, TRange r, size_t* byIndex) {
  size_t found = toks.size();
  for (size_t i = r.Begin; i < r.End; ++i) {
    if (!IsWordAt(toks, i, "ORDER")) continue;
    const size_t by = NextSignificant(toks, i + 1);
    if (by < r.End && IsWordAt(toks, by, "BY")) {
      found = i;
      if (byIndex) *byIndex = by;
    }
  }
  return found;
}

bool IsClauseAfterWhere(const std::vector<TPosToken>& toks, size_t i) {
  static const char* const kWords[] = {"GROUP",  "HAVING",    "ORDER",  "UNION",
                                       "EXCEPT", "INTERSECT", "OPTION", "FOR"};
  for (const char* w : kWords)
    if (IsWordAt(toks, i, w)) return true;
  return false;
}

// End position of the last significant token before index `i` (not before
// `floor`).
qsizetype EndOfSignificantBefore(const std::vector<TPosToken>& toks, size_t i, size_t floor) {
  while (i > floor) {
    --i;
    if (!toks[i].Token.IsTrivia()) return toks[i].End();
  }
  return toks[floor].Pos;
}

}  // namespace

namespace KsSQLText {

QStringList MacroNames(const QString& sql) {
  QStringList names;
  const std::vector<TPosToken> toks = Tokens(sql);
  for (size_t i = 0; i < toks.size(); ++i) {
    if (!IsMacroAt(toks, i)) continue;
    const QString& name = toks[i + 1].Token.Text;
    if (!names.contains(name, Qt::CaseInsensitive)) names << name;
  }
  return names;
}

QString ExpandMacros(const QString& sql, const std::function<QString(const QString&)>& valueOf) {
  const std::vector<TPosToken> toks = Tokens(sql);
  QString out;
  out.reserve(sql.size());
  for (size_t i = 0; i < toks.size(); ++i) {
    if (IsMacroAt(toks, i)) {
      out += valueOf(toks[i + 1].Token.Text);
      ++i;
    } else {
      out += toks[i].Token.Text;
    }
  }
  return out;
}

QString TableName(const QString& sql) {
  const std::vector<TPosToken> toks = Tokens(sql);
  for (size_t i = 0; i < toks.size(); ++i) {
    if (!IsWordAt(toks, i, "FROM")) continue;
    // name ( "." name? )*, written as in the text.
    size_t k = NextSignificant(toks, i + 1);
    qsizetype begin = -1;
    qsizetype end = -1;
    bool expectName = true;
    while (k < toks.size()) {
      const TSqlToken& t = toks[k].Token;
      const bool isName = t.Kind == TSqlTokenKind::Word || t.Kind == TSqlTokenKind::BracketName ||
                          t.Kind == TSqlTokenKind::QuotedName;
      if (isName && expectName) {
        if (begin < 0) begin = toks[k].Pos;
        end = toks[k].End();
        expectName = false;
      } else if (t.IsSymbol(QLatin1Char('.')) && begin >= 0) {
        end = toks[k].End();
        expectName = true;
      } else {
        break;
      }
      ++k;
    }
    return begin < 0 ? QString() : sql.mid(begin, end - begin);
  }
  return QString();
}

QString GetOrderBy(const QString& sql) {
  const std::vector<TPosToken> toks = Tokens(sql);
  const TRange r = LastStatement(toks);
  size_t by = 0;
  if (FindOrderBy(toks, r, &by) >= toks.size()) return QString();
  const qsizetype from = toks[by].End();
  const qsizetype to = toks[r.End - 1].End();
  return sql.mid(from, to - from).trimmed();
}

QString SetOrderBy(const QString& sql, const QString& orderBy) {
  const QString list = orderBy.trimmed();
  const std::vector<TPosToken> toks = Tokens(sql);
  const TRange r = LastStatement(toks);
  const size_t order = FindOrderBy(toks, r, nullptr);
  if (order < toks.size()) {
    const qsizetype from = toks[order].Pos;
    const qsizetype to = toks[r.End - 1].End();
    if (list.isEmpty()) {
      QString head = sql.left(from);
      while (!head.isEmpty() && head.back().isSpace()) head.chop(1);
      return head + sql.mid(to);
    }
    return sql.left(from) + QStringLiteral("ORDER BY ") + list + sql.mid(to);
  }
  if (list.isEmpty()) return sql;
  if (r.End == r.Begin) {
    // No statement at all: the clause alone.
    return sql + QStringLiteral("ORDER BY ") + list;
  }
  const qsizetype at = toks[r.End - 1].End();
  return sql.left(at) + QStringLiteral("\nORDER BY ") + list + sql.mid(at);
}

QString AddWhere(const QString& sql, const QString& condition) {
  const QString cond = condition.trimmed();
  if (cond.isEmpty()) return sql;
  const std::vector<TPosToken> toks = Tokens(sql);
  const TRange r = LastStatement(toks);
  if (r.End == r.Begin) return sql;

  size_t where = toks.size();
  size_t from = toks.size();
  for (size_t i = r.Begin; i < r.End; ++i) {
    if (from == toks.size() && IsWordAt(toks, i, "FROM")) from = i;
    if (IsWordAt(toks, i, "WHERE")) {
      where = i;
      break;
    }
  }
  if (where < toks.size()) {
    const size_t first = NextSignificant(toks, where + 1);
    size_t stop = first;
    while (stop < r.End && !IsClauseAfterWhere(toks, stop)) ++stop;
    if (first >= stop) {
      // "WHERE" with nothing after it: let the condition complete it.
      const qsizetype at = toks[where].End();
      return sql.left(at) + QLatin1Char(' ') + cond + sql.mid(at);
    }
    const qsizetype condBegin = toks[first].Pos;
    const qsizetype condEnd = EndOfSignificantBefore(toks, stop, first);
    return sql.left(condBegin) + QLatin1Char('(') + sql.mid(condBegin, condEnd - condBegin) +
           QStringLiteral(") AND ") + cond + sql.mid(condEnd);
  }
  size_t stop = from < toks.size() ? from + 1 : r.Begin;
  while (stop < r.End && !IsClauseAfterWhere(toks, stop)) ++stop;
  const qsizetype at = EndOfSignificantBefore(toks, stop, r.Begin);
  return sql.left(at) + QStringLiteral(" WHERE ") + cond + sql.mid(at);
}

QString QuoteName(const QString& name) {
  if (name.isEmpty() || name.contains(QLatin1Char('[')) || name.contains(QLatin1Char('"')) ||
      name.contains(QLatin1Char('.')))
    return name;
  QString inner = name;
  inner.replace(QStringLiteral("]"), QStringLiteral("]]"));
  return QLatin1Char('[') + inner + QLatin1Char(']');
}

QString QuotedStr(const QString& value) {
  QString inner = value;
  inner.replace(QStringLiteral("'"), QStringLiteral("''"));
  return QLatin1Char('\'') + inner + QLatin1Char('\'');
}

QString FieldListToOrderBy(const QString& fields) {
  QStringList parts;
  for (const QString& part :
       QString(fields).replace(QLatin1Char(';'), QLatin1Char(',')).split(QLatin1Char(','))) {
    const QString f = part.trimmed();
    if (!f.isEmpty()) parts << f;
  }
  return parts.join(QStringLiteral(", "));
}

}  // namespace KsSQLText
