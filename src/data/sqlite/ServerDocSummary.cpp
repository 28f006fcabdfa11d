#include "data/sqlite/ServerDocSummary.h"

#include "core/Exception.h"
#include "core/KsUniqueKey.h"
#include "data/sqlite/ServerCustody.h"
#include "data/sqlite/SqliteConnection.h"
#include "data/sqlite/SqliteProcedures.h"
#include "data/sqlite/SqliteQuery.h"
#include "data/sqlite/TsqlDateTime.h"
#include "data/sqlite/TsqlValue.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamReader>

#include <array>

namespace {

using TsqlDateTime::kMsPerDay;

constexpr int kLevelFelony = 1;
constexpr int kLevelMisdemeanor = 2;
constexpr int kLevelOther = 3;

int LevelTypeOf(qint64 type) {
  return type == kLevelFelony || type == kLevelMisdemeanor ? int(type) : kLevelOther;
}

QString StatusKey(const QString& code) {
  QString key = code.toUpper();
  while (key.endsWith(u' ')) key.chop(1);
  return key;
}

struct TStatus {
  QString Code;
  QString Desc;
  int LevelType;
};

struct TLine {
  int No = 0;
  bool Juvenile = false;
  QString Sex;
  int LevelType = kLevelOther;
  QVariant Status;  // null on an empty or collecting line
  QString Desc;
  std::array<qint64, 31> Days{};  // by day of the month
};

// A block of lines of one level type within a section.
struct TBlock {
  int LevelType;
  int FirstLine;  // within the section, from 0
  int Lines;
};

struct TSection {
  bool Juvenile;
  const char* Sex;
  int FirstLine;  // PrtLineNo of its first line
  std::vector<TBlock> Blocks;
};

const std::vector<TSection>& Sections() {
  static const std::vector<TBlock> adult = {
      {kLevelFelony, 0, 5}, {kLevelMisdemeanor, 5, 5}, {kLevelOther, 10, 6}};
  static const std::vector<TBlock> juvenile = {{kLevelFelony, 0, 4}, {kLevelMisdemeanor, 4, 5}};
  static const std::vector<TSection> sections = {{false, "M", 1, adult},
                                                 {false, "F", 17, adult},
                                                 {true, "M", 33, juvenile},
                                                 {true, "F", 42, juvenile}};
  return sections;
}

QString CollectingDesc(int levelType) {
  switch (levelType) {
    case kLevelFelony:
      return QStringLiteral("ALL OTHER FELONY");
    case kLevelMisdemeanor:
      return QStringLiteral("ALL OTHER MISDEMEANOR");
    default:
      return QStringLiteral("ALL OTHER");
  }
}

// The form's lines and which line counts an inmate.
class TDocForm {
 public:
  explicit TDocForm(const std::vector<TStatus>& statuses) {
    for (size_t s = 0; s < Sections().size(); ++s) {
      const TSection& section = Sections()[s];
      FCatchAll[s] = -1;
      for (const TBlock& block : section.Blocks) {
        std::vector<const TStatus*> own;
        for (const TStatus& status : statuses)
          if (status.LevelType == block.LevelType) own.push_back(&status);
        const bool collects = block.LevelType == kLevelOther || int(own.size()) > block.Lines;
        const int named = collects ? block.Lines - 1 : block.Lines;
        for (int i = 0; i < block.Lines; ++i) {
          TLine line;
          line.No = section.FirstLine + block.FirstLine + i;
          line.Juvenile = section.Juvenile;
          line.Sex = QLatin1String(section.Sex);
          line.LevelType = block.LevelType;
          const int index = int(Lines.size());
          if (i < named && i < int(own.size())) {
            line.Status = own[size_t(i)]->Code;
            line.Desc = own[size_t(i)]->Desc;
            FLineOf[s].insert(StatusKey(own[size_t(i)]->Code), index);
          } else if (collects && i == block.Lines - 1) {
            line.Desc = CollectingDesc(block.LevelType);
            for (size_t k = size_t(named); k < own.size(); ++k)
              FLineOf[s].insert(StatusKey(own[k]->Code), index);
            if (block.LevelType == kLevelOther) FCatchAll[s] = index;
          }
          Lines.push_back(std::move(line));
        }
      }
    }
  }

  // The line of an inmate with this status (empty: none known); nullptr
  // when the form has no line for it.
  TLine* LineFor(bool juvenile, const QString& sex, const QString& status) {
    const size_t s = (juvenile ? 2 : 0) + (sex == QLatin1String("F") ? 1 : 0);
    const int index = FLineOf[s].value(StatusKey(status), FCatchAll[s]);
    return index < 0 ? nullptr : &Lines[size_t(index)];
  }

  std::vector<TLine> Lines;

 private:
  std::array<QHash<QString, int>, 4> FLineOf;
  std::array<int, 4> FCatchAll{};
};

std::vector<TStatus> LoadStatuses(sqlite3* db) {
  std::vector<TStatus> statuses;
  TSqliteQuery q(db,
                 "SELECT CASE_STATUS_CODE, CASE_STATUS_DESC, CASE_LEVEL_TYPE FROM CFGCASST "
                 "ORDER BY [LEVEL], CASE_STATUS_CODE");
  while (q.Step())
    statuses.push_back({q.Text(0).trimmed(), q.Text(1).trimmed(),
                        q.IsNull(2) ? kLevelOther : LevelTypeOf(q.Int(2))});
  return statuses;
}

QStringList ParseFacilities(const QString& procedure, const QString& xml) {
  QStringList facilities;
  QXmlStreamReader reader(xml);
  while (!reader.atEnd()) {
    if (reader.readNext() == QXmlStreamReader::StartElement &&
        reader.name().compare(QLatin1String("FaciCode"), Qt::CaseInsensitive) == 0) {
      const QString code = reader.readElementText().trimmed();
      if (!code.isEmpty() && !facilities.contains(code)) facilities << code;
    }
  }
  if (reader.hasError() && !xml.trimmed().isEmpty())
    throw EDatabaseError(
        QStringLiteral("Procedure or function '%1': FacilityIds is not a list of facilities: %2")
            .arg(procedure, reader.errorString()));
  return facilities;
}

// The most serious configured status of each booking, or an empty text when
// it has no case with a configured status.
class TGoverningStatus {
 public:
  explicit TGoverningStatus(sqlite3* db)
      : FQuery(db,
               "SELECT c.STATUS FROM JBCASE c JOIN CFGCASST s ON s.CASE_STATUS_CODE = c.STATUS "
               "WHERE c.BOOKNO = ?1 ORDER BY s.[LEVEL], s.CASE_STATUS_CODE LIMIT 1") {}

  QString Of(const QString& bookNo) {
    const auto known = FCache.constFind(bookNo);
    if (known != FCache.constEnd()) return *known;
    FQuery.Reset();
    FQuery.Bind(1, bookNo);
    const QString status = FQuery.Step() ? FQuery.Text(0).trimmed() : QString();
    FCache.insert(bookNo, status);
    return status;
  }

 private:
  TSqliteQuery FQuery;
  QHash<QString, QString> FCache;
};

// Counts the snapshot rows of the period's days; returns the days of the
// month (from 0) that have snapshots.
QSet<int> CountSnapshots(sqlite3* db, const QStringList& facilities, int64_t first, int64_t end,
                         TDocForm& form) {
  QString sql = QStringLiteral(
      "SELECT t.SCANDATE, t.STATUS, t.JUVENILE, t.SEX, EXISTS (SELECT 1 FROM "
      "JailBook_JBHisto_View b WHERE b.BOOKNO = t.BOOKNO AND b.FACICODE IN (");
  std::vector<QVariant> values{ServerCustody::ToDateTime(first), ServerCustody::ToDateTime(end)};
  for (const QString& facility : facilities) {
    if (values.size() > 2) sql += QStringLiteral(", ");
    values.push_back(facility);
    sql += u'?' + QString::number(values.size());
  }
  sql += QStringLiteral(")) FROM JBDOCTOTALS t WHERE t.SCANDATE >= ?1 AND t.SCANDATE < ?2");
  QSet<int> covered;
  TSqliteQuery q(db, sql, values);
  while (q.Step()) {
    int64_t scanned = 0;
    if (!TsqlValue::DateTime(q.Value(0), scanned)) continue;
    const int day = TsqlDateTime::ToParts(scanned).Day - 1;
    covered.insert(day);
    if (q.Int(4) == 0) continue;  // another facility's inmate
    if (TLine* line = form.LineFor(TsqlValue::IsTrue(q.Value(2)), q.Text(3).trimmed().toUpper(),
                                   q.Text(1).trimmed()))
      ++line->Days[size_t(day)];
  }
  return covered;
}

void WriteSummary(sqlite3* db, const std::vector<TLine>& lines, const QString& agency,
                  int64_t first, int days) {
  TSqliteSavepoint unit(db, "DocSummary");
  TSqliteQuery(db, "DELETE FROM JBDOCSUMMARY").Run();
  qint64 all = 0;
  for (const TLine& line : lines)
    for (qint64 count : line.Days) all += count;
  if (all > 0) {
    QString sql = QStringLiteral(
        "INSERT INTO JBDOCSUMMARY (PrtLineNo, Agency, Case_Level_Type, Status, StatusDesc, Adult, "
        "Juvenile, Sex, ScanDate, UniqueKey, ");
    for (int d = 1; d <= 31; ++d) sql += QStringLiteral("Day%1, ").arg(d);
    sql += QStringLiteral("StatusTotal, StatusAvg) VALUES (?1");
    for (int i = 2; i <= 43; ++i) sql += QStringLiteral(", ?%1").arg(i);
    sql += u')';
    for (const TLine& line : lines) {
      std::vector<QVariant> values{line.No,       agency,    line.LevelType,
                                   line.Status,   line.Desc, !line.Juvenile,
                                   line.Juvenile, line.Sex,  ServerCustody::ToDateTime(first),
                                   NewUniqueKey()};
      qint64 total = 0;
      for (qint64 count : line.Days) {
        values.push_back(count);
        total += count;
      }
      values.push_back(total);
      values.push_back(double(total) / days);
      TSqliteQuery(db, sql, values).Run();
    }
  }
  unit.Release();
}

}  // namespace

void SpksJbDocSummary(TSqliteProcedureContext& call) {
  const int64_t first = ServerCustody::DayArgument(call, 0, "RptBeginingDate");
  const int64_t last = ServerCustody::DayArgument(call, 1, "RptEndingDate");
  const QString agency = call.Arg(size_t(2)).toString().trimmed();
  QStringList facilities = ParseFacilities(call.ProcedureName, call.Arg(size_t(3)).toString());
  if (facilities.isEmpty() && !agency.isEmpty()) facilities << agency;

  const TsqlDateTime::TParts a = TsqlDateTime::ToParts(first), b = TsqlDateTime::ToParts(last);
  if (last < first || a.Year != b.Year || a.Month != b.Month)
    throw EDatabaseError(
        QStringLiteral("Procedure or function '%1': the report period must lie within one month.")
            .arg(call.ProcedureName));
  const int days = int((last - first) / kMsPerDay) + 1;
  const int64_t end = last + kMsPerDay;

  sqlite3* db = call.Connection.Handle();
  TDocForm form(LoadStatuses(db));
  const QSet<int> covered = CountSnapshots(db, facilities, first, end, form);

  TGoverningStatus governing(db);
  const std::vector<ServerCustody::TPeriod> periods =
      ServerCustody::LoadPeriods(db, facilities, first, end);
  for (int d = 0; d < days; ++d) {
    const int dayOfMonth = a.Day - 1 + d;
    if (covered.contains(dayOfMonth)) continue;
    const int64_t dayStart = first + d * kMsPerDay;
    for (const ServerCustody::TPeriod& p : periods)
      if (p.HeldAt(dayStart))
        if (TLine* line = form.LineFor(p.Juvenile, p.Sex, governing.Of(p.BookNo)))
          ++line->Days[size_t(dayOfMonth)];
  }

  WriteSummary(db, form.Lines, agency, first, days);
  call.ReturnValue = 0;
}
