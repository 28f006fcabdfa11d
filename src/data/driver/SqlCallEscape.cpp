#include "data/driver/SqlCallEscape.h"

#include "core/Exception.h"
#include "data/driver/SqlLexer.h"

namespace {

class TCallParser {
 public:
  explicit TCallParser(const QString& sql) : FSql(sql) {
    for (TSqlToken& t : SqlTokenize(sql))
      if (!t.IsTrivia()) FTokens.push_back(std::move(t));
  }

  std::optional<TSqlCallEscape> Parse() {
    if (FTokens.empty() || !FTokens[0].IsSymbol(QLatin1Char('{'))) return std::nullopt;
    FPos = 1;
    TSqlCallEscape call;
    if (Peek().Kind == TSqlTokenKind::Param) {
      call.ReturnParam = Peek().ParamName();
      ++FPos;
      Expect(Peek().IsSymbol(QLatin1Char('=')), "\"=\" after the return parameter");
    }
    Expect(Peek().IsWord("CALL"), "CALL");
    call.ProcedureName = ReadName();
    if (Peek().IsSymbol(QLatin1Char('('))) {
      ++FPos;
      if (Peek().IsSymbol(QLatin1Char(')'))) {
        ++FPos;
      } else {
        while (true) {
          call.Args.push_back(ReadArg());
          if (Peek().IsSymbol(QLatin1Char(')'))) {
            ++FPos;
            break;
          }
          Expect(Peek().IsSymbol(QLatin1Char(',')), "\",\" or \")\"");
        }
      }
    }
    Expect(Peek().IsSymbol(QLatin1Char('}')), "\"}\"");
    if (FPos != FTokens.size()) Fail("text after the closing \"}\"");
    return call;
  }

 private:
  const TSqlToken& Peek() const {
    static const TSqlToken end{TSqlTokenKind::Whitespace, QString()};
    return FPos < FTokens.size() ? FTokens[FPos] : end;
  }

  void Expect(bool present, const char* what) {
    if (!present) Fail(QStringLiteral("expected %1").arg(QString::fromLatin1(what)));
    ++FPos;
  }

  [[noreturn]] void Fail(const QString& why) const {
    throw EDatabaseError(
        QStringLiteral("Malformed procedure call (%1): %2").arg(why, FSql.trimmed()));
  }

  QString ReadName() {
    QString name;
    while (FPos < FTokens.size()) {
      const TSqlToken& t = FTokens[FPos];
      const bool part = t.Kind == TSqlTokenKind::Word || t.Kind == TSqlTokenKind::BracketName ||
                        t.Kind == TSqlTokenKind::QuotedName || t.IsSymbol(QLatin1Char('.')) ||
                        t.IsSymbol(QLatin1Char(';')) || t.Kind == TSqlTokenKind::Number;
      if (!part) break;
      name += t.Text;
      ++FPos;
    }
    if (SqlObjectName(name).isEmpty()) Fail(QStringLiteral("expected a procedure name"));
    return name;
  }

  TSqlCallArg ReadArg() {
    TSqlCallArg arg;
    const TSqlToken& t = Peek();
    bool negative = false;
    if (t.IsSymbol(QLatin1Char('-')) && FPos + 1 < FTokens.size() &&
        FTokens[FPos + 1].Kind == TSqlTokenKind::Number) {
      negative = true;
      ++FPos;
    }
    const TSqlToken& v = Peek();
    if (v.Kind == TSqlTokenKind::Param && !negative) {
      arg.ParamName = v.ParamName();
    } else if (v.Kind == TSqlTokenKind::Number) {
      const QString text = negative ? QStringLiteral("-") + v.Text : v.Text;
      bool ok = false;
      const qint64 i = text.toLongLong(&ok);
      arg.Literal = ok ? QVariant(i) : QVariant(text.toDouble());
    } else if (v.Kind == TSqlTokenKind::String && !negative) {
      QString inner = v.Text.mid(1, v.Text.size() - 2);
      arg.Literal = inner.replace(QStringLiteral("''"), QStringLiteral("'"));
    } else if (v.IsWord("NULL") && !negative) {
      arg.Literal = QVariant();
    } else {
      Fail(QStringLiteral("unsupported argument \"%1\"").arg(v.Text));
    }
    ++FPos;
    return arg;
  }

  QString FSql;
  std::vector<TSqlToken> FTokens;
  size_t FPos = 0;
};

}  // namespace

std::optional<TSqlCallEscape> ParseSqlCallEscape(const QString& sql) {
  return TCallParser(sql).Parse();
}
