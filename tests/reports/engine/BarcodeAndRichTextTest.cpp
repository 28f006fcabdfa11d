#include "EngineTestSupport.h"

#include "reports/engine/LayoutBuilder.h"
#include "reports/engine/MemoryDataSource.h"
#include "reports/engine/PagePainter.h"
#include "reports/engine/ReportGenerator.h"

#include <QChart>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A band per row over one field, for the component under test.
class OneFieldReport {
 public:
  explicit OneFieldReport(const QVariantList& values) : Rows({"VALUE"}), Pipe("pp", &Rows) {
    for (const QVariant& v : values) Rows.AddRow({v});
    B.Pipeline(&Pipe);
  }
  TBandBuilder Detail(double heightMm) { return B.Detail(heightMm); }
  std::shared_ptr<TReportDocument> Generate() { return TReportGenerator(Report).Generate(); }

  TMemoryDataSource Rows;
  TReportPipeline Pipe;
  TReport Report;
  TLayoutBuilder B{Report};
};

TEST(BarcodeTest, Code128WithAndWithoutReadableText) {
  OneFieldReport r({"B24-000123"});
  auto detail = r.Detail(20);
  auto plain = detail.Barcode("VALUE").At(0, 0, 50, 10);
  plain->PrintHumanReadable = false;
  detail.Barcode("VALUE").At(60, 0, 50, 14);
  auto doc = r.Generate();
  ASSERT_TRUE(doc);
  const auto codes = CommandsOf<TBarcodeCommand>(doc->Pages[0]);
  ASSERT_EQ(codes.size(), 2u);
  for (const TBarcodeCommand* c : codes) {
    EXPECT_EQ(c->Data, "B24-000123");
    EXPECT_GT(c->Bars.size(), 20u);
    for (const QRectF& bar : c->Bars)
      EXPECT_TRUE(QRectF(c->Box).adjusted(-1, -1, 1, 1).contains(bar));
  }
  EXPECT_TRUE(codes[0]->HumanText.empty());
  ASSERT_EQ(codes[1]->HumanText.size(), 1u);
  EXPECT_EQ(codes[1]->HumanText[0].Text, "B24-000123");
  // Both encode the same symbol, so they have the same bars.
  EXPECT_EQ(codes[0]->Bars.size(), codes[1]->Bars.size());
}

TEST(BarcodeTest, UnencodableCharactersPrintWhatTheyCanOrNothing) {
  OneFieldReport r(
      {QString::fromUtf8("AB\u6f22\u5b57C"), QString::fromUtf8("\u6f22\u5b57"), QVariant(), ""});
  r.Detail(12).Barcode("VALUE", nullptr, TBarcodeType::Ean13).At(0, 0, 50, 10);
  TReport code128;
  auto doc = r.Generate();
  ASSERT_TRUE(doc);
  // EAN-13 takes digits only: nothing here can be encoded.
  EXPECT_TRUE(CommandsOf<TBarcodeCommand>(doc->Pages[0]).empty());

  OneFieldReport r2({QString::fromUtf8("AB\u6f22\u5b57C"), QString::fromUtf8("\u6f22\u5b57")});
  r2.Detail(12).Barcode("VALUE").At(0, 0, 50, 10);
  auto doc2 = r2.Generate();
  ASSERT_TRUE(doc2);
  const auto codes = CommandsOf<TBarcodeCommand>(doc2->Pages[0]);
  ASSERT_GE(codes.size(), 1u);
  EXPECT_FALSE(codes[0]->Bars.empty());
}

TEST(RichTextTest, StretchesItsBandAndKeepsFormats) {
  OneFieldReport r(
      {QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs16 Inmate \\b refused\\b0  meal."
                  "\\par Second paragraph\\par Third}"),
       QVariant(), QByteArray("Plain entry")});
  auto detail = r.Detail(6);
  detail.RichText("VALUE").At(20, 0, 150, 4).OnGetText([](QString& text) {
    if (text.isEmpty()) text = "No Comments";
  });
  detail.Label("after").At(0, 5, 15, 4);
  auto doc = r.Generate();
  ASSERT_TRUE(doc);
  const auto texts = CommandsOf<TRichTextCommand>(doc->Pages[0]);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0]->PlainText, "Inmate refused meal.\nSecond paragraph\nThird");
  EXPECT_EQ(texts[1]->PlainText, "No Comments");
  EXPECT_EQ(texts[2]->PlainText, "Plain entry");
  bool sawBold = false;
  for (const TTextRun& run : texts[0]->Runs) {
    if (run.Text == "refused") {
      sawBold = run.Font.bold();
      EXPECT_DOUBLE_EQ(run.Font.pointSizeF(), 8.0);
    }
  }
  EXPECT_TRUE(sawBold);
  // Three lines: the band grew, and the label below the text moved down
  // with it.
  const int grown = texts[1]->Box.y() - texts[0]->Box.y();
  const int plain = texts[2]->Box.y() - texts[1]->Box.y();
  EXPECT_EQ(plain, 6000);
  EXPECT_EQ(grown, 6000 + texts[0]->Box.height() - 4000);
  const auto labels = CommandsOf<TTextCommand>(doc->Pages[0]);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0]->Box.y() - texts[0]->Box.y(), 5000 + texts[0]->Box.height() - 4000);
  EXPECT_GT(texts[0]->Runs.back().Origin.y(), texts[0]->Runs.front().Origin.y());
}

// Width in pixels of the dark ink inside a band of the image.
int InkWidth(const QImage& image, int top, int bottom) {
  int left = image.width(), right = -1;
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  return right < left ? 0 : right - left + 1;
}

// A run's font may come out of a text document with none of its attributes
// marked as set; it must still print in its own family and size.
TEST(RichTextTest, RunFontsPrintAsTheyAreWhateverTheirResolveMask) {
  auto page = [](bool unresolved) {
    QFont font = TimesNewRoman(12);
    if (unresolved) font.setResolveMask(0);
    TRichTextCommand rich;
    rich.Box = QRect(0, 0, 150000, 6000);
    rich.Runs.push_back({QStringLiteral("Inmate refused meal"), QPointF(1000, 4500), font});
    TReportPage p;
    p.Commands.push_back(rich);
    QImage image(p.WidthUm / 100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(painter, p, 0.01);
    painter.end();
    return InkWidth(image, 0, 100);
  };
  EXPECT_GT(page(false), 0);
  EXPECT_EQ(page(true), page(false));
}

TEST(CheckBoxTest, TickedForTrueValuesOnly) {
  OneFieldReport r({true, false, QVariant(), 1, 0, "T", "N"});
  r.Detail(5).CheckBox("VALUE").At(0, 0, 3, 3);
  auto doc = r.Generate();
  ASSERT_TRUE(doc);
  std::vector<bool> ticks;
  for (const TCheckBoxCommand* c : CommandsOf<TCheckBoxCommand>(doc->Pages[0]))
    ticks.push_back(c->Checked);
  EXPECT_EQ(ticks, (std::vector<bool>{true, false, false, true, false, true, false}));
}

TEST(ChartTest, ChartPrintsAsAPictureOfItsBox) {
  TReport report;
  TLayoutBuilder b(report);
  b.Summary(60).Chart([](QChart& chart) { chart.setTitle("Population"); }).At(0, 0, 100, 50);
  auto doc = TReportGenerator(report).Generate();
  ASSERT_TRUE(doc);
  const auto images = CommandsOf<TImageCommand>(doc->Pages[0]);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0]->Target, QRectF(images[0]->Box));
  EXPECT_NEAR(images[0]->Image.width(), 100 / 25.4 * 300, 2);
}

}  // namespace
