#include "redaction/KsRedactionLib.h"
#include "redaction/MemBMPDevice.h"

#include "fixtures/PdfTools.h"
#include "fixtures/ReportDocumentFixture.h"
#include "fixtures/WidgetEvents.h"

#include <QApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace DocFixture;

namespace {

const QColor kRed(255, 0, 0);
// The red box of every page, in millimetres and in page-image pixels.
const QRectF kBoxMm(20, 20, 60, 40);
const QRect kBoxPx(76, 76, 226, 151);

TReportDocument RedBoxPages(int pages,
                            QPageLayout::Orientation orientation = QPageLayout::Portrait) {
  std::vector<TReportPage> list;
  for (int i = 1; i <= pages; ++i)
    list.push_back(Page({FilledBox(kBoxMm, kRed),
                         PrintedText(QStringLiteral("PAGE %1").arg(i), QRectF(20, 100, 80, 10))},
                        orientation));
  return Document(std::move(list));
}

class KsRedactorTest : public ::testing::Test {
 protected:
  void Load(const TReportDocument& doc) {
    FDoc = doc;
    FRedactor.SetReport(&FDoc);
    FRedactor.LoadPages();
    if (FRedactor.PageCount() > 0) FArea.resize(FRedactor.Pages().front().size());
  }

  void SetUp() override {
    FArea.resize(100, 100);
    FArea.show();
    FRedactor.SetParent(&FArea);
    FRedactor.OnPageChange = [this] { ++FPageChanges; };
  }

  void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* image = FRedactor.imgPreview();
    WidgetEvents::Mouse(image, QEvent::MouseButtonPress, from, button);
    WidgetEvents::Mouse(image, QEvent::MouseMove, (from + to) / 2, button);
    WidgetEvents::Mouse(image, QEvent::MouseMove, to, button);
    WidgetEvents::Mouse(image, QEvent::MouseButtonRelease, to, button);
  }

  // Prints with the given call onto Letter paper without margins, so its pages render back pixel
  // for pixel at 96 dpi.
  template <typename F>
  QString PrintToPdf(F print, const QString& name = "redacted.pdf") {
    const QString path = FDir.filePath(name);
    QPdfWriter writer(path);
    writer.setResolution(96);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    FRedactor.SetPrintDevice(&writer);
    print();
    FRedactor.SetPrintDevice(nullptr);
    return path;
  }

  QTemporaryDir FDir;
  QWidget FArea;
  TReportDocument FDoc;
  TKsRedactor FRedactor;
  int FPageChanges = 0;
};

TEST_F(KsRedactorTest, RectangleOnPageTwoIsBurntIntoPageTwoOnly) {
  Load(RedBoxPages(3));
  FRedactor.NextPage();
  ASSERT_EQ(FRedactor.CurrentViewPage(), 1);
  Drag(QPoint(100, 100), QPoint(250, 200));

  const QRect drawn(100, 100, 150, 100);
  ASSERT_EQ(FRedactor.Redactions(1), std::vector<QRect>{drawn});
  EXPECT_TRUE(FRedactor.Redactions(0).empty());
  auto shapes = FArea.findChildren<TKsRedactionShape*>();
  ASSERT_EQ(shapes.size(), 1);
  EXPECT_TRUE(shapes.front()->isVisible());
  FRedactor.PriorPage();
  EXPECT_FALSE(shapes.front()->isVisible());

  const QRect inside = drawn.adjusted(2, 2, -2, -2);
  EXPECT_EQ(PdfTools::CountColor(FRedactor.RedactedPage(1), inside, kRed), 0);
  EXPECT_GT(PdfTools::CountColor(FRedactor.RedactedPage(1), inside, Qt::black, 60), 100);
  EXPECT_EQ(PdfTools::CountColor(FRedactor.RedactedPage(0), inside, kRed),
            inside.width() * inside.height());

  const QString pdf = PrintToPdf([this] { FRedactor.Print(); });
  ASSERT_EQ(PdfTools::PageCount(pdf), 3);
  const QRect probe = drawn.adjusted(6, 6, -6, -6);
  for (int page = 1; page <= 3; ++page) {
    const QImage printed = PdfTools::Render(pdf, page);
    ASSERT_FALSE(printed.isNull());
    const int red = PdfTools::CountColor(printed, probe, kRed, 60);
    if (page == 2) {
      EXPECT_EQ(red, 0) << "page " << page;
    } else {
      EXPECT_GT(red, probe.width() * probe.height() * 9 / 10) << "page " << page;
    }
  }
  // Beside the rectangle page 2 still shows its content.
  EXPECT_GT(PdfTools::CountColor(PdfTools::Render(pdf, 2), QRect(260, 90, 30, 30), kRed, 60), 800);
}

TEST_F(KsRedactorTest, OnlyADiagonalLeftDragCreatesARectangleClampedToTheArea) {
  Load(RedBoxPages(1));
  Drag(QPoint(50, 50), QPoint(200, 50));
  Drag(QPoint(50, 50), QPoint(50, 200));
  Drag(QPoint(50, 50), QPoint(200, 200), Qt::RightButton);
  EXPECT_TRUE(FRedactor.Redactions(0).empty());

  Drag(QPoint(700, 1000), QPoint(5000, 9000));
  ASSERT_EQ(FRedactor.Redactions(0).size(), 1u);
  EXPECT_EQ(FRedactor.Redactions(0).front(),
            QRect(QPoint(700, 1000), QPoint(FArea.width() - 1, FArea.height() - 1)));
}

TEST_F(KsRedactorTest, LeftClickRemovesARectangleAndRightClickLeavesIt) {
  Load(RedBoxPages(2));
  Drag(QPoint(100, 100), QPoint(200, 150));
  auto* shape = FArea.findChild<TKsRedactionShape*>();
  ASSERT_NE(shape, nullptr);
  EXPECT_EQ(shape->toolTip(), "Click to remove rectangle");

  WidgetEvents::Click(shape, QPoint(5, 5), Qt::RightButton);
  EXPECT_EQ(FRedactor.Redactions(0).size(), 1u);
  QPointer<TKsRedactionShape> watched = shape;
  WidgetEvents::Click(shape, QPoint(5, 5));
  EXPECT_TRUE(FRedactor.Redactions(0).empty());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(watched.isNull());
  EXPECT_EQ(PdfTools::CountColor(FRedactor.RedactedPage(0), QRect(110, 110, 80, 30), kRed),
            80 * 30);
}

TEST_F(KsRedactorTest, PrintingPageThreeOnlyRunsProgressFromZeroToFull) {
  Load(RedBoxPages(4));
  std::vector<std::pair<std::uint32_t, std::uint32_t>> calls;
  FRedactor.OnPrintProgress = [&calls](std::uint32_t done, std::uint32_t total) {
    calls.emplace_back(done, total);
    return true;
  };
  const QString pdf = PrintToPdf([this] { FRedactor.PrintRange(2, 2); });
  EXPECT_EQ(PdfTools::PageCount(pdf), 1);
  EXPECT_EQ(FRedactor.PrintPageCount(), 1);
  EXPECT_EQ(FRedactor.CurrentPrintPage(), 2);
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls.front().first, 0u);
  EXPECT_EQ(calls.back().first, 100u);
  for (std::size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i].second, 100u);
    if (i > 0) {
      EXPECT_GE(calls[i].first, calls[i - 1].first);
    }
  }
}

TEST_F(KsRedactorTest, AProgressHandlerAnsweringFalseStopsTheJob) {
  Load(RedBoxPages(3));
  std::uint32_t last = 0;
  FRedactor.OnPrintProgress = [&last](std::uint32_t done, std::uint32_t total) {
    EXPECT_EQ(total, 300u);
    last = done;
    return done < 100;  // stop once the first page is through
  };
  PrintToPdf([this] { FRedactor.Print(); });
  EXPECT_EQ(last, 100u);
  EXPECT_EQ(FRedactor.CurrentPrintPage(), 0);
}

TEST_F(KsRedactorTest, ZeroPageReportIsHarmless) {
  Load(Document({}));
  EXPECT_EQ(FRedactor.PageCount(), 0);
  EXPECT_TRUE(FRedactor.imgPreview()->size().isEmpty());
  FRedactor.FirstPage();
  FRedactor.PriorPage();
  FRedactor.NextPage();
  FRedactor.LastPage();
  FRedactor.SetCurrentViewPage(5);
  EXPECT_EQ(FPageChanges, 0);
  Drag(QPoint(0, 0), QPoint(40, 40));
  EXPECT_FALSE(FRedactor.HasRedactions());

  bool progressed = false;
  FRedactor.OnPrintProgress = [&progressed](std::uint32_t, std::uint32_t) {
    progressed = true;
    return true;
  };
  const QString pdf = PrintToPdf([this] {
    FRedactor.Print();
    FRedactor.PrintCurrentPage();
    FRedactor.PrintRange(0, 4);
  });
  EXPECT_FALSE(progressed);
  EXPECT_EQ(QFileInfo(pdf).size(), 0) << "no print job may be started";
  EXPECT_TRUE(FRedactor.RedactedImageDocument().Pages.empty());
  EXPECT_TRUE(FRedactor.RedactedPage(0).isNull());
}

TEST_F(KsRedactorTest, TypedPagesOutsideTheReportGoToTheNearestPage) {
  Load(RedBoxPages(3));
  FRedactor.SetCurrentViewPage(7);
  EXPECT_EQ(FRedactor.CurrentViewPage(), 2);
  FRedactor.SetCurrentViewPage(-3);
  EXPECT_EQ(FRedactor.CurrentViewPage(), 0);
  // Printing past the end prints the pages that exist.
  const QString pdf = PrintToPdf([this] { FRedactor.PrintRange(1, 9); });
  EXPECT_EQ(PdfTools::PageCount(pdf), 2);
}

TEST_F(KsRedactorTest, LandscapeReportPrintsLandscape) {
  Load(RedBoxPages(2, QPageLayout::Landscape));
  EXPECT_EQ(FRedactor.Pages().front().size(), QSize(1056, 816));
  const QString pdf = PrintToPdf([this] { FRedactor.Print(); });
  ASSERT_EQ(PdfTools::PageCount(pdf), 2);
  EXPECT_EQ(PdfTools::PageSize(pdf, 1), "792x612");
  EXPECT_EQ(PdfTools::PageSize(pdf, 2), "792x612");
}

TEST_F(KsRedactorTest, ReloadingDiscardsTheRectangles) {
  Load(RedBoxPages(2));
  Drag(QPoint(100, 100), QPoint(200, 150));
  EXPECT_TRUE(FRedactor.HasRedactions());
  FRedactor.UnloadPages();
  EXPECT_EQ(FRedactor.PageCount(), 0);
  EXPECT_TRUE(FArea.findChildren<TKsRedactionShape*>().isEmpty());
  FRedactor.LoadPages();
  EXPECT_EQ(FRedactor.PageCount(), 2);
  EXPECT_FALSE(FRedactor.HasRedactions());
}

TEST_F(KsRedactorTest, RedactedDocumentsCoverTheRectangle) {
  Load(RedBoxPages(2));
  FRedactor.LastPage();
  Drag(QPoint(100, 100), QPoint(250, 200));
  const QRect inside(104, 104, 142, 92);

  // Pictures only: what is saved holds no text at all.
  const TReportDocument pictures = FRedactor.RedactedImageDocument();
  ASSERT_EQ(pictures.Pages.size(), 2u);
  ASSERT_EQ(pictures.Pages[1].Commands.size(), 1u);
  ASSERT_TRUE(std::holds_alternative<TImageCommand>(pictures.Pages[1].Commands.front()));
  EXPECT_EQ(PdfTools::CountColor(TppMemBMPDevice::RenderPage(pictures.Pages[1]), inside, kRed), 0);

  // Shapes over a copy: the report itself is untouched.
  const TReportDocument covered = FRedactor.AddRedactionToReport();
  EXPECT_EQ(covered.Pages[0].Commands.size(), FDoc.Pages[0].Commands.size());
  EXPECT_EQ(covered.Pages[1].Commands.size(), FDoc.Pages[1].Commands.size() + 2);
  EXPECT_EQ(PdfTools::CountColor(TppMemBMPDevice::RenderPage(covered.Pages[1]), inside, kRed), 0);
  EXPECT_EQ(PdfTools::CountColor(TppMemBMPDevice::RenderPage(FDoc.Pages[1]), inside, kRed),
            inside.width() * inside.height());
}

}  // namespace
