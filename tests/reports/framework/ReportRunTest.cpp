#include "fixtures/PdfTools.h"
#include "fixtures/ReportRunFixture.h"
#include "reports/engine/DeviceRegistry.h"
#include "reports/engine/LayoutBuilder.h"
#include "reports/engine/StandardBlocks.h"
#include "reports/framework/AgencyBlock.h"
#include "reports/framework/DataSetSource.h"
#include "reports/framework/ReportRun.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// A one-column roster over the session's scratch query, run the way every
// report-form entry runs.
class ReportRunTest : public ReportRunFixture {
 protected:
  void SetUp() override {
    ReportRunFixture::SetUp();
    Exec(
        "INSERT INTO JAILBOOK (BOOKNO, LNAME, FNAME, FACICODE, FACILITY) VALUES "
        "('B1', 'ADAMS', 'ANN', 'MAIN  ', 'Main Jail'), ('B2', 'BAKER', 'BOB', 'MAIN  ', "
        "'Main Jail'), ('B3', 'O''HARA', 'CY', 'ANNEX ', 'Annex')");
  }

  // Runs the roster of the facility given (bound, never pasted).
  void RunRoster(const QString& facility, TRunErrorStyle style = TRunErrorStyle::rsWarning,
                 bool fail = false) {
    TKsCustomDataSet& query = ReportSession().qryGeneric;
    RunReportEntry(QStringLiteral("Roster"), style, [&] {
      TRunQuery q(query);
      q.Add("SELECT BOOKNO, LNAME, FACILITY FROM JAILBOOK (READUNCOMMITTED)")
          .Add("WHERE FACICODE = :FACICODE ORDER BY LNAME")
          .BindString("FACICODE", facility);
      q.Open();
      if (fail) throw EReportRunError(QStringLiteral("Disk full"));
      TDataSetSource source(query);
      TReportPipeline rows(QStringLiteral("ppGeneric"), &source);
      TReport layout;
      TLayoutBuilder b(layout);
      b.Letter().Pipeline(&rows);
      TAgencyBlock agency;
      TBandBuilder title = b.TitleBand(10);
      AddAgencyHeader(title, agency.HeaderSettings(QStringLiteral("Roster"), &rows));
      b.Detail(5).DBText("LNAME").At(0, 0, 40, 4);
      TBandBuilder footer = b.PageFooter(8);
      AddStandardPageFooter(footer, ReportSession().xsJBUserName);
      PrintWhenRows(
          query,
          [] {
            WriteSessionReportLog({"JAILBOOK", "Inmate Reports, Roster"});
          },
          [&] { PrintReport(layout); },
          QStringLiteral("There are no records that match the selected dates and times."));
    });
  }
};

TEST_F(ReportRunTest, RowsAreLoggedThenPrintedAndTheQueryIsLeftClosed) {
  RunRoster(SessionFacility());

  ASSERT_EQ(Output.Documents.size(), 1u);
  const QStringList texts = Output.AllTexts();
  EXPECT_TRUE(texts.contains("ADAMS"));
  EXPECT_TRUE(texts.contains("BAKER"));
  EXPECT_FALSE(texts.contains("O'HARA"));
  EXPECT_TRUE(texts.contains("CLAY COUNTY SHERIFF"));
  EXPECT_TRUE(texts.contains("Main Jail"));
  EXPECT_EQ(Output.CountCommands<TImageCommand>(), 2) << "the logo at both edges";
  EXPECT_EQ(LogRows(), QStringList{"17|JAILBOOK|DEMO|Jail Reports Module|Inmate Reports, Roster"});
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_FALSE(ReportSession().qryGeneric.Active());
  EXPECT_FALSE(ReportSession().qryGeneric.Prepared());
  EXPECT_EQ(Selects().size(), 1) << Selects().join("\n---\n").toStdString();
  EXPECT_TRUE(Selects().first().contains("FACICODE = :FACICODE"));
}

TEST_F(ReportRunTest, NoRowsShowsTheMessageAndLogsNothing) {
  RunRoster(QStringLiteral("EAST"));
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
  EXPECT_EQ(Messages(),
            QStringList{"There are no records that match the selected dates and times."});
}

TEST_F(ReportRunTest, AFacilityWithQuotesAndCommentMarksIsData) {
  RunRoster(QStringLiteral("X' OR 1=1; --"));
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_EQ(Messages().size(), 1);
  EXPECT_EQ(Db->Scalar("SELECT COUNT(*) FROM JAILBOOK").toInt(), 3);
}

TEST_F(ReportRunTest, FailuresAreShownInTheEntrysStyleAndTheQueryIsClosed) {
  struct Case {
    TRunErrorStyle Style;
    QString Message;
  } cases[] = {
      {TRunErrorStyle::rsWarning, "Disk full"},
      {TRunErrorStyle::rsErrorOnMainForm, "Disk full on TfrmJBReportsMain.Roster"},
      {TRunErrorStyle::rsLoggedWarning, "Disk full / procedure: TfrmJBReportsMain.Roster"},
  };
  for (const Case& c : cases) {
    Prompts.ClearPrompts();
    RunRoster(SessionFacility(), c.Style, true);
    EXPECT_EQ(Messages(), QStringList{c.Message});
    EXPECT_FALSE(ReportSession().qryGeneric.Active());
  }
  EXPECT_TRUE(Output.Documents.empty());
  EXPECT_TRUE(LogRows().isEmpty());
  EXPECT_EQ(Prompts.HourglassDepth(), 0);
}

TEST_F(ReportRunTest, AFileOutputWritesTheDeviceItsExtensionNames) {
  TStandardDeviceRegistration devices;
  QTemporaryDir dir;
  TFileReportOutput file(dir.filePath("roster.pdf"));
  {
    TReportOutputScope scope(file);
    RunRoster(SessionFacility());
  }
  ASSERT_EQ(file.Written(), QStringList{dir.filePath("roster.pdf")});
  EXPECT_TRUE(PdfTools::Text(dir.filePath("roster.pdf")).contains("BAKER"));

  QString message;
  EXPECT_FALSE(TFileReportOutput::IsSupported("roster.doc", &message));
  EXPECT_EQ(message, "The output file \"roster.doc\" must end in .pdf, .txt, .csv, .png, .xlsx.");
}

}  // namespace
