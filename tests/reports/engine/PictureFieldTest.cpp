#include "EngineTestSupport.h"

#include "reports/engine/LayoutBuilder.h"
#include "reports/engine/MemoryDataSource.h"
#include "reports/engine/PictureField.h"
#include "reports/engine/ReportGenerator.h"

#include <QBuffer>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QImage Sample() {
  QImage image(40, 20, QImage::Format_RGB32);
  image.fill(Qt::red);
  for (int x = 0; x < 20; ++x)
    for (int y = 0; y < 20; ++y) image.setPixelColor(x, y, Qt::blue);
  return image;
}

QByteArray Encode(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

// The 8-byte header some writers put before a bitmap: the words 1 and 256,
// then the length of what follows.
QByteArray WithHeader(const QByteArray& bitmap) {
  QByteArray header(8, '\0');
  qToLittleEndian<quint16>(1, header.data());
  qToLittleEndian<quint16>(256, header.data() + 2);
  qToLittleEndian<quint32>(static_cast<quint32>(bitmap.size()), header.data() + 4);
  return header + bitmap;
}

struct TPictureCase {
  const char* Name;
  QByteArray Value;
  TPictureKind Kind;
  bool Decodes;
};

class PictureFieldTest : public ::testing::TestWithParam<TPictureCase> {};

TEST_P(PictureFieldTest, KindByFirstBytesAndDecoding) {
  const TPictureCase& c = GetParam();
  EXPECT_EQ(TPictureField::Kind(c.Value), c.Kind) << c.Name;
  const QImage image = TPictureField::Decode(c.Value);
  EXPECT_EQ(!image.isNull(), c.Decodes) << c.Name;
  if (c.Decodes) {
    EXPECT_EQ(image.size(), QSize(40, 20)) << c.Name;
    EXPECT_EQ(QColor(image.pixel(5, 5)).blue() > 200, true) << c.Name;
  }
}

QByteArray Metafile() {
  QByteArray bytes = QByteArray::fromHex("d7cdc69a0000");
  bytes += QByteArray(60, '\x01');
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Values, PictureFieldTest,
    ::testing::Values(
        TPictureCase{"jpeg", Encode(Sample(), "JPEG"), TPictureKind::Jpeg, true},
        TPictureCase{"bitmap", Encode(Sample(), "BMP"), TPictureKind::Bitmap, true},
        TPictureCase{"bitmap with header", WithHeader(Encode(Sample(), "BMP")),
                     TPictureKind::Bitmap, true},
        TPictureCase{"header with a wrong length", WithHeader(Encode(Sample(), "BMP")) + "xx",
                     TPictureKind::None, false},
        TPictureCase{"placeable metafile", Metafile(), TPictureKind::Metafile, false},
        TPictureCase{"png is not a kind the program stores", Encode(Sample(), "PNG"),
                     TPictureKind::None, false},
        TPictureCase{"garbage", QByteArray("\x13\x37garbage bytes"), TPictureKind::None, false},
        TPictureCase{"truncated jpeg", Encode(Sample(), "JPEG").left(40), TPictureKind::Jpeg,
                     false},
        TPictureCase{"truncated bitmap", QByteArray("BM\x10"), TPictureKind::Bitmap, false},
        TPictureCase{"one byte", QByteArray("B"), TPictureKind::None, false},
        TPictureCase{"empty", QByteArray(), TPictureKind::None, false}));

TEST(PictureFieldTest2, BitmapWithHeaderPrintsTheSameAsWithout) {
  const QByteArray bitmap = Encode(Sample(), "BMP");
  EXPECT_EQ(TPictureField::Decode(bitmap), TPictureField::Decode(WithHeader(bitmap)));
}

TEST(DBImageTest, PicturesPrintAndGarbagePrintsNothing) {
  TMemoryDataSource rows({"NAME", "INMPICTURE"});
  rows.AddRow({"jpeg", Encode(Sample(), "JPEG")});
  rows.AddRow({"garbage", QByteArray("not a picture at all")});
  rows.AddRow({"null", QVariant()});
  rows.AddRow({"bitmap", WithHeader(Encode(Sample(), "BMP"))});
  TReportPipeline pipe("pp", &rows);
  TReport report;
  TLayoutBuilder b(report);
  b.Pipeline(&pipe);
  auto detail = b.Detail(25);
  detail.DBText("NAME").At(0, 0, 30, 5);
  auto image = detail.Image("INMPICTURE").At(40, 0, 21, 15.6);
  image->Frame = true;
  auto doc = TReportGenerator(report).Generate();
  ASSERT_TRUE(doc);
  const auto images = CommandsOf<TImageCommand>(doc->Pages[0]);
  ASSERT_EQ(images.size(), 2u);
  // Stretched in proportion (2:1) and centred in the 21 x 15.6 mm box.
  const TImageCommand& first = *images[0];
  EXPECT_NEAR(first.Target.width(), 21000, 1);
  EXPECT_NEAR(first.Target.height(), 10500, 1);
  EXPECT_NEAR(first.Target.top() - first.Box.top(), (15600 - 10500) / 2.0, 1);
  // Every row still gets its frame.
  EXPECT_EQ(CommandsOf<TShapeCommand>(doc->Pages[0]).size(), 4u);
}

TEST(DBImageTest, UnstretchedPictureKeepsItsSizeAndClipsToTheBox) {
  TReport report;
  TLayoutBuilder b(report);
  QImage picture = Sample();
  picture.setDotsPerMeterX(3937);  // 100 dpi: 40 px = 10.16 mm
  picture.setDotsPerMeterY(3937);
  auto image = b.Detail(10).Image(picture).At(0, 0, 5, 5);
  image->Stretch = false;
  image->Center = false;
  auto doc = TReportGenerator(report).Generate();
  ASSERT_TRUE(doc);
  const auto images = CommandsOf<TImageCommand>(doc->Pages[0]);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_NEAR(images[0]->Target.width(), 10160, 5);
  EXPECT_EQ(images[0]->Box.width(), 5000);
}

}  // namespace
