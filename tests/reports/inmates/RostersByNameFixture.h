#pragma once

#include "fixtures/ReportRunFixture.h"
#include "reports/framework/ReportCatalogue.h"
#include "reports/inmates/RostersByName.h"
#include "reports/inmates/dmInmNameLongRpt.h"

#include <utility>
#include <vector>

// The catalogue with the "By Name" rosters registered, on the report
// fixture's database, and builders for the bookings they list.
class RostersByNameFixture : public ReportRunFixture {
 public:
  using TRow = std::vector<std::pair<QString, QVariant>>;

  void SetUp() override {
    ReportRunFixture::SetUp();
    RegisterInmatesRostersByNameHandlers(Catalogue);
  }

  void TearDown() override {
    // The kept module holds a connection to this test's database.
    FreeInmNameLongRpt();
    ReportRunFixture::TearDown();
  }

  void RunEntry(const QString& handler) { Run(Catalogue, handler); }

  // One row; column names as the schema spells them.
  void Insert(const QString& table, const TRow& row) {
    QStringList columns, marks;
    std::vector<QVariant> values;
    for (const auto& [column, value] : row) {
      columns << column;
      values.push_back(value);
      marks << QStringLiteral("?%1").arg(values.size());
    }
    Exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
             .arg(table, columns.join(", "), marks.join(", ")),
         values);
  }

  // A booking of facility MAIN in `table` (JAILBOOK or JBHISTO), booked on
  // 03/01/2026 at 08:00, in custody in JAILBOOK and released in JBHISTO;
  // `extra` replaces or adds columns.
  void AddBooking(const QString& table, const QString& bookNo, const QString& last,
                  const QString& first, const TRow& extra = {}) {
    TRow row = {{"BOOKNO", bookNo},
                {"ECSOID", QStringLiteral("M") + bookNo},
                {"LNAME", last},
                {"FNAME", first},
                {"MNAME", QStringLiteral("Q")},
                {"FACICODE", QStringLiteral("MAIN  ")},
                {"FACILITY", QStringLiteral("Main Jail")},
                {"CELLNO", QStringLiteral("A-10")},
                {"BOOKDATE", QStringLiteral("2026-03-01 00:00:00")},
                {"BOOKTIME", QStringLiteral("1899-12-30 08:00:00")},
                {"NAMERELEAS", table.compare("JBHISTO", Qt::CaseInsensitive) == 0 ? 1 : 0}};
    for (const auto& [column, value] : extra) {
      auto it = std::find_if(row.begin(), row.end(),
                             [&](const auto& cell) { return cell.first == column; });
      if (it != row.end())
        it->second = value;
      else
        row.emplace_back(column, value);
    }
    Insert(table, row);
  }

  void AddFacility(const QString& id, const QString& description) {
    Insert("CFGFACI", {{"FACILITYID", id}, {"FACILITYDESC", description}});
  }

  // The facilities the next picker chooses ("Cancel" cancels it).
  void PickFacilities(const QString& answer) {
    Prompts.AddAnswer(QStringLiteral("Select Your Facility"), answer);
  }
  void AnswerCheckedOut(const QString& answer) {
    Prompts.AddAnswer(QStringLiteral("Include checked out inmates?"), answer);
  }

  // The statements that read the roster's rows: Selects() without the
  // facility picker's read of the facility list.
  QStringList ReportSelects() const {
    QStringList selects = Selects();
    selects.removeIf(
        [](const QString& sql) { return sql.contains("CFGFACI", Qt::CaseInsensitive); });
    return selects;
  }

  // The text printed right after `caption` on the pages, or a note saying
  // the caption was not printed.
  QString TextAfter(const QString& caption) const {
    const QStringList texts = Output.AllTexts();
    const int at = texts.indexOf(caption);
    return at >= 0 && at + 1 < texts.size() ? texts.at(at + 1)
                                            : QStringLiteral("<no \"%1\">").arg(caption);
  }

  static QByteArray PhotoJpeg() { return Jpeg(QSize(30, 40), Qt::gray); }

  TReportCatalogue Catalogue;
};
