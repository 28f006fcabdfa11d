#include "cli/CliArguments.h"

TCliArguments::TCliArguments(const QStringList& args, const QStringList& valueOptions,
                             const QStringList& flags) {
  bool optionsEnded = false;
  for (int i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (optionsEnded || !arg.startsWith(QLatin1String("--")) || arg == QLatin1String("--")) {
      if (!optionsEnded && arg == QLatin1String("--"))
        optionsEnded = true;
      else
        FPositionals << arg;
      continue;
    }
    QString name = arg;
    QString value;
    const bool inlineValue = arg.contains(QLatin1Char('='));
    if (inlineValue) {
      name = arg.section(QLatin1Char('='), 0, 0);
      value = arg.section(QLatin1Char('='), 1);
    }
    if (flags.contains(name) && !inlineValue) {
      FFlags << name;
    } else if (valueOptions.contains(name)) {
      if (!inlineValue) {
        if (i + 1 >= args.size()) throw ECommandLineError(name + QStringLiteral(" needs a value"));
        value = args[++i];
      }
      FValues.insert(name, value);
      FAllValues[name] << value;
    } else {
      throw ECommandLineError(QStringLiteral("unknown option ") + name);
    }
  }
}

QString TCliArguments::Value(const QString& name, const QString& defaultValue) const {
  return FValues.value(name, defaultValue);
}

int TCliArguments::CountValue(const QString& name, int defaultValue) const {
  if (!FValues.contains(name)) return defaultValue;
  bool ok = false;
  const int value = FValues.value(name).toInt(&ok);
  if (!ok || value < 0)
    throw ECommandLineError(name + QStringLiteral(" needs a whole number of 0 or more, not \"") +
                            FValues.value(name) + QLatin1Char('"'));
  return value;
}

void TCliArguments::RequirePositionals(int count, const QString& usage) const {
  if (FPositionals.size() != count) throw ECommandLineError(QStringLiteral("usage: ") + usage);
}
