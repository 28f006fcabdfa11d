#include "reports/engine/TextFileDevice.h"

#include <QFile>
#include <QStringEncoder>

namespace {

QString FitToLength(const QString& text, int length, TSaveAlign alignment) {
  if (length <= 0) return {};
  if (text.size() >= length) return text.left(length);
  const qsizetype blanks = length - text.size();
  switch (alignment) {
    case TSaveAlign::Right:
      return QString(blanks, QLatin1Char(' ')) + text;
    case TSaveAlign::Center: {
      // The right side takes the odd blank.
      const qsizetype left = blanks / 2;
      return QString(left, QLatin1Char(' ')) + text + QString(blanks - left, QLatin1Char(' '));
    }
    case TSaveAlign::Left:
      break;
  }
  return text + QString(blanks, QLatin1Char(' '));
}

}  // namespace

QString TTextFileDevice::Separator() const {
  switch (FTextFileType) {
    case TppFileType::ftComma:
      return QStringLiteral(",");
    case TppFileType::ftTab:
      return QStringLiteral("\t");
    case TppFileType::ftFixedLength:
    case TppFileType::ftCustom:
      break;
  }
  return {};
}

QString TTextFileDevice::Quoted(const QString& text) const {
  QString doubled = text;
  doubled.replace(FQuoteCharacter, QString(2, FQuoteCharacter));
  return FQuoteCharacter + doubled + FQuoteCharacter;
}

QString TTextFileDevice::FieldText(const TSavedField& field) const {
  QString text = field.Text;
  if (FTextFileType == TppFileType::ftFixedLength) {
    text = FitToLength(text, field.Save.SaveLength, field.Save.Alignment);
  } else {
    bool quote = FQuoteAll;
    // A quote character or a line break inside an unquoted field would split
    // or shift the field for any reader, so those are quoted as well.
    if (FTextFileType == TppFileType::ftComma)
      quote = quote || text.contains(QLatin1Char(',')) || text.contains(QLatin1Char(' ')) ||
              text.contains(FQuoteCharacter) || text.contains(QLatin1Char('\n')) ||
              text.contains(QLatin1Char('\r'));
    if (quote) text = Quoted(text);
  }
  if (OnSaveText) OnSaveText(field.Save, text);
  return text;
}

QString TTextFileDevice::LineText(const TSavedLine& line) const {
  const QString separator = Separator();
  QString out;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (i > 0) out += separator;
    out += FieldText(line[i]);
  }
  return out;
}

void TTextFileDevice::WriteFile(const TReportDocument& document, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    throw FileWriteError(FileName(), file.errorString());
  QStringEncoder encoder(FEncoding);
  // Lines are separated rather than terminated, so the file never ends in a
  // line break, whichever page holds the last line.
  const QString lineBreak =
      FTextFileType == TppFileType::ftCustom ? QString() : QStringLiteral("\r\n");
  bool wroteLine = false;
  for (const TReportPage& page : document.Pages) {
    if (Cancelled()) return;
    for (const TSavedLine& line : SavedTextLines(page)) {
      const QString text = LineText(line);
      if (text.isEmpty()) continue;
      const QByteArray bytes = encoder.encode((wroteLine ? lineBreak : QString()) + text);
      if (file.write(bytes) != bytes.size()) throw FileWriteError(FileName(), file.errorString());
      wroteLine = true;
    }
  }
  if (!file.flush()) throw FileWriteError(FileName(), file.errorString());
}
