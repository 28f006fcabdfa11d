#include "reports/engine/XlsxDevice.h"

#include "fixtures/ReportDocumentFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace DocFixture;

namespace {

// One member of the workbook's zip archive.
QByteArray ZipMember(const QString& zip, const QString& member) {
  QProcess unzip;
  unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, member});
  if (!unzip.waitForFinished() || unzip.exitCode() != 0) return {};
  return unzip.readAllStandardOutput();
}

// The rows of the first worksheet as lists of their cell values, resolving
// shared strings.
std::vector<QStringList> SheetRows(const QString& zip) {
  const QString strings = QString::fromUtf8(ZipMember(zip, "xl/sharedStrings.xml"));
  QStringList shared;
  const QRegularExpression si(QStringLiteral("<si><t[^>]*>(.*?)</t></si>"));
  for (auto it = si.globalMatch(strings); it.hasNext();) shared << it.next().captured(1);

  std::vector<QStringList> rows;
  const QString sheet = QString::fromUtf8(ZipMember(zip, "xl/worksheets/sheet1.xml"));
  const QRegularExpression row(QStringLiteral("<row [^>]*>(.*?)</row>"));
  const QRegularExpression cell(QStringLiteral("<c [^>]*t=\"s\"[^>]*><v>(\\d+)</v></c>"));
  for (auto r = row.globalMatch(sheet); r.hasNext();) {
    QStringList cells;
    const QString body = r.next().captured(1);
    for (auto c = cell.globalMatch(body); c.hasNext();)
      cells << shared.value(c.next().captured(1).toInt());
    rows.push_back(cells);
  }
  return rows;
}

class XlsxDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
      GTEST_SKIP() << "unzip is not installed";
  }
  QTemporaryDir FDir;
};

TEST_F(XlsxDeviceTest, OneRowPerLineAndOneCellPerField) {
  const TReportDocument doc =
      Document({Page({SavedText("Name", 1, 1, 2, 2), SavedText("Book No", 1, 1, 1, 1),
                      SavedText("SMITH, JOHN", 2, 1, 2, 2), SavedText("000123", 2, 1, 1, 1)}),
                Page({PrintedText("page footer", QRectF(10, 250, 40, 5))}),
                Page({SavedText("DOE, JANE", 2, 2, 1, 1)})});
  TXlsxFileDevice device;
  device.SetFileName(FDir.filePath("out.xlsx"));
  device.Print(doc);

  const std::vector<QStringList> rows = SheetRows(device.FileName());
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (QStringList{"Book No", "Name"}));
  // Kept as text, so the leading zeros survive.
  EXPECT_EQ(rows[1], (QStringList{"000123", "SMITH, JOHN"}));
  EXPECT_EQ(rows[2], (QStringList{"DOE, JANE"}));
}

TEST_F(XlsxDeviceTest, FailureLeavesNoFile) {
  TXlsxFileDevice device;
  device.SetFileName(FDir.filePath("missing/out.xlsx"));
  EXPECT_THROW(device.Print(Document({Page({SavedText("x", 1, 1, 1, 1)})})), EReportDeviceError);

  TXlsxFileDevice cancelled;
  cancelled.SetFileName(FDir.filePath("cancelled.xlsx"));
  cancelled.Cancel();  // a fresh run clears an earlier cancel
  cancelled.Print(Document({Page({SavedText("x", 1, 1, 1, 1)})}));
  EXPECT_TRUE(QFile::exists(cancelled.FileName()));
  EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"cancelled.xlsx"});
}

}  // namespace
