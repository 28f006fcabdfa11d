#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The SQL text of a dataset as a list of lines, the way data modules build
// their statements: Clear, then Add one piece after another. Every change is
// reported to the owner (which closes the dataset and re-reads parameters
// and macros); BeginUpdate/EndUpdate report a batch of changes once.
class TKsStrings {
 public:
  explicit TKsStrings(std::function<void()> onChange = {}) : FOnChange(std::move(onChange)) {}

  void Add(const QString& line);
  void Insert(int index, const QString& line);
  void Delete(int index);
  void Clear();
  void Assign(const TKsStrings& other) { SetLines(other.FLines); }
  void SetLines(const QStringList& lines);

  int Count() const { return int(FLines.size()); }
  bool IsEmpty() const { return FLines.isEmpty(); }
  const QString& operator[](int index) const { return FLines.at(index); }
  const QStringList& Lines() const { return FLines; }

  // The lines joined with line breaks (no break after the last).
  QString Text() const { return FLines.join(QLatin1Char('\n')); }
  // Splits at CR LF, LF or CR.
  void SetText(const QString& text);

  void BeginUpdate() { ++FUpdating; }
  void EndUpdate();

 private:
  void Changed();

  QStringList FLines;
  std::function<void()> FOnChange;
  int FUpdating = 0;
  bool FPending = false;
};
