#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A lossless split of SQL text into tokens: concatenating the tokens' texts
// gives the input back. Just enough lexing for the driver's own passes
// (parameters, table hints, the procedure-call escape); it knows T-SQL's
// quoting so that nothing inside a string, a quoted name or a comment is
// mistaken for code.
enum class TSqlTokenKind {
  Whitespace,
  Comment,      // -- to end of line, or /* ... */ (nesting as on SQL Server)
  String,       // '...' with '' inside
  QuotedName,   // "..." with "" inside
  BracketName,  // [...] with ]] inside
  Param,        // :NAME
  Word,         // identifiers and keywords, incl. @var, @@fn, #temp
  Number,
  Symbol,  // any other single character
};

struct TSqlToken {
  TSqlTokenKind Kind;
  QString Text;

  bool IsSymbol(QChar c) const {
    return Kind == TSqlTokenKind::Symbol && Text.size() == 1 && Text[0] == c;
  }
  bool IsWord(const char* word) const {
    return Kind == TSqlTokenKind::Word &&
           Text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
  }
  bool IsTrivia() const {
    return Kind == TSqlTokenKind::Whitespace || Kind == TSqlTokenKind::Comment;
  }
  // The name a Param token stands for, without the colon.
  QString ParamName() const { return Text.mid(1); }
};

std::vector<TSqlToken> SqlTokenize(const QString& sql);

// The name written by a Word, BracketName or QuotedName token, unquoted.
QString SqlUnquoteName(const TSqlToken& token);

// The parts of a possibly qualified object name, unquoted: "JAIL..X" gives
// ("JAIL", "", "X"), "[dbo].[X]" ("dbo", "X"); a trailing procedure group
// number (";1") is left out. Empty when the text is not a plain name.
QStringList SqlNameParts(const QString& qualifiedName);

// The last part of a possibly qualified object name ("JAIL..X", "[dbo].[X]",
// "dbo.X;1" gives "X"); empty when the text is not a plain object name.
QString SqlObjectName(const QString& qualifiedName);
