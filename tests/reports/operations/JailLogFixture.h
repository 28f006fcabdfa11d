#pragma once

#include "fixtures/ReportRunFixture.h"
#include "reports/framework/ReportCatalogue.h"
#include "reports/operations/JailLogReports.h"

#include <QStringList>

// The catalogue with the jail log entries registered, on the report
// fixture's database, with a small shift journal of facility MAIN on
// 03/05/2015:
//
//   L1  08:00:00 dorm A  HC  SMITH   rich text  linked to B1 (in custody) and
//                                    B2 (released)
//   L2  12:00:00 dorm A  SUP JONES   supervisor entry, plain text
//   L3  14:07:30 dorm B  FI  JONES   no entry text, linked to B3 (a booking
//                                    of the annex)
//   L4  03/06/2015 09:00 dorm A      the next day, linked to B1
//   L5  10:00:00 dorm A  (annex)     another facility's entry
class JailLogFixture : public ReportRunFixture {
 public:
  void SetUp() override {
    ReportRunFixture::SetUp();
    RegisterOperationsJailLogHandlers(Catalogue);
    AddEntry("L1", "2015-03-05", "08:00:00", "A", "HC", "Head count", "SMITH", "100",
             QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 Count "
                            "{\\b clear}, all present.\\par}"),
             false, true);
    AddEntry("L2", "2015-03-05", "12:00:00", "A", "SUP", "Supervisor check", "JONES", "200",
             QStringLiteral("Shift briefing held."), true);
    AddEntry("L3", "2015-03-05", "14:07:30", "B", "FI", "Fight", "JONES", "200", QVariant());
    AddEntry("L4", "2015-03-06", "09:00:00", "A", "HC", "Head count", "SMITH", "100",
             QStringLiteral("Next day."));
    AddEntry("L5", "2015-03-05", "10:00:00", "A", "HC", "Head count", "SMITH", "100",
             QStringLiteral("Annex count."), false, false, QStringLiteral("ANNEX "));
    AddBooking("JAILBOOK", "B1", "ADAMS", "ANN", "MAIN  ", 0);
    AddBooking("JBHISTO", "B2", "BAKER", "BOB", "MAIN  ", 1);
    AddBooking("JAILBOOK", "B3", "CROSS", "CY", "ANNEX ", 0);
    Link("L1", "B1");
    Link("L1", "B2");
    Link("L3", "B3");
    Link("L4", "B1");
  }

  void RunEntry(const QString& handler) { Run(Catalogue, handler); }

  // The dialog's window; times in the picker's text.
  void Window(const QString& from, const QString& to) {
    Dialogs.SetAnswer(QStringLiteral("from"), from);
    Dialogs.SetAnswer(QStringLiteral("to"), to);
  }
  void Dorms(const QString& from, const QString& to) {
    Dialogs.SetAnswer(QStringLiteral("dorm-from"), from);
    Dialogs.SetAnswer(QStringLiteral("dorm-to"), to);
  }
  // The next answer to "Do you want to show the inmates on this report?".
  // Answers are taken in the order given (the last one repeats), so a test
  // of several runs gives every run's answer before the first.
  void ShowInmates(bool yes) {
    Prompts.AddAnswer(QStringLiteral("Do you want to show the inmates on this report?"),
                      yes ? QStringLiteral("Yes") : QStringLiteral("No"));
  }

  void AddEntry(const QString& no, const QString& date, const QString& time, const QString& dorm,
                const QString& code, const QString& description, const QString& officer,
                const QString& perNo, const QVariant& text, bool supervisor = false,
                bool priority = false, const QString& facility = QStringLiteral("MAIN  ")) {
    Exec(QStringLiteral(
             "INSERT INTO JBLOG (JAILLOGNO, [DATE], [TIME], DOORMSCODE, DOORMSDESC, LOGCODE, "
             "CODEDESC, OFFICER, PERNO, USERNAME, PRIORITY, LOGENTRY, FACICODE, FACILITY, "
             "SupervisorLog) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, 'DEMO', ?10, ?11, ?12, "
             "?13, ?14)"),
         {no, date + QStringLiteral(" 00:00:00"), QStringLiteral("1899-12-30 ") + time, dorm,
          QStringLiteral("Dorm ") + dorm, code, description, officer, perNo, priority ? 1 : 0, text,
          facility, facility.trimmed() == "MAIN" ? "Main Jail" : "Annex", supervisor ? 1 : 0});
  }

  void AddBooking(const QString& table, const QString& bookNo, const QString& last,
                  const QString& first, const QString& facility, int released) {
    Exec(QStringLiteral("INSERT INTO %1 (BOOKNO, ECSOID, LNAME, FNAME, MNAME, TITLE, FACICODE, "
                        "FACILITY, NAMERELEAS) VALUES (?1, ?2, ?3, ?4, 'Q', '', ?5, ?6, ?7)")
             .arg(table),
         {bookNo, QStringLiteral("M") + bookNo, last, first, facility,
          facility.trimmed() == "MAIN" ? "Main Jail" : "Annex", released});
  }

  void Link(const QString& logNo, const QString& bookNo) {
    Exec(QStringLiteral(
             "INSERT INTO JL_JB_XREF (JAILOGNO, BOOKNO, MNINO) VALUES (?1, ?2, 'M' || ?2)"),
         {logNo, bookNo});
  }

  // The texts of every page that follow the first occurrence of `from`.
  QStringList TextsAfter(const QString& from) const {
    const QStringList texts = Output.AllTexts();
    const int at = texts.indexOf(from);
    return at < 0 ? QStringList() : texts.mid(at + 1);
  }

  // The jail log numbers printed after "Jail Log No:" captions, in order.
  QStringList PrintedLogNumbers() const {
    QStringList numbers;
    const QStringList texts = Output.AllTexts();
    for (int i = 0; i + 1 < texts.size(); ++i)
      if (texts.at(i) == "Jail Log No:") numbers << texts.at(i + 1);
    return numbers;
  }

  TReportCatalogue Catalogue;
};
