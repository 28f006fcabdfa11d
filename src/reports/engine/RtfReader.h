#pragma once

#include <QByteArray>
#include <QFont>
#include <QString>

class QTextDocument;

// Reads the rich text that the suite's programs store in text columns (jail
// log entries, comments) into a QTextDocument. It knows the parts those
// editors write: groups, \par, \line, \tab, \b \i \ul \strike, \fs, \f with
// the font table, \cf with the colour table, \ql \qc \qr \qj, \'hh escapes
// (Windows-1252), \uN with \ucN, \~ \- \_; other destinations are skipped.
// Text that does not start with "{\rtf" is plain text and passes through.
// Malformed input (unbalanced braces, cut-off escapes) prints what can be read.
class TRtfReader {
 public:
  // `baseFont` is used where the text names no font or size.
  static void Read(const QByteArray& data, QTextDocument& document, const QFont& baseFont);
  static void Read(const QString& text, QTextDocument& document, const QFont& baseFont);
  static bool IsRtf(const QByteArray& data);
  // The text without formatting (for the file devices).
  static QString ToPlainText(const QByteArray& data);
};
