#pragma once

#include "fixtures/ReportRunFixture.h"
#include "reports/inmates/InmateCounts.h"

// The catalogue with the head count and inmate count entries, on the report
// run fixture's small database.
class CountsFixture : public ReportRunFixture {
 protected:
  void SetUp() override {
    ReportRunFixture::SetUp();
    RegisterInmatesCountsHandlers(Catalogue);
  }

  void RunEntry(const QString& handler) { Run(Catalogue, handler); }

  // The texts printed right after each occurrence of `caption` (the value
  // beside a caption), over the texts given.
  static QStringList After(const QStringList& texts, const QString& caption) {
    QStringList values;
    for (qsizetype i = 0; i + 1 < texts.size(); ++i)
      if (texts[i] == caption) values << texts[i + 1];
    return values;
  }

  // A booking row of JAILBOOK or JBHISTO; dates as 'yyyy-mm-dd', times as
  // 'hh:nn:ss', stored the way the suite stores them.
  void AddBooking(const QString& table, const QString& bookNo, const QString& sex,
                  const QString& date, const QString& time,
                  const QString& facility = QStringLiteral("MAIN  "),
                  const QString& lastName = QStringLiteral("DOE")) {
    Exec(QStringLiteral(
             "INSERT INTO %1 (BOOKNO, ECSOID, LNAME, FNAME, SEX, FACICODE, FACILITY, "
             "BOOKDATE, BOOKTIME) VALUES (?1, ?2, ?3, 'PAT', ?4, ?5, 'Main Jail', ?6, ?7)")
             .arg(table),
         {bookNo, QStringLiteral("MNI-") + lastName, lastName, sex.isNull() ? QVariant() : sex,
          facility, date + QStringLiteral(" 00:00:00"), QStringLiteral("1899-12-30 ") + time});
  }

  TReportCatalogue Catalogue;
};
