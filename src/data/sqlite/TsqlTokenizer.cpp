#include "data/sqlite/TsqlTokenizer.h"

#include "data/sqlite/TsqlError.h"

namespace {

bool IsNameStart(QChar c) {
  return c.isLetter() || c == u'_' || c == u'#';
}
bool IsNameChar(QChar c) {
  return c.isLetterOrNumber() || c == u'_' || c == u'#' || c == u'$' || c == u'@';
}

class TScanner {
 public:
  explicit TScanner(const QString& text) : FText(text), FSize(int(text.size())) {}

  std::vector<TTsqlToken> Run() {
    std::vector<TTsqlToken> tokens;
    tokens.reserve(FSize / 4 + 8);
    for (;;) {
      SkipBlanksAndComments();
      if (FPos >= FSize) break;
      tokens.push_back(Next());
    }
    TTsqlToken end;
    end.Kind = TTsqlTokenKind::End;
    end.Offset = FSize;
    end.Line = FLine;
    end.Column = FPos - FLineStart + 1;
    tokens.push_back(end);
    return tokens;
  }

 private:
  QChar At(int i) const { return i < FSize ? FText[i] : QChar(); }

  void Advance() {
    if (FText[FPos] == u'\n') {
      ++FLine;
      FLineStart = FPos + 1;
    }
    ++FPos;
  }

  [[noreturn]] void Fail(const QString& what, int offset, int line, int lineStart) const {
    throw ETsqlError(TsqlErrorMessage(what, line, offset - lineStart + 1, FText));
  }

  void SkipBlanksAndComments() {
    while (FPos < FSize) {
      const QChar c = FText[FPos];
      if (c.isSpace()) {
        Advance();
      } else if (c == u'-' && At(FPos + 1) == u'-') {
        while (FPos < FSize && FText[FPos] != u'\n') Advance();
      } else if (c == u'/' && At(FPos + 1) == u'*') {
        // T-SQL block comments nest.
        const int start = FPos, line = FLine, lineStart = FLineStart;
        int depth = 0;
        do {
          if (FPos >= FSize) Fail(QStringLiteral("unterminated comment"), start, line, lineStart);
          if (FText[FPos] == u'/' && At(FPos + 1) == u'*') {
            ++depth;
            FPos += 2;
          } else if (FText[FPos] == u'*' && At(FPos + 1) == u'/') {
            --depth;
            FPos += 2;
          } else {
            Advance();
          }
        } while (depth > 0);
      } else {
        break;
      }
    }
  }

  TTsqlToken Next() {
    TTsqlToken t;
    t.Offset = FPos;
    t.Line = FLine;
    t.Column = FPos - FLineStart + 1;
    const QChar c = FText[FPos];
    const QChar n = At(FPos + 1);

    if (c == u'\'' || ((c == u'N' || c == u'n') && n == u'\'')) {
      if (c != u'\'') ++FPos;
      t.Kind = TTsqlTokenKind::String;
      t.Text = Delimited(u'\'', u'\'', QStringLiteral("unclosed quotation mark"), t);
    } else if (c == u'[') {
      t.Kind = TTsqlTokenKind::QuotedName;
      t.Text = Delimited(u'[', u']', QStringLiteral("unclosed bracket"), t);
    } else if (c == u'"') {
      t.Kind = TTsqlTokenKind::QuotedName;
      t.Text = Delimited(u'"', u'"', QStringLiteral("unclosed quoted name"), t);
    } else if (c.isDigit() || (c == u'.' && n.isDigit())) {
      t.Kind = TTsqlTokenKind::Number;
      ScanNumber();
      t.Text = FText.mid(t.Offset, FPos - t.Offset);
    } else if (c == u'@') {
      const bool global = n == u'@';
      FPos += global ? 2 : 1;
      const int nameStart = FPos;
      while (FPos < FSize && IsNameChar(FText[FPos])) ++FPos;
      if (FPos == nameStart)
        Fail(QStringLiteral("variable without a name"), t.Offset, t.Line, FLineStart);
      t.Kind = global ? TTsqlTokenKind::GlobalVariable : TTsqlTokenKind::Variable;
      t.Text = FText.mid(t.Offset, FPos - t.Offset);
    } else if (c == u':' && (n.isLetterOrNumber() || n == u'_')) {
      ++FPos;
      const int nameStart = FPos;
      while (FPos < FSize && (FText[FPos].isLetterOrNumber() || FText[FPos] == u'_')) ++FPos;
      t.Kind = TTsqlTokenKind::Parameter;
      t.Text = FText.mid(nameStart, FPos - nameStart);
    } else if (IsNameStart(c)) {
      while (FPos < FSize && IsNameChar(FText[FPos])) ++FPos;
      // ##LOCK-JAIL.X style names only ever come bracketed; a bare # name
      // stops at the first character that cannot continue an identifier.
      t.Kind = TTsqlTokenKind::Word;
      t.Text = FText.mid(t.Offset, FPos - t.Offset);
    } else {
      t.Kind = TTsqlTokenKind::Symbol;
      t.Text = ScanSymbol(t);
    }
    t.Length = FPos - t.Offset;
    return t;
  }

  QString Delimited(QChar open, QChar close, const QString& what, const TTsqlToken& t) {
    Q_UNUSED(open);
    ++FPos;  // opening delimiter
    QString value;
    for (;;) {
      if (FPos >= FSize) Fail(what, t.Offset, t.Line, t.Offset - t.Column + 1);
      const QChar ch = FText[FPos];
      if (ch == close) {
        if (At(FPos + 1) == close) {  // doubled delimiter stands for itself
          value += close;
          FPos += 2;
          continue;
        }
        ++FPos;
        return value;
      }
      value += ch;
      Advance();
    }
  }

  void ScanNumber() {
    while (FPos < FSize && FText[FPos].isDigit()) ++FPos;
    if (At(FPos) == u'.') {
      ++FPos;
      while (FPos < FSize && FText[FPos].isDigit()) ++FPos;
    }
    if ((At(FPos) == u'e' || At(FPos) == u'E') &&
        (At(FPos + 1).isDigit() ||
         ((At(FPos + 1) == u'+' || At(FPos + 1) == u'-') && At(FPos + 2).isDigit()))) {
      FPos += 2;
      while (FPos < FSize && FText[FPos].isDigit()) ++FPos;
    }
  }

  // Position of the next character that is not white space, from i.
  int SkipSpaces(int i) const {
    while (i < FSize && FText[i].isSpace() && FText[i] != u'\n') ++i;
    return i;
  }

  QString ScanSymbol(const TTsqlToken& t) {
    const QChar c = FText[FPos];
    if (c == u'<' || c == u'>' || c == u'!') {
      // "< =" and "> =" written with a blank are still the operators <= and >=.
      const int after = (c == u'!') ? FPos + 1 : SkipSpaces(FPos + 1);
      const QChar next = At(after);
      if (next == u'=' || (c == u'<' && next == u'>' && after == FPos + 1) ||
          (c == u'!' && (next == u'<' || next == u'>'))) {
        QString op = QString(c) + next;
        FPos = after + 1;
        if (op == QLatin1String("!=")) op = QStringLiteral("<>");
        return op;
      }
      if (c == u'!') Fail(QStringLiteral("unexpected character '!'"), t.Offset, t.Line, FLineStart);
      ++FPos;
      return QString(c);
    }
    static const QString singles = QStringLiteral("(),.;*/%+-=&|^~{}");
    if (singles.contains(c)) {
      ++FPos;
      return QString(c);
    }
    Fail(QStringLiteral("unexpected character '%1'").arg(c), t.Offset, t.Line, FLineStart);
  }

  const QString& FText;
  const int FSize;
  int FPos = 0;
  int FLine = 1;
  int FLineStart = 0;
};

}  // namespace

std::vector<TTsqlToken> TTsqlTokenizer::Tokenize(const QString& text) {
  return TScanner(text).Run();
}
