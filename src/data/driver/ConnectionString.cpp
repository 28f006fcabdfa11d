#include "data/driver/ConnectionString.h"

#include "core/Exception.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool SameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

[[noreturn]] void ThrowMalformed(int entryNumber, const QString& why) {
  throw EDatabaseError(
      QStringLiteral("Malformed connection string: entry %1 %2.").arg(entryNumber).arg(why));
}

bool NeedsBraces(const QString& value) {
  if (value.isEmpty()) return false;
  if (value.front().isSpace() || value.back().isSpace()) return true;
  if (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) return true;
  return value.contains(QLatin1Char(';')) || value.contains(QLatin1Char('{')) ||
         value.contains(QLatin1Char('}'));
}

class TParser {
 public:
  explicit TParser(const QString& text) : FText(text) {}

  std::vector<TConnectionString::TEntry> Run() {
    std::vector<TConnectionString::TEntry> entries;
    int number = 0;
    while (true) {
      SkipSpaces();
      if (AtEnd()) break;
      if (Current() == QLatin1Char(';')) {
        ++FPos;
        continue;
      }
      ++number;
      const qsizetype nameStart = FPos;
      while (!AtEnd() && Current() != QLatin1Char('=') && Current() != QLatin1Char(';')) ++FPos;
      const QString name = FText.mid(nameStart, FPos - nameStart).trimmed();
      if (AtEnd() || Current() == QLatin1Char(';'))
        ThrowMalformed(number, QStringLiteral("(\"%1\") has no \"=\"").arg(name));
      if (name.isEmpty()) ThrowMalformed(number, QStringLiteral("has no name before \"=\""));
      ++FPos;  // '='
      entries.emplace_back(name, ReadValue(number, name));
    }
    return entries;
  }

 private:
  bool AtEnd() const { return FPos >= FText.size(); }
  QChar Current() const { return FText[FPos]; }
  void SkipSpaces() {
    while (!AtEnd() && Current().isSpace()) ++FPos;
  }

  QString ReadValue(int number, const QString& name) {
    SkipSpaces();
    if (AtEnd()) return QString();
    const QChar open = Current();
    if (open != QLatin1Char('{') && open != QLatin1Char('"') && open != QLatin1Char('\'')) {
      const qsizetype start = FPos;
      while (!AtEnd() && Current() != QLatin1Char(';')) ++FPos;
      return FText.mid(start, FPos - start).trimmed();
    }
    const QChar close = open == QLatin1Char('{') ? QLatin1Char('}') : open;
    QString value;
    ++FPos;
    while (true) {
      if (AtEnd())
        ThrowMalformed(number,
                       QStringLiteral("(\"%1\") has an unterminated quoted value").arg(name));
      if (Current() == close) {
        if (FPos + 1 < FText.size() && FText[FPos + 1] == close) {
          value += close;
          FPos += 2;
          continue;
        }
        ++FPos;
        break;
      }
      value += Current();
      ++FPos;
    }
    SkipSpaces();
    if (!AtEnd() && Current() != QLatin1Char(';'))
      ThrowMalformed(number, QStringLiteral("(\"%1\") has text after its quoted value").arg(name));
    return value;
  }

  const QString& FText;
  qsizetype FPos = 0;
};

int ParseBusyTimeout(const QString& text) {
  bool ok = false;
  const int ms = text.trimmed().toInt(&ok);
  if (!ok || ms < 0)
    throw EDatabaseError(
        QStringLiteral("Busy Timeout \"%1\" is not a number of milliseconds.").arg(text));
  return ms;
}

TSqliteOpenMode ParseMode(const QString& text) {
  const QString mode = text.trimmed();
  if (mode.isEmpty() || SameName(mode, QStringLiteral("ReadWrite")))
    return TSqliteOpenMode::ReadWrite;
  if (SameName(mode, QStringLiteral("ReadOnly"))) return TSqliteOpenMode::ReadOnly;
  if (SameName(mode, QStringLiteral("Create"))) return TSqliteOpenMode::Create;
  throw EDatabaseError(
      QStringLiteral("Mode \"%1\" is not one of ReadWrite, ReadOnly, Create.").arg(text));
}

TDbConnectTarget ResolveSqlite(const TConnectionString& cs, const QString& baseFolder) {
  TDbConnectTarget target;
  target.Backend = TDbBackend::Sqlite;
  const QString file = cs.Value(QStringLiteral("Data Source")).trimmed();
  if (file.isEmpty())
    throw EDatabaseError(QStringLiteral("The SQLite connection string has no Data Source."));
  if (file == QLatin1String(":memory:")) {
    target.SqlitePath = file;
    target.DatabaseName = QStringLiteral("memory");
  } else {
    const QDir base(baseFolder.isEmpty() ? QDir::currentPath() : baseFolder);
    target.SqlitePath = QDir::cleanPath(base.absoluteFilePath(file));
    target.DatabaseName = QFileInfo(target.SqlitePath).completeBaseName();
  }
  target.SqliteMode = ParseMode(cs.Value(QStringLiteral("Mode")));
  if (cs.Contains(QStringLiteral("Busy Timeout")))
    target.BusyTimeoutMs = ParseBusyTimeout(cs.Value(QStringLiteral("Busy Timeout")));
  return target;
}

bool IsFreeTds(const QString& driver) {
  return SameName(driver.trimmed(), QStringLiteral("FreeTDS")) ||
         driver.contains(QStringLiteral("libtdsodbc"), Qt::CaseInsensitive);
}

TDbConnectTarget ResolveOdbc(const TConnectionString& cs) {
  // OLE DB names of the suite's strings and what ODBC drivers call them.
  static const std::pair<const char*, const char*> renamed[] = {
      {"Data Source", "Server"}, {"Initial Catalog", "Database"}, {"User ID", "UID"},
      {"Password", "PWD"},       {"Workstation ID", "WSID"},      {"Application Name", "APP"},
  };
  TConnectionString odbc;
  for (const auto& [name, value] : cs.Entries()) {
    if (SameName(name, QStringLiteral("Provider")) ||
        SameName(name, QStringLiteral("Persist Security Info")))
      continue;
    if (SameName(name, QStringLiteral("Integrated Security"))) {
      const QString v = value.trimmed();
      if (SameName(v, QStringLiteral("SSPI")) || SameName(v, QStringLiteral("true")) ||
          SameName(v, QStringLiteral("yes"))) {
        odbc.Set(QStringLiteral("Trusted_Connection"), QStringLiteral("yes"));
      } else if (!v.isEmpty() && !SameName(v, QStringLiteral("false")) &&
                 !SameName(v, QStringLiteral("no"))) {
        throw EDatabaseError(
            QStringLiteral("Integrated Security \"%1\" is not understood (use SSPI).").arg(v));
      }
      continue;
    }
    QString odbcName = name;
    for (const auto& [from, to] : renamed)
      if (SameName(name, QLatin1String(from))) odbcName = QLatin1String(to);
    odbc.Set(odbcName, value);
  }
  const bool namesDriver = odbc.Contains(QStringLiteral("Driver")) ||
                           odbc.Contains(QStringLiteral("DSN")) ||
                           odbc.Contains(QStringLiteral("FILEDSN"));
  if (!namesDriver) {
    // Driver first, where the driver manager and readers expect it.
    TConnectionString withDriver;
    withDriver.Set(QStringLiteral("Driver"), QStringLiteral("FreeTDS"));
    for (const auto& [name, value] : odbc.Entries()) withDriver.Set(name, value);
    odbc = withDriver;
  }
  // The program exchanges text as UTF-8 with the narrow ODBC calls.
  if (IsFreeTds(odbc.Value(QStringLiteral("Driver"))) &&
      !odbc.Contains(QStringLiteral("ClientCharset")))
    odbc.Set(QStringLiteral("ClientCharset"), QStringLiteral("UTF-8"));

  TDbConnectTarget target;
  target.Backend = TDbBackend::Odbc;
  target.OdbcConnectionString = odbc.ToString();
  target.DatabaseName = odbc.Value(QStringLiteral("Database"));
  return target;
}

}  // namespace

TConnectionString TConnectionString::Parse(const QString& text) {
  TConnectionString cs;
  cs.FEntries = TParser(text).Run();
  return cs;
}

QString TConnectionString::Value(const QString& name) const {
  for (auto it = FEntries.rbegin(); it != FEntries.rend(); ++it)
    if (SameName(it->first, name)) return it->second;
  return QString();
}

bool TConnectionString::Contains(const QString& name) const {
  for (const auto& entry : FEntries)
    if (SameName(entry.first, name)) return true;
  return false;
}

void TConnectionString::Set(const QString& name, const QString& value) {
  bool placed = false;
  for (auto it = FEntries.begin(); it != FEntries.end();) {
    if (!SameName(it->first, name)) {
      ++it;
    } else if (!placed) {
      it->second = value;
      placed = true;
      ++it;
    } else {
      it = FEntries.erase(it);
    }
  }
  if (!placed) FEntries.emplace_back(name, value);
}

void TConnectionString::Remove(const QString& name) {
  std::erase_if(FEntries, [&](const TEntry& e) { return SameName(e.first, name); });
}

QString TConnectionString::ToString() const {
  QStringList parts;
  for (const auto& [name, value] : FEntries) {
    if (!NeedsBraces(value)) {
      parts << name + QLatin1Char('=') + value;
    } else {
      QString escaped = value;
      escaped.replace(QStringLiteral("}"), QStringLiteral("}}"));
      parts << name + QStringLiteral("={") + escaped + QLatin1Char('}');
    }
  }
  return parts.join(QLatin1Char(';'));
}

TDbConnectTarget ResolveConnectionString(const QString& connectionString,
                                         const QString& baseFolder) {
  if (connectionString.trimmed().isEmpty())
    throw EDatabaseError(QStringLiteral("The connection string is empty."));
  const TConnectionString cs = TConnectionString::Parse(connectionString);
  if (SameName(cs.Value(QStringLiteral("Provider")).trimmed(), QStringLiteral("SQLite")))
    return ResolveSqlite(cs, baseFolder);
  return ResolveOdbc(cs);
}
