#include "config/KsMemIniFile.h"

#include "core/Exception.h"

#include <ini.h>

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

// The reader's settings are process-wide; they are set for one parse and put
// back afterwards so that no other reader of the library is affected.
class TIniReaderSettings {
 public:
  explicit TIniReaderSettings(int AMaxLineBytes)
      : FUseStack(ini_use_stack),
        FAllowRealloc(ini_allow_realloc),
        FMaxLine(ini_max_line),
        FInlineComments(ini_allow_inline_comments),
        FMultiline(ini_allow_multiline),
        FStopOnFirstError(ini_stop_on_first_error),
        FAllowNoValue(ini_allow_no_value) {
    // A growing heap buffer, so long lines arrive whole.
    ini_use_stack = false;
    ini_allow_realloc = true;
    ini_max_line = AMaxLineBytes;
    // Windows readers know neither: ";" is part of a value (connection strings
    // are full of them) and an indented line is a line of its own.
    ini_allow_inline_comments = false;
    ini_allow_multiline = false;
    // Lines that are not "name=value" are passed over, as Windows does.
    ini_stop_on_first_error = false;
    ini_allow_no_value = false;
  }
  ~TIniReaderSettings() {
    ini_use_stack = FUseStack;
    ini_allow_realloc = FAllowRealloc;
    ini_max_line = FMaxLine;
    ini_allow_inline_comments = FInlineComments;
    ini_allow_multiline = FMultiline;
    ini_stop_on_first_error = FStopOnFirstError;
    ini_allow_no_value = FAllowNoValue;
  }
  TIniReaderSettings(const TIniReaderSettings&) = delete;
  TIniReaderSettings& operator=(const TIniReaderSettings&) = delete;

 private:
  bool FUseStack;
  bool FAllowRealloc;
  int FMaxLine;
  bool FInlineComments;
  bool FMultiline;
  bool FStopOnFirstError;
  bool FAllowNoValue;
};

QString DecodeAnsi(const QByteArray& ABytes) {
  QStringDecoder ansi("windows-1252");
  if (ansi.isValid()) return ansi(ABytes);
  return QString::fromLatin1(ABytes);
}

}  // namespace

QString TKsMemIniFile::Key(const QString& ASection, const QString& AIdent) {
  return ASection.trimmed().toCaseFolded() + QChar(0x1f) + AIdent.trimmed().toCaseFolded();
}

QString TKsMemIniFile::DecodeText(const QByteArray& AContents) {
  QString text;
  if (AContents.startsWith("\xFF\xFE")) {
    text = QStringDecoder(QStringConverter::Utf16LE)(AContents.mid(2));
  } else if (AContents.startsWith("\xFE\xFF")) {
    text = QStringDecoder(QStringConverter::Utf16BE)(AContents.mid(2));
  } else {
    const QByteArray body = AContents.startsWith("\xEF\xBB\xBF") ? AContents.mid(3) : AContents;
    QStringDecoder utf8(QStringConverter::Utf8);
    text = utf8(body);
    // Not UTF-8 after all: a file saved in the ANSI code page, whose accented
    // letters must come through as letters rather than replacement marks.
    if (utf8.hasError()) text = DecodeAnsi(body);
  }
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar('\r'), QChar('\n'));
  return text;
}

TKsMemIniFile TKsMemIniFile::Load(const QString& AFileName) {
  const QFileInfo info(AFileName);
  if (!info.isFile()) throw EIniFileError(QStringLiteral("File not found: '%1'").arg(AFileName));
  if (info.size() > MaxFileSize)
    throw EIniFileError(
        QStringLiteral("%1 is too large to be a configuration file.").arg(AFileName));
  QFile file(AFileName);
  if (!file.open(QIODevice::ReadOnly))
    throw EIniFileError(QStringLiteral("Cannot read %1: %2").arg(AFileName, file.errorString()));
  const QByteArray contents = file.read(MaxFileSize + 1);
  if (file.error() != QFileDevice::NoError)
    throw EIniFileError(QStringLiteral("Cannot read %1: %2").arg(AFileName, file.errorString()));
  if (contents.size() > MaxFileSize)
    throw EIniFileError(
        QStringLiteral("%1 is too large to be a configuration file.").arg(AFileName));
  return Parse(contents, AFileName);
}

TKsMemIniFile TKsMemIniFile::Parse(const QByteArray& AContents, const QString& AFileName) {
  TKsMemIniFile result;
  result.FFileName = AFileName;

  const QString text = DecodeText(AContents);
  if (text.contains(QChar(0)))
    throw EIniFileError(QStringLiteral("%1 is not a text file.").arg(AFileName));
  qsizetype lineStart = 0;
  for (int lineNo = 1; lineStart <= text.size(); ++lineNo) {
    qsizetype lineEnd = text.indexOf('\n', lineStart);
    if (lineEnd < 0) lineEnd = text.size();
    if (lineEnd - lineStart > MaxLineLength)
      throw EIniFileError(QStringLiteral("Line %1 of %2 is longer than %3 characters.")
                              .arg(lineNo)
                              .arg(AFileName)
                              .arg(MaxLineLength));
    lineStart = lineEnd + 1;
  }

  // A UTF-16 unit takes at most three UTF-8 bytes; room for "\r\n\0" besides.
  const TIniReaderSettings settings(3 * MaxLineLength + 3);
  const QByteArray utf8 = text.toUtf8();
  const int rc = ini_parse_string(
      utf8.constData(),
      [](void* user, const char* section, const char* name, const char* value) -> int {
        auto* values = static_cast<QHash<QString, QString>*>(user);
        const QString key = Key(QString::fromUtf8(section), QString::fromUtf8(name));
        if (!values->contains(key))
          values->insert(key, value ? QString::fromUtf8(value) : QString());
        return 1;
      },
      &result.FValues);
  if (rc == -2) throw EIniFileError(QStringLiteral("Not enough memory to read %1.").arg(AFileName));
  return result;
}

bool TKsMemIniFile::ValueExists(const QString& ASection, const QString& AIdent) const {
  return FValues.contains(Key(ASection, AIdent));
}

QString TKsMemIniFile::ReadString(const QString& ASection, const QString& AIdent,
                                  const QString& ADefault) const {
  const auto it = FValues.constFind(Key(ASection, AIdent));
  return it == FValues.constEnd() ? ADefault : it.value();
}

bool TKsMemIniFile::ReadBool(const QString& ASection, const QString& AIdent, bool ADefault) const {
  const QString text = ReadString(ASection, AIdent, QString()).trimmed();
  if (text.isEmpty()) return ADefault;
  bool isNumber = false;
  const qlonglong number = text.toLongLong(&isNumber);
  if (isNumber) return number != 0;
  const QString word = text.toLower();
  if (word == "true" || word == "yes" || word == "on") return true;
  if (word == "false" || word == "no" || word == "off") return false;
  return ADefault;
}
