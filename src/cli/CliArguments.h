#pragma once

#include "core/Exception.h"

#include <QMap>
#include <QString>
#include <QStringList>

// Bad input on the command line: unknown option, missing value, wrong count.
class ECommandLineError : public Exception {
 public:
  using Exception::Exception;
};

// The arguments of one sub-command: "--name value" (or "--name=value")
// options, "--name" flags and positional arguments; "--" ends the options.
class TCliArguments {
 public:
  // Throws ECommandLineError for an option that is neither in
  // `valueOptions` nor in `flags`, or a value option without its value.
  TCliArguments(const QStringList& args, const QStringList& valueOptions,
                const QStringList& flags = {});

  const QStringList& Positionals() const { return FPositionals; }
  bool HasFlag(const QString& name) const { return FFlags.contains(name); }
  bool HasValue(const QString& name) const { return FValues.contains(name); }
  // The last value given to the option.
  QString Value(const QString& name, const QString& defaultValue = {}) const;
  // Every value of an option that may be repeated, in the order given.
  QStringList Values(const QString& name) const { return FAllValues.value(name); }
  // A whole number >= 0; ECommandLineError naming the option otherwise.
  int CountValue(const QString& name, int defaultValue) const;

  // Exactly `count` positionals, else ECommandLineError with `usage`.
  void RequirePositionals(int count, const QString& usage) const;

 private:
  QStringList FPositionals;
  QStringList FFlags;
  QMap<QString, QString> FValues;
  QMap<QString, QStringList> FAllValues;
};
