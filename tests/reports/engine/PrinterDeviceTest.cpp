#include "reports/engine/PrinterDevice.h"

#include "fixtures/ReportDocumentFixture.h"

#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace DocFixture;

namespace {

QString Run(const QString& program, const QStringList& args) {
  QProcess process;
  process.start(program, args);
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

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
  const QString info = Run("pdfinfo", {"-f", "1", "-l", "2", FPdf});
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression("Page\\s+1 size:\\s+792 x 612"))) << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression("Page\\s+2 size:\\s+612 x 792"))) << info.toStdString();
  const QString text = Run("pdftotext", {FPdf, "-"});
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
