#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// A macro of a dataset's SQL: "&NAME" in the text is replaced by the macro's
// value, as plain text, when the statement runs.
class TMacro {
 public:
  explicit TMacro(QString name) : FName(std::move(name)) {}

  const QString& Name() const { return FName; }
  const QString& Value() const { return FValue; }
  const QString& AsString() const { return FValue; }
  void SetValue(const QString& value);
  void SetAsString(const QString& value) { SetValue(value); }

 private:
  friend class TMacros;
  QString FName;
  QString FValue;
  class TMacros* FOwner = nullptr;
  bool FCreated = false;
};

// The macros of a statement, kept in step with its SQL like the parameters:
// each "&NAME" once, values kept across SQL changes.
class TMacros {
 public:
  // Called whenever a macro value changes (the dataset re-reads its
  // parameters, which a macro value may contain).
  explicit TMacros(std::function<void()> onChange = {}) : FOnChange(std::move(onChange)) {}

  int Count() const { return int(FItems.size()); }
  TMacro& operator[](int index) { return *FItems.at(size_t(index)); }
  TMacro* FindMacro(const QString& name) const;
  // Adds a macro the text does not (yet) name; returns the existing one of
  // that name otherwise.
  TMacro& CreateMacro(const QString& name);

  void Synchronize(const QStringList& names, bool dropCreated);
  // The value to put in place of "&name": empty for an unknown macro.
  QString ValueOf(const QString& name) const;

 private:
  friend class TMacro;
  std::vector<std::unique_ptr<TMacro>> FItems;
  std::function<void()> FOnChange;
};
