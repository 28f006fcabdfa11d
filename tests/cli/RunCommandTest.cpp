#include "ProgramRunner.h"
#include "cli/CommandLine.h"
#include "fixtures/PdfTools.h"

#include <QFile>
#include <QTemporaryDir>

#include <QTextStream>

#include <gtest/gtest.h>

namespace {

struct TBadRun {
  QStringList Args;
  QString Error;
};

// Refused before anything is opened or written.
TEST(RunCommandTest, BadInputIsRefusedWithAClearMessage) {
  const TBadRun cases[] = {
      {{"run"}, "usage: tallyhouse run HANDLER"},
      {{"run", "HCAsofNowClick", "--as", "DEMO", "FA"}, "--out FILE is missing"},
      {{"run", "HCAsofNowClick", "--out", "x.pdf"}, "give either --user NAME or --as NAME LEVEL"},
      {{"run", "HCAsofNowClick", "--user", "A", "--as", "B", "FA", "--out", "x.pdf"},
       "give either --user NAME or --as NAME LEVEL"},
      {{"run", "HCAsofNowClick", "--as", "DEMO", "--out", "x.pdf"},
       "--as needs a user name and an access level"},
      {{"run", "HCAsofNowClick", "--as", "DEMO", "FA", "--out", "x.doc"},
       "The output file \"x.doc\" must end in .pdf, .txt, .csv, .png, .xlsx."},
      {{"run", "NoSuchHandler", "--as", "DEMO", "FA", "--out", "x.pdf"}, "NoSuchHandler"},
      {{"run", "HCAsofNowClick", "--as", "DEMO", "FA", "--out", "x.pdf", "--colour", "red"},
       "unknown option --colour"},
      {{"run", "HCAsofNowClick", "--as", "DEMO", "FA", "--out", "x.pdf", "--answer", "Yes"},
       "--answer needs QUESTION=ANSWER"},
      {{"run", "HCAsofNowClick", "--as", "DEMO", "FA", "--out", "x.pdf", "--db",
        "/nonexistent/x.db"},
       "the database file \"/nonexistent/x.db\" does not exist"},
  };
  for (const TBadRun& c : cases) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    EXPECT_EQ(RunCommand(c.Args, outStream, errStream), 2) << c.Args.join(' ').toStdString();
    errStream.flush();
    EXPECT_TRUE(err.contains(c.Error)) << err.toStdString();
    EXPECT_TRUE(out.isEmpty());
  }
}

}  // namespace

namespace {

// Runs of real entries on a small demo jail (created once for the suite).
class RunEntryTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    Folder = new QTemporaryDir;
    Database = Folder->filePath("demo.db");
    ASSERT_EQ(RunProgram({"demo-db", Database, "--scale", "0"}).ExitCode, 0);
  }
  static void TearDownTestSuite() {
    delete Folder;
    Folder = nullptr;
  }

  static QString Out(const QString& name) { return Folder->filePath(name); }
  static TRun Run(const QStringList& args, const QList<QPair<QString, QString>>& environment = {},
                  const QByteArray& input = {}) {
    return RunProgram(QStringList{"run"} + args + QStringList{"--db", Database}, environment,
                      input);
  }

  static inline QTemporaryDir* Folder = nullptr;
  static inline QString Database;
};

TEST_F(RunEntryTest, APrintedReportIsWrittenToTheFileItsExtensionNames) {
  const TRun run =
      Run({"HCAsofNowClick", "--as", "DEMO", "FA", "--facility", "MAIN", "--out", Out("hc.pdf")});
  ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
  EXPECT_EQ(run.Out, Out("hc.pdf") + "\n");
  EXPECT_TRUE(PdfTools::Text(Out("hc.pdf")).contains("Head Count Report As of Now"));
}

TEST_F(RunEntryTest, TheLoginPasswordComesFromTheEnvironmentOrStandardInput) {
  const QStringList args = {"HCAsofNowClick", "--user", "DEMO",          "--facility",
                            "MAIN",           "--out",  Out("login.txt")};
  EXPECT_EQ(Run(args, {{"TALLYHOUSE_PASSWORD", "TALLY2024"}}).ExitCode, 0);
  EXPECT_EQ(Run(args, {}, "tally2024\n").ExitCode, 0);
  const TRun wrong = Run(args, {{"TALLYHOUSE_PASSWORD", "wrong"}});
  EXPECT_EQ(wrong.ExitCode, 2);
  EXPECT_TRUE(wrong.Err.contains("did not complete")) << wrong.Err.toStdString();
}

struct TOutcome {
  QStringList Args;
  int ExitCode;
  QString Error;  // a fragment of standard error
};

TEST_F(RunEntryTest, NoDataBadAnswersAndUnansweredQuestionsSaySoInTheExitStatus) {
  const TOutcome cases[] = {
      {{"Active4Click", "--from", "01/01/1990 12:00 AM", "--to", "01/31/1990 11:59 PM"},
       1,
       "No records match the selected date and time."},
      {{"Active4Click", "--from", "02/30/2015 12:00 AM", "--to", "03/01/2015 11:59 PM"}, 2, ""},
      {{"ShortReport1Click"}, 2, "Include checked out inmates?"},
      {{"Active4Click", "--cancel", "yes"}, 1, ""},
  };
  for (const TOutcome& c : cases) {
    const TRun run = Run(c.Args + QStringList{"--as", "DEMO", "FA", "--facility", "MAIN", "--out",
                                              Out("outcome.pdf")});
    EXPECT_EQ(run.ExitCode, c.ExitCode) << c.Args.join(' ').toStdString() << "\n"
                                        << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(c.Error)) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty());
  }
  EXPECT_FALSE(QFile::exists(Out("outcome.pdf")));
}

TEST_F(RunEntryTest, AnUnknownFacilityIsBadInput) {
  const TRun run =
      Run({"HCAsofNowClick", "--as", "DEMO", "FA", "--facility", "EAST", "--out", Out("x.pdf")});
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Err.contains("EAST")) << run.Err.toStdString();
}

}  // namespace
