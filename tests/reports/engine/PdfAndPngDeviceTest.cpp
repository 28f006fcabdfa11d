#include "EngineTestSupport.h"

#include "reports/engine/LayoutBuilder.h"
#include "reports/engine/MemoryDataSource.h"
#include "reports/engine/PdfDevice.h"
#include "reports/engine/PngDevice.h"
#include "reports/engine/ReportDeviceError.h"
#include "reports/engine/ReportGenerator.h"
#include "reports/engine/StandardBlocks.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A two-facility roster: each facility on its own pages, numbered afresh.
class RosterDocument : public ::testing::Test {
 protected:
  RosterDocument() : Rows({"FACICODE", "FACILITY", "NAME", "BOOKDATE"}), Pipe("ppInmates", &Rows) {
    for (int i = 0; i < 60; ++i)
      Rows.AddRow({i < 45 ? "F1" : "F2", i < 45 ? "Main Jail" : "Annex",
                   QStringLiteral("DOE, JOHN %1").arg(i + 1),
                   QDateTime(QDate(2024, 3, 1 + i % 28), QTime(0, 0), Qt::UTC)});
    TLayoutBuilder b(Report);
    b.Letter().Portrait().Pipeline(&Pipe).Title("Active Inmate Roster");
    auto header = b.PageHeader(0);
    TAgencyHeaderSettings headerSettings;
    headerSettings.AgencyName = "Tally County Sheriff";
    headerSettings.Title = "Active Inmate Roster";
    headerSettings.FacilityPipeline = &Pipe;
    const TAgencyHeader agency = AddAgencyHeader(header, headerSettings);
    AddColumnCaptions(header, agency.BottomMm + 0.5, {{"Name", 0, 80}, {"Booking\nDate", 90, 25}});
    b.Group("FACICODE").NewPage().ResetPageNo();
    auto detail = b.Detail(6).Font(Arial(8));
    detail.DBText("NAME").At(0, 0.5, 80, 4);
    detail.DBText("BOOKDATE").Format("mm/dd/yyyy").At(90, 0.5, 25, 4);
    detail.Rule(5.5, TLineStyle::Dotted, 0.5);
    auto footer = b.PageFooter(0);
    AddStandardPageFooter(footer, "jdoe");
    TGenerationOptions options;
    options.PrintDateTime = QDateTime(QDate(2024, 3, 14), QTime(21, 5), Qt::UTC);
    Doc = TReportGenerator(Report, options).Generate();
  }

  TMemoryDataSource Rows;
  TReportPipeline Pipe;
  TReport Report{"rptRoster"};
  std::shared_ptr<TReportDocument> Doc;
  QTemporaryDir Dir;
};

QString PdfText(const QString& file) {
  QProcess p;
  p.start("pdftotext", {"-layout", file, "-"});
  if (!p.waitForFinished(30000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(RosterDocument, PdfCarriesTheTextsOfEveryPage) {
  ASSERT_TRUE(Doc);
  ASSERT_EQ(Doc->Pages.size(), 3u);
  const QString file = Dir.filePath("roster.pdf");
  ASSERT_TRUE(TPdfDevice().Write(*Doc, file));
  const QString text = PdfText(file);
  ASSERT_FALSE(text.isEmpty()) << "pdftotext gave nothing";
  const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
  ASSERT_GE(pages.size(), 3);
  EXPECT_TRUE(pages[0].contains("Tally County Sheriff"));
  EXPECT_TRUE(pages[0].contains("Active Inmate Roster"));
  EXPECT_TRUE(pages[0].contains("Main Jail"));
  EXPECT_TRUE(pages[0].contains("DOE, JOHN 1 "));
  EXPECT_TRUE(pages[0].contains("03/01/2024"));
  EXPECT_TRUE(pages[0].contains("Page 1 of 2"));
  EXPECT_TRUE(pages[0].contains("Printed On:"));
  EXPECT_TRUE(pages[0].contains("03/14/2024 09:05 PM"));
  EXPECT_TRUE(pages[1].contains("Page 2 of 2"));
  EXPECT_TRUE(pages[1].contains("DOE, JOHN 45"));
  EXPECT_TRUE(pages[2].contains("Annex"));
  EXPECT_TRUE(pages[2].contains("Page 1 of 1"));
  EXPECT_TRUE(pages[2].contains("DOE, JOHN 60"));
  // Letter paper, as laid out.
  QProcess info;
  info.start("pdfinfo", {file});
  ASSERT_TRUE(info.waitForFinished(30000));
  EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains("612 x 792 pts (letter)"));
}

TEST_F(RosterDocument, CancelledPdfLeavesNoFileAndKeepsTheOldOne) {
  ASSERT_TRUE(Doc);
  const QString file = Dir.filePath("roster.pdf");
  TPdfDevice device;
  device.OnPage = [](int pages) { return pages < 2; };
  EXPECT_FALSE(device.Write(*Doc, file));
  EXPECT_FALSE(QFile::exists(file));
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList());

  {
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous report");
  }
  EXPECT_FALSE(device.Write(*Doc, file));
  QFile old(file);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "previous report");
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"roster.pdf"});
}

TEST_F(RosterDocument, CancelledGenerationWritesNoPdf) {
  TGenerationOptions options;
  TReportGenerator* generator = nullptr;
  options.OnProgress = [&](const TGenerationProgress& p) {
    if (p.Pass == 2) generator->Cancel();
  };
  TReportGenerator g(Report, options);
  generator = &g;
  auto doc = g.Generate();
  EXPECT_EQ(doc, nullptr);
  // What a run does with a cancelled generation: write nothing at all.
  const QString file = Dir.filePath("roster.pdf");
  if (doc) TPdfDevice().Write(*doc, file);
  EXPECT_FALSE(QFile::exists(file));
}

TEST_F(RosterDocument, UnwritableFolderIsAnError) {
  ASSERT_TRUE(Doc);
  EXPECT_THROW(TPdfDevice().Write(*Doc, Dir.filePath("no/such/folder/roster.pdf")),
               EReportDeviceError);
}

TEST_F(RosterDocument, PngPagesShowTheDrawing) {
  ASSERT_TRUE(Doc);
  TPngDevice png;
  png.Dpi = 100;
  const QStringList files = png.Write(*Doc, Dir.filePath("roster.png"));
  EXPECT_EQ(files, (QStringList{Dir.filePath("roster_1.png"), Dir.filePath("roster_2.png"),
                                Dir.filePath("roster_3.png")}));
  QImage page(files[0]);
  ASSERT_FALSE(page.isNull());
  EXPECT_EQ(page.size(), QSize(850, 1100));
  // The double rule across the top of the agency block is dark.
  const int y = static_cast<int>((6.35 + 0.2) / 25.4 * 100);
  int dark = 0;
  for (int x = 50; x < 800; ++x)
    for (int dy = -1; dy <= 2; ++dy)
      if (qGray(page.pixel(x, y + dy)) < 128) ++dark;
  EXPECT_GT(dark, 700);
  // Text is drawn: the page is not just lines.
  int inked = 0;
  for (int x = 0; x < page.width(); ++x)
    for (int yy = 150; yy < 300; ++yy)
      if (qGray(page.pixel(x, yy)) < 128) ++inked;
  EXPECT_GT(inked, 500);
}

TEST(PngDeviceNamesTest, OnePageKeepsTheNameMorePagesAreNumbered) {
  EXPECT_EQ(TPngDevice::FileNames("/tmp/a.png", 1), QStringList{"/tmp/a.png"});
  EXPECT_EQ(TPngDevice::FileNames("/tmp/a.png", 12).value(0), "/tmp/a_01.png");
  EXPECT_EQ(TPngDevice::FileNames("/tmp/a.png", 12).value(11), "/tmp/a_12.png");
}

}  // namespace
