#pragma once

#include "reports/engine/OutputDevice.h"
#include "reports/engine/SavedTextLines.h"

#include <QChar>
#include <QStringConverter>

#include <functional>

// How the fields of a text-file line are laid out.
enum class TppFileType {
  ftComma,        // separated by ",", texts with a comma or blank quoted
  ftTab,          // separated by a tab
  ftFixedLength,  // each field cut or padded to its save length
  ftCustom,       // no separator and no line breaks: the on-save event shapes the text
};

// May replace the text of each field just before it is written.
using TppSaveTextEvent = std::function<void(const TSaveInfo& save, QString& text)>;

// Writes the texts marked to be saved, one line per band row, as a text file.
class TTextFileDevice : public TFileOutputDevice {
 public:
  QString DeviceName() const override { return QStringLiteral("TextFile"); }
  QString Description() const override { return QStringLiteral("Text File"); }
  QString DefaultExt() const override { return QStringLiteral("txt"); }
  QString FileFilter() const override { return QStringLiteral("Text files|*.txt"); }

  TppFileType TextFileType() const { return FTextFileType; }
  void SetTextFileType(TppFileType type) { FTextFileType = type; }
  QChar QuoteCharacter() const { return FQuoteCharacter; }
  void SetQuoteCharacter(QChar quote) { FQuoteCharacter = quote; }
  bool QuoteAll() const { return FQuoteAll; }
  void SetQuoteAll(bool quoteAll) { FQuoteAll = quoteAll; }
  QStringConverter::Encoding TextEncoding() const { return FEncoding; }
  void SetTextEncoding(QStringConverter::Encoding encoding) { FEncoding = encoding; }

  TppSaveTextEvent OnSaveText;

  // The text of one field as it goes into the file, the event applied.
  QString FieldText(const TSavedField& field) const;
  // One output line: the fields joined by the separator of the file type.
  QString LineText(const TSavedLine& line) const;

 protected:
  void WriteFile(const TReportDocument& document, const QString& path) override;

 private:
  QString Separator() const;
  QString Quoted(const QString& text) const;

  TppFileType FTextFileType = TppFileType::ftFixedLength;
  QChar FQuoteCharacter = QLatin1Char('"');
  bool FQuoteAll = false;
  QStringConverter::Encoding FEncoding = QStringConverter::System;
};

// The text device writing the file name exactly as given, with no extension
// of its own (the Social Security submission file is one).
class TNoExtensionFileDevice : public TTextFileDevice {
 public:
  QString DeviceName() const override { return QStringLiteral("NoExtensionFile"); }
  QString Description() const override { return QStringLiteral("-File Without Extension"); }
  QString DefaultExt() const override { return {}; }
  QString FileFilter() const override { return QStringLiteral("All files|*.*"); }
};

// The text device set up for comma-separated values.
class TCsvFileDevice : public TTextFileDevice {
 public:
  TCsvFileDevice() { SetTextFileType(TppFileType::ftComma); }
  QString DeviceName() const override { return QStringLiteral("CSVFile"); }
  QString Description() const override { return QStringLiteral("CSV File"); }
  QString DefaultExt() const override { return QStringLiteral("csv"); }
  QString FileFilter() const override { return QStringLiteral("CSV files|*.csv"); }
};
