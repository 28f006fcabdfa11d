#include "reports/engine/PrinterDevice.h"

#include "fixtures/PdfTools.h"
#include "fixtures/ReportDocumentFixture.h"

#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace DocFixture;

namespace {

TReportDocument ThreePages() {
  return Document(
      {Page({PrintedText("FIRST PAGE", QRectF(20, 20, 80, 10))}),
       Page({PrintedText("SECOND PAGE", QRectF(20, 20, 80, 10))}, QPageLayout::Landscape),
       Page({PrintedText("THIRD PAGE", QRectF(20, 20, 80, 10))})});
}

class PrinterDeviceTest : public ::testing::Test {
 protected:
  QTemporaryDir FDir;
  QString FPdf = FDir.filePath("printed.pdf");
};

TEST_F(PrinterDeviceTest, PrintsTheRangeInEachPagesOrientation) {
  {
    QPdfWriter writer(FPdf);
    TPrinterDevice device;
    device.SetTarget(&writer);
    device.SetPageRange(2, 0);
    device.Print(ThreePages());
  }
  EXPECT_EQ(PdfTools::PageCount(FPdf), 2);
  EXPECT_EQ(PdfTools::PageSize(FPdf, 1), "792x612");
  EXPECT_EQ(PdfTools::PageSize(FPdf, 2), "612x792");
  const QString text = PdfTools::Text(FPdf);
  EXPECT_FALSE(text.contains("FIRST PAGE"));
  EXPECT_TRUE(text.contains("SECOND PAGE"));
  EXPECT_TRUE(text.contains("THIRD PAGE"));
}

TEST_F(PrinterDeviceTest, ARangeOutsideTheDocumentStartsNoJob) {
  {
    QPdfWriter writer(FPdf);
    TPrinterDevice device;
    device.SetTarget(&writer);
    device.SetPageRange(5, 6);
    device.Print(ThreePages());
    device.SetPageRange(0, 0);
    device.Print(Document({}));
  }
  EXPECT_EQ(QFileInfo(FPdf).size(), 0);
}

}  // namespace
