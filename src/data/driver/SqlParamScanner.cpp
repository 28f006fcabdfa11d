#include "data/driver/SqlParamScanner.h"

#include "data/driver/SqlLexer.h"

#include <QSet>

namespace {

// Lock and isolation hints a read may carry; all of them only steer locking
// on SQL Server, so dropping them leaves the result unchanged.
bool IsLockHint(const TSqlToken& token) {
  static const QSet<QString> hints = {
      QStringLiteral("READUNCOMMITTED"), QStringLiteral("NOLOCK"),
      QStringLiteral("READCOMMITTED"),   QStringLiteral("REPEATABLEREAD"),
      QStringLiteral("SERIALIZABLE"),    QStringLiteral("HOLDLOCK"),
      QStringLiteral("ROWLOCK"),         QStringLiteral("PAGLOCK"),
      QStringLiteral("TABLOCK"),         QStringLiteral("TABLOCKX"),
      QStringLiteral("UPDLOCK"),         QStringLiteral("XLOCK"),
      QStringLiteral("READPAST"),        QStringLiteral("NOWAIT"),
  };
  return token.Kind == TSqlTokenKind::Word && hints.contains(token.Text.toUpper());
}

qsizetype NextSignificant(const std::vector<TSqlToken>& tokens, qsizetype i) {
  while (i < qsizetype(tokens.size()) && tokens[i].IsTrivia()) ++i;
  return i;
}

qsizetype PreviousSignificant(const std::vector<TSqlToken>& tokens, qsizetype i) {
  --i;
  while (i >= 0 && tokens[i].IsTrivia()) --i;
  return i;
}

// When tokens[open] starts "( hint [, hint]... )", the index of the ")";
// otherwise -1.
qsizetype HintListEnd(const std::vector<TSqlToken>& tokens, qsizetype open) {
  const qsizetype n = tokens.size();
  qsizetype i = NextSignificant(tokens, open + 1);
  while (true) {
    if (i >= n || !IsLockHint(tokens[i])) return -1;
    i = NextSignificant(tokens, i + 1);
    if (i >= n) return -1;
    if (tokens[i].IsSymbol(QLatin1Char(')'))) return i;
    if (!tokens[i].IsSymbol(QLatin1Char(','))) return -1;
    i = NextSignificant(tokens, i + 1);
  }
}

}  // namespace

TSqlParamScan ScanSqlParams(const QString& sql, TSqlMarkerStyle style) {
  TSqlParamScan scan;
  QStringList upperNames;
  for (const TSqlToken& token : SqlTokenize(sql)) {
    if (token.Kind != TSqlTokenKind::Param) {
      scan.Text += token.Text;
      continue;
    }
    const QString name = token.ParamName();
    const QString upper = name.toUpper();
    qsizetype index = upperNames.indexOf(upper);
    if (index < 0) {
      index = upperNames.size();
      upperNames.append(upper);
      scan.UniqueNames.append(name);
    }
    scan.Occurrences.append(name);
    scan.OccurrenceIndex.push_back(int(index));
    scan.Text += style == TSqlMarkerStyle::Question ? QStringLiteral("?")
                                                    : QStringLiteral("?%1").arg(index + 1);
  }
  return scan;
}

QStringList SqlParamNames(const QString& sql) {
  return ScanSqlParams(sql, TSqlMarkerStyle::Question).UniqueNames;
}

QString RemoveTableHints(const QString& sql) {
  const std::vector<TSqlToken> tokens = SqlTokenize(sql);
  std::vector<bool> dropped(tokens.size(), false);
  for (qsizetype i = 0; i < qsizetype(tokens.size()); ++i) {
    if (!tokens[i].IsSymbol(QLatin1Char('('))) continue;
    const qsizetype close = HintListEnd(tokens, i);
    if (close < 0) continue;
    qsizetype first = i;
    const qsizetype before = PreviousSignificant(tokens, i);
    if (before >= 0 && tokens[before].IsWord("WITH")) first = before;
    for (qsizetype k = first; k <= close; ++k) dropped[k] = true;
    i = close;
  }
  QString out;
  out.reserve(sql.size());
  for (qsizetype i = 0; i < qsizetype(tokens.size()); ++i) {
    if (!dropped[i]) {
      out += tokens[i].Text;
    } else if (i == 0 || !dropped[i - 1]) {
      // One blank in place of the hint keeps the neighbours apart.
      out += QLatin1Char(' ');
    }
  }
  return out;
}
