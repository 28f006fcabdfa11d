#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// A Windows-style ini file read whole into memory. Section and key names
// compare without regard to case and the first occurrence of a key wins, as
// with the Windows readers the suite's files were written for. Values are
// taken as written: no inline comments, no continuation lines, no quote
// stripping. The file is never written.
class TKsMemIniFile {
 public:
  // Longest line accepted, in characters. Longer lines are refused instead of
  // being cut, so a value is never silently shortened.
  static constexpr int MaxLineLength = 32768;
  // Larger files are not configuration files.
  static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

  TKsMemIniFile() = default;

  // Reads AFileName. Throws EIniFileError when the file is missing,
  // unreadable, not text, or has an overlong line.
  static TKsMemIniFile Load(const QString& AFileName);
  // Parses the bytes of a file; AFileName is only used in messages.
  static TKsMemIniFile Parse(const QByteArray& AContents, const QString& AFileName);

  // Text of a file's bytes: UTF-16 with its byte-order mark, UTF-8 (with or
  // without one), otherwise the Windows ANSI code page the suite's files were
  // saved in. Line ends become "\n".
  static QString DecodeText(const QByteArray& AContents);

  const QString& FileName() const { return FFileName; }
  bool ValueExists(const QString& ASection, const QString& AIdent) const;
  QString ReadString(const QString& ASection, const QString& AIdent, const QString& ADefault) const;
  // Whole numbers (non-zero is true) and true/false, yes/no, on/off; anything
  // else gives ADefault.
  bool ReadBool(const QString& ASection, const QString& AIdent, bool ADefault) const;

 private:
  static QString Key(const QString& ASection, const QString& AIdent);

  QString FFileName;
  QHash<QString, QString> FValues;
};
