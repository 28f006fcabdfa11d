#pragma once

#include <QString>
#include <QStringView>

#include <vector>

enum class TTsqlTokenKind {
  End,             // after the last token
  Word,            // identifier or keyword as written; also #temp and ##global names
  QuotedName,      // [bracketed] or "quoted" name, Text without the delimiters
  String,          // '...' or N'...', Text unescaped
  Number,          // 12, 1.5, .5, 1e3 as written
  Variable,        // @name, Text "@name"
  GlobalVariable,  // @@NAME, Text "@@NAME"
  Parameter,       // :NAME, Text "NAME"
  Symbol,          // operators and punctuation, Text normalised ("<=" also for "< =")
};

struct TTsqlToken {
  TTsqlTokenKind Kind = TTsqlTokenKind::End;
  QString Text;
  int Offset = 0;  // in the batch text
  int Length = 0;
  int Line = 1;
  int Column = 1;

  // A Word equal to the keyword, without regard to case.
  bool Is(QLatin1StringView keyword) const {
    return Kind == TTsqlTokenKind::Word && Text.compare(keyword, Qt::CaseInsensitive) == 0;
  }
  bool IsSymbol(QLatin1StringView symbol) const {
    return Kind == TTsqlTokenKind::Symbol && Text == symbol;
  }
};

// Splits a T-SQL batch into tokens; comments and white space are dropped.
// An unterminated string, bracketed name or comment throws ETsqlError.
class TTsqlTokenizer {
 public:
  static std::vector<TTsqlToken> Tokenize(const QString& text);
};
