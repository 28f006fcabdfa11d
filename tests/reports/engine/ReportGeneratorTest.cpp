#include "EngineTestSupport.h"

#include "reports/engine/LayoutBuilder.h"
#include "reports/engine/MemoryDataSource.h"
#include "reports/engine/ReportGenerator.h"
#include "reports/engine/StandardBlocks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Letter portrait, 6.35 mm margins: 266.7 mm inside the margins. With a
// 10 mm page header and an 8 mm page footer the body holds 248.7 mm, that
// is 24 detail rows of 10 mm.
constexpr int KRowsPerPage = 24;

class ReportGeneratorTest : public ::testing::Test {
 protected:
  ReportGeneratorTest() : Rows({"FACICODE", "NAME", "AMOUNT", "NOTE"}), Pipe("ppRows", &Rows) {
    B.Letter().Portrait().Margins(6.35).Pipeline(&Pipe);
    B.PageHeader(10).Label("Roster Header").At(0, 1, 60, 5);
    B.Detail(10).DBText("NAME").At(0, 1, 80, 5);
    B.PageFooter(8).SystemVariable(TSystemVarType::PageSetDesc).At(150, 1, 50, 5).Right();
  }

  void AddRows(const QString& facility, int count, double amount = 1.0) {
    for (int i = 0; i < count; ++i)
      Rows.AddRow({facility,
                   QStringLiteral("%1-%2").arg(facility).arg(i + 1, 3, 10, QLatin1Char('0')),
                   amount});
  }

  std::shared_ptr<TReportDocument> Generate() {
    TGenerationOptions options;
    options.PrintDateTime = QDateTime(QDate(2024, 3, 14), QTime(21, 5), Qt::UTC);
    TReportGenerator generator(Report, options);
    return generator.Generate();
  }

  TMemoryDataSource Rows;
  TReportPipeline Pipe;
  TReport Report{"rptTest"};
  TLayoutBuilder B{Report};
};

TEST_F(ReportGeneratorTest, PageSetDescriptionKnowsThePageCountOnEveryPage) {
  AddRows("A", KRowsPerPage * 5);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->Pages.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(FindText(doc->Pages[i], QStringLiteral("Page %1 of 5").arg(i + 1)))
        << "page " << i + 1;
    EXPECT_EQ(doc->Pages[i].PageNo, i + 1);
    EXPECT_EQ(doc->Pages[i].PageCount, 5);
  }
  // Every row printed once, in order, 24 to a page.
  EXPECT_EQ(PageOf(*doc, "A-024"), 0);
  EXPECT_EQ(PageOf(*doc, "A-025"), 1);
  EXPECT_EQ(CountText(*doc, "A-120"), 1);
}

TEST_F(ReportGeneratorTest, GroupStartsNewPageAndRestartsPageNumbers) {
  auto facility = B.Group("FACICODE").NewPage().ResetPageNo();
  facility.Header(10).DBText("FACICODE").At(0, 1, 30, 5);
  AddRows("A", 30);  // header + 23 rows on page 1, 7 rows on page 2
  AddRows("B", 10);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->Pages.size(), 3u);
  EXPECT_TRUE(FindText(doc->Pages[0], "Page 1 of 2"));
  EXPECT_TRUE(FindText(doc->Pages[1], "Page 2 of 2"));
  EXPECT_TRUE(FindText(doc->Pages[2], "Page 1 of 1"));
  EXPECT_EQ(PageOf(*doc, "B-001"), 2);
  EXPECT_EQ(PageOf(*doc, "A-030"), 1);
  EXPECT_EQ(doc->Pages[2].AbsolutePageNo, 3);
  EXPECT_EQ(doc->Pages[2].PageNo, 1);
}

TEST_F(ReportGeneratorTest, NewPageGroupDoesNotLeaveTheFirstPageEmpty) {
  B.Group("FACICODE").NewPage().Header(10).DBText("FACICODE").At(0, 1, 30, 5);
  AddRows("A", 2);
  AddRows("B", 2);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->Pages.size(), 2u);
  EXPECT_EQ(PageOf(*doc, "A-001"), 0);
  EXPECT_EQ(PageOf(*doc, "B-001"), 1);
  EXPECT_TRUE(FindText(doc->Pages[1], "Page 2 of 2"));
}

struct TKeepTogetherCase {
  bool KeepTogether;
  int ExpectedHeaderPage;
};

class KeepTogetherTest : public ReportGeneratorTest,
                         public ::testing::WithParamInterface<TKeepTogetherCase> {};

TEST_P(KeepTogetherTest, GroupThatDoesNotFitMovesWhole) {
  auto group = B.Group("FACICODE").KeepTogether(GetParam().KeepTogether);
  group.Header(10).Label("Group").At(0, 1, 30, 5).Get()->OnGetText = [this](QString& text) {
    text = "Group " + Pipe.GetFieldAsString("FACICODE");
  };
  group.Footer(10).Label("End of group").At(0, 1, 30, 5);
  // 10 + 20 x 10 + 10 = 220 mm of 248.7: 28.7 mm left, less than the next
  // group's 70 mm.
  AddRows("A", 20);
  AddRows("B", 5);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  EXPECT_EQ(PageOf(*doc, "Group B"), GetParam().ExpectedHeaderPage);
  EXPECT_EQ(PageOf(*doc, "B-005"), 1);
}

INSTANTIATE_TEST_SUITE_P(Both, KeepTogetherTest,
                         ::testing::Values(TKeepTogetherCase{true, 1},
                                           TKeepTogetherCase{false, 0}));

TEST_F(ReportGeneratorTest, KeepTogetherGroupLargerThanAPageStartsWhereItIs) {
  auto group = B.Group("FACICODE").KeepTogether();
  group.Header(10).DBText("FACICODE").At(0, 1, 30, 5);
  AddRows("A", 3);
  AddRows("B", 40);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  EXPECT_EQ(PageOf(*doc, "B"), 0);
  EXPECT_EQ(PageOf(*doc, "B-001"), 0);
}

TEST_F(ReportGeneratorTest, SumVariableResetsPerGroupAndTotalsTheReport) {
  auto group = B.Group("FACICODE");
  auto footer = group.Footer(10);
  auto groupSum = footer.Sum("varGroupSum", "AMOUNT").Format("#,##0.00").At(0, 1, 40, 5);
  groupSum->ResetType = TVariableReset::Group;
  groupSum->ResetGroup = group.Group();
  B.Summary(10).Sum("varTotal", "AMOUNT").Format("$###,###,##0.00").At(0, 1, 40, 5);
  AddRows("A", 3, 10.5);
  AddRows("B", 2, 1000.25);
  Rows.AddRow({"C", "C-001", QVariant()});  // null adds nothing
  auto doc = Generate();
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->Pages.size(), 1u);
  const QStringList texts = PageTexts(doc->Pages[0]);
  EXPECT_TRUE(texts.contains("31.50"));
  EXPECT_TRUE(texts.contains("2,000.50"));
  EXPECT_TRUE(texts.contains("$2,032.00"));
  // Footers follow their groups.
  EXPECT_LT(FindText(doc->Pages[0], "A-003")->Box.y(), FindText(doc->Pages[0], "31.50")->Box.y());
  EXPECT_LT(FindText(doc->Pages[0], "31.50")->Box.y(), FindText(doc->Pages[0], "B-001")->Box.y());
}

TEST_F(ReportGeneratorTest, CounterVariableIncrementsInOnCalcAndFooterShowsRunningTotal) {
  auto total = B.Report().Band(TBandType::PageFooter);
  TBandBuilder footer(total, &Pipe);
  auto counter = footer.Variable("varTotal").At(0, 1, 30, 5);
  counter->OnCalc = [](QVariant& value) { value = value.toInt() + 1; };
  AddRows("A", KRowsPerPage + 3);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->Pages.size(), 2u);
  EXPECT_TRUE(FindText(doc->Pages[0], QString::number(KRowsPerPage)));
  EXPECT_TRUE(FindText(doc->Pages[1], QString::number(KRowsPerPage + 3)));
}

TEST_F(ReportGeneratorTest, DetailTallerThanTheRemainingSpaceMovesToTheNextPage) {
  auto memo = TBandBuilder(Report.DetailBand(), &Pipe).Memo("NOTE").At(90, 1, 100, 5);
  AddRows("A", 20);
  QStringList lines;
  for (int i = 1; i <= 15; ++i) lines << QStringLiteral("Note line %1").arg(i);
  Rows.AddRow({"A", "A-tall", 1.0, lines.join('\n')});
  auto doc = Generate();
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->Pages.size(), 2u);
  EXPECT_EQ(PageOf(*doc, "A-tall"), 1);
  const TTextCommand* note = FindText(doc->Pages[1], lines.join('\n'));
  ASSERT_TRUE(note);
  EXPECT_EQ(note->Lines.size(), 15u);
  // The band starts right under the page header.
  EXPECT_EQ(FindText(doc->Pages[1], "A-tall")->Box.y(), Um::FromMm(6.35 + 10 + 1));
  (void)memo;
}

TEST_F(ReportGeneratorTest, DetailTallerThanAPageContinuesOverleafLineByLine) {
  TBandBuilder(Report.DetailBand(), &Pipe).Memo("NOTE").At(90, 1, 100, 5);
  QStringList lines;
  for (int i = 1; i <= 150; ++i) lines << QStringLiteral("Line %1").arg(i);
  AddRows("A", 2);
  Rows.AddRow({"A", "A-long", 1.0, lines.join('\n')});
  AddRows("Z", 1);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  ASSERT_GE(doc->Pages.size(), 3u);
  // Each line printed exactly once, and never below the body.
  QStringList printed;
  const int bodyBottom = Um::FromMm(279.4 - 6.35 - 8);
  for (const TReportPage& page : doc->Pages) {
    for (const TTextCommand* t : CommandsOf<TTextCommand>(page)) {
      if (!t->Text.startsWith("Line ")) continue;
      for (const TTextLine& line : t->Lines) {
        printed << line.Text;
        EXPECT_LT(line.Origin.y(), bodyBottom);
      }
    }
  }
  EXPECT_EQ(printed, lines);
  EXPECT_EQ(PageOf(*doc, "A-long"), 0);
  EXPECT_GT(PageOf(*doc, "Z-001"), 0);
}

TEST_F(ReportGeneratorTest, NullAndMissingFieldsPrintBlank) {
  auto detail = TBandBuilder(Report.DetailBand(), &Pipe);
  detail.DBText("NO_SUCH_FIELD").At(100, 1, 30, 5);
  detail.DBText("NOTE").At(140, 1, 30, 5).OnGetText([](QString& text) {
    if (text.isEmpty()) text = "Cell not assigned.";
  });
  Rows.AddRow({"A", QVariant(), QVariant(), QVariant()});
  Rows.AddRow({"A", "Smith"});  // shorter row: the rest read null
  auto doc = Generate();
  ASSERT_TRUE(doc);
  const QStringList texts = PageTexts(doc->Pages[0]);
  EXPECT_EQ(texts.count("Cell not assigned."), 2);
  EXPECT_TRUE(texts.contains("Smith"));
  for (const QString& t : texts) EXPECT_FALSE(t.contains("NO_SUCH_FIELD"));
}

TEST_F(ReportGeneratorTest, ReportWithoutRowsGivesOnePageWithItsBands) {
  B.TitleBand(12).Label("Report Title").At(0, 1, 60, 5);
  B.Summary(8).Label("End of report").At(0, 1, 60, 5);
  B.Group("FACICODE").Header(10).Label("Group header").At(0, 1, 60, 5);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->Pages.size(), 1u);
  const QStringList texts = PageTexts(doc->Pages[0]);
  EXPECT_TRUE(texts.contains("Roster Header"));
  EXPECT_TRUE(texts.contains("Report Title"));
  EXPECT_TRUE(texts.contains("End of report"));
  EXPECT_TRUE(texts.contains("Page 1 of 1"));
  EXPECT_FALSE(texts.contains("Group header"));
  // Header, then title, then summary, footer at the bottom.
  const auto y = [&](const char* t) { return FindText(doc->Pages[0], t)->Box.y(); };
  EXPECT_LT(y("Roster Header"), y("Report Title"));
  EXPECT_LT(y("Report Title"), y("End of report"));
  EXPECT_EQ(y("Page 1 of 1"), Um::FromMm(279.4 - 6.35 - 8 + 1));
}

TEST_F(ReportGeneratorTest, PageHeaderCanSkipTheFirstPageAndFooterTheLast) {
  Report.PageHeaderBand()->PrintOnFirstPage = false;
  Report.PageFooterBand()->PrintOnLastPage = false;
  AddRows("A", 30);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->Pages.size(), 2u);
  EXPECT_FALSE(FindText(doc->Pages[0], "Roster Header"));
  EXPECT_TRUE(FindText(doc->Pages[1], "Roster Header"));
  EXPECT_TRUE(FindText(doc->Pages[0], "Page 1 of 2"));
  EXPECT_FALSE(FindText(doc->Pages[1], "Page 2 of 2"));
}

TEST_F(ReportGeneratorTest, BeforePrintHidesComponentsPerRecord) {
  auto detail = TBandBuilder(Report.DetailBand(), &Pipe);
  TReportLabel* sealed = detail.Label("Sealed Case").At(100, 1, 30, 5);
  Report.DetailBand()->BeforePrint = [&] {
    sealed->Visible = Pipe.GetFieldValue("AMOUNT").toDouble() > 5;
  };
  Rows.AddRow({"A", "Open", 1.0});
  Rows.AddRow({"A", "Closed", 9.0});
  auto doc = Generate();
  ASSERT_TRUE(doc);
  ASSERT_EQ(CountText(*doc, "Sealed Case"), 1);
  EXPECT_EQ(FindText(doc->Pages[0], "Sealed Case")->Box.y(),
            FindText(doc->Pages[0], "Closed")->Box.y());
}

TEST_F(ReportGeneratorTest, SubReportPrintsLinkedDetailRowsUnderEachMaster) {
  TMemoryDataSource charges({"NAME", "CHARGE"});
  charges.AddRow({"A-002", "Theft"});
  charges.AddRow({"A-001", "Burglary"});
  charges.AddRow({"A-001", "Trespass"});
  charges.AddRow({"a-001 ", "Fraud"});  // matches as the databases compare
  TReportPipeline chargePipe("ppCharges", &charges);
  chargePipe.SetMaster(&Pipe, {{"NAME", "NAME"}});
  auto sub = TBandBuilder(Report.DetailBand(), &Pipe).SubReport(&chargePipe).At(10, 7, 150, 0);
  TLayoutBuilder child(sub->Child());
  child.Detail(5).DBText("CHARGE").At(0, 0, 60, 4.5);
  AddRows("A", 3);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  const TReportPage& page = doc->Pages[0];
  const auto y = [&](const char* t) {
    const TTextCommand* c = FindText(page, t);
    return c ? c->Box.y() : -1;
  };
  EXPECT_LT(y("A-001"), y("Burglary"));
  EXPECT_LT(y("Burglary"), y("Trespass"));
  EXPECT_LT(y("Trespass"), y("Fraud"));
  EXPECT_LT(y("Fraud"), y("A-002"));
  EXPECT_LT(y("A-002"), y("Theft"));
  EXPECT_LT(y("Theft"), y("A-003"));
  // The master band stretched by three 5 mm charge lines.
  EXPECT_EQ(y("A-002") - y("A-001"), Um::FromMm(10 + 15));
  EXPECT_EQ(FindText(page, "Burglary")->Box.x(), Um::FromMm(6.35 + 10));
}

TEST_F(ReportGeneratorTest, DetailPipelineReadsTheRowLinkedToTheCurrentMaster) {
  TMemoryDataSource counts({"FACICODE", "INMCOUNT"});
  counts.AddRow({"B", 7});
  counts.AddRow({"A", 12});
  TReportPipeline countPipe("ppCount", &counts);
  countPipe.SetMaster(&Pipe, {{"FACICODE", "FACICODE"}});
  auto group = B.Group("FACICODE");
  group.Header(10).DBText("INMCOUNT", &countPipe).At(0, 1, 30, 5).OnGetText([](QString& t) {
    t = "Total Inmates: " + t;
  });
  AddRows("A", 2);
  AddRows("B", 2);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  const QStringList texts = PageTexts(doc->Pages[0]);
  EXPECT_TRUE(texts.contains("Total Inmates: 12"));
  EXPECT_TRUE(texts.contains("Total Inmates: 7"));
}

TEST_F(ReportGeneratorTest, CurrentRecordPipelinePrintsTheDatasetsCurrentRow) {
  TMemoryDataSource agencies({"NAME"});
  agencies.AddRow({"First Agency"});
  agencies.AddRow({"Current Agency"});
  agencies.SetCurrentRow(1);
  TReportPipeline agencyPipe("ppAgency", &agencies);
  agencyPipe.SetRecordRange(TRecordRange::CurrentRecord);
  TBandBuilder(Report.PageHeaderBand(), &Pipe).DBText("NAME", &agencyPipe).At(100, 1, 60, 5);
  EXPECT_EQ(agencyPipe.Rows(), std::vector<int>{1});
  EXPECT_EQ(agencyPipe.GetFieldAsString("name"), "Current Agency");
  AddRows("A", KRowsPerPage + 1);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->Pages.size(), 2u);
  EXPECT_EQ(CountText(*doc, "Current Agency"), 2);
  EXPECT_EQ(CountText(*doc, "First Agency"), 0);
}

TEST_F(ReportGeneratorTest, ProgressIsReportedAndCancellingReturnsNoDocument) {
  AddRows("A", KRowsPerPage * 6);
  std::vector<int> seen;
  TGenerationOptions options;
  TReportGenerator* self = nullptr;
  options.OnProgress = [&](const TGenerationProgress& p) {
    seen.push_back(p.Pass * 100 + p.PagesDone);
    if (p.Pass == 2 && p.PagesDone == 2) self->Cancel();
  };
  TReportGenerator generator(Report, options);
  self = &generator;
  EXPECT_EQ(generator.Generate(), nullptr);
  EXPECT_TRUE(generator.WasCancelled());
  EXPECT_EQ(seen, (std::vector<int>{101, 102, 103, 104, 105, 106, 201, 202}));
  // The layout can be generated again afterwards.
  options.OnProgress = nullptr;
  TReportGenerator again(Report, options);
  auto doc = again.Generate();
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->Pages.size(), 6u);
  EXPECT_EQ(Pipe.Position(), -1);
}

TEST_F(ReportGeneratorTest, HandlerExceptionsPassThroughAndLeaveTheLayoutReusable) {
  AddRows("A", 3);
  Report.DetailBand()->BeforePrint = [] { throw std::runtime_error("boom"); };
  EXPECT_THROW(Generate(), std::runtime_error);
  EXPECT_EQ(Report.State(), nullptr);
  Report.DetailBand()->BeforePrint = nullptr;
  EXPECT_TRUE(Generate());
}

TEST_F(ReportGeneratorTest, SinglePassStillPrintsEveryPage) {
  Report.TwoPass = false;
  AddRows("A", KRowsPerPage + 1);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->Pages.size(), 2u);
  EXPECT_EQ(doc->Pages[1].PageCount, 2);
}

TEST_F(ReportGeneratorTest, LabelsAlignWithinTheirBoxes) {
  auto detail = TBandBuilder(Report.DetailBand(), &Pipe);
  detail.DBText("NAME").At(100, 1, 40, 5).Right().Name("right");
  detail.DBText("NAME").At(150, 1, 40, 5).Center().Name("centre");
  AddRows("A", 1);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  std::vector<const TTextCommand*> texts;
  for (const TTextCommand* t : CommandsOf<TTextCommand>(doc->Pages[0]))
    if (t->Text == "A-001") texts.push_back(t);
  ASSERT_EQ(texts.size(), 3u);
  const double left = texts[0]->Lines[0].Origin.x();
  const double right = texts[1]->Lines[0].Origin.x();
  const double centre = texts[2]->Lines[0].Origin.x();
  EXPECT_DOUBLE_EQ(left, Um::FromMm(6.35));
  const double width = Um::FromMm(6.35 + 140) - right;  // right edge minus start
  EXPECT_GT(width, Um::FromMm(5));
  EXPECT_LT(width, Um::FromMm(20));
  EXPECT_NEAR(centre - Um::FromMm(6.35 + 150), (Um::FromMm(40) - width) / 2, 1);
}

TEST_F(ReportGeneratorTest, SaveMetadataMarksBandInstancesAndComponents) {
  Report.DetailBand()->Save = true;
  auto detail = TBandBuilder(Report.DetailBand(), &Pipe);
  auto amount = detail.DBText("AMOUNT").At(100, 1, 30, 5).Right().Save(12, 1);
  Report.DetailBand()->Components().front()->Save = true;
  AddRows("A", 2, 3.5);
  auto doc = Generate();
  ASSERT_TRUE(doc);
  std::vector<const TTextCommand*> saved;
  for (const TTextCommand* t : CommandsOf<TTextCommand>(doc->Pages[0]))
    if (t->Save.Save) saved.push_back(t);
  ASSERT_EQ(saved.size(), 4u);
  EXPECT_EQ(saved[0]->Save.RowSaveNo, saved[1]->Save.RowSaveNo);
  EXPECT_NE(saved[1]->Save.RowSaveNo, saved[2]->Save.RowSaveNo);
  EXPECT_EQ(saved[1]->Text, "3.5");
  EXPECT_EQ(saved[1]->Save.SaveLength, 12);
  EXPECT_EQ(saved[1]->Save.ComponentSaveNo, 1);
  EXPECT_EQ(saved[1]->Save.Alignment, TSaveAlign::Right);
  EXPECT_FALSE(FindText(doc->Pages[0], "Roster Header")->Save.Save);
  (void)amount;
}

TEST(StandardBlocksTest, AgencyHeaderAndFooterPrintTheirTexts) {
  TMemoryDataSource rows({"FACILITY", "NAME"});
  rows.AddRow({"Main Jail", "Smith"});
  TReportPipeline pipe("ppRows", &rows);
  TReport report("rptBlocks");
  TLayoutBuilder b(report);
  b.Letter().Landscape().Pipeline(&pipe);
  TAgencyHeaderSettings headerSettings;
  headerSettings.AgencyName = "Tally County Sheriff";
  headerSettings.Title = "Active Inmate Roster";
  headerSettings.FacilityPipeline = &pipe;
  headerSettings.RangeFrom = [] { return QString("03/01/2024"); };
  headerSettings.RangeTo = [] { return QString("03/31/2024"); };
  auto title = b.TitleBand(0);
  const TAgencyHeader header = AddAgencyHeader(title, headerSettings);
  auto captions = b.PageHeader(0);
  AddColumnCaptions(captions, 0, {{"Name", 0, 50}, {"Class\nCode", 60, 15}});
  b.Detail(4).DBText("NAME").At(0, 0, 50, 4);
  auto footer = b.PageFooter(0);
  AddStandardPageFooter(footer, "jdoe");
  TGenerationOptions options;
  options.PrintDateTime = QDateTime(QDate(2024, 3, 14), QTime(21, 5), Qt::UTC);
  auto doc = TReportGenerator(report, options).Generate();
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->Pages.size(), 1u);
  const TReportPage& page = doc->Pages[0];
  EXPECT_EQ(page.WidthUm, 279400);
  const QStringList texts = PageTexts(page);
  for (const char* expected :
       {"Tally County Sheriff", "Active Inmate Roster", "Main Jail", "From:", "03/01/2024",
        "To:", "03/31/2024", "Name", "Class\nCode", "Smith", "Printed On:", "03/14/2024 09:05 PM",
        "User Name:", "jdoe", "Page 1 of 1"})
    EXPECT_TRUE(texts.contains(expected)) << expected;
  EXPECT_EQ(FindText(page, "Class\nCode")->Lines.size(), 2u);
  // Double rule at the top, a rule closing the block.
  const auto lines = CommandsOf<TLineCommand>(page);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0]->Pen.Style, TLineStyle::Double);
  EXPECT_GT(header.BottomMm, 19);
  // The facility sits between the logos, centred on the page.
  const TTextCommand* facility = FindText(page, "Main Jail");
  EXPECT_EQ(facility->Box.x() + facility->Box.width() / 2, 6350 + report.PrintableWidthUm() / 2);
}

}  // namespace

namespace {

TEST(PaperTest, PagesTakeTheLayoutsPaperAndOrientation) {
  struct TCase {
    std::function<void(TLayoutBuilder&)> Set;
    int Width;
    int Height;
  };
  const TCase cases[] = {
      {[](TLayoutBuilder& b) { b.Letter().Portrait(); }, 215900, 279400},
      {[](TLayoutBuilder& b) { b.Letter().Landscape(); }, 279400, 215900},
      {[](TLayoutBuilder& b) { b.Legal().Landscape(); }, 355600, 215900},
      {[](TLayoutBuilder& b) { b.Paper(101.6, 50.8).Portrait(); }, 101600, 50800},
  };
  for (const TCase& c : cases) {
    TReport report;
    TLayoutBuilder b(report);
    c.Set(b);
    b.Detail(5).Label("x").At(0, 0, 10, 4);
    auto doc = TReportGenerator(report).Generate();
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->Pages.size(), 1u);
    EXPECT_EQ(doc->Pages[0].WidthUm, c.Width);
    EXPECT_EQ(doc->Pages[0].HeightUm, c.Height);
  }
}

}  // namespace
