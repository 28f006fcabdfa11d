#include "reports/engine/DeviceRegistry.h"
#include "reports/engine/TextFileDevice.h"

#include "fixtures/ReportDocumentFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace DocFixture;

namespace {

class TextFileDeviceTest : public ::testing::Test {
 protected:
  QString PathOf(const QString& name) const { return FDir.filePath(name); }

  // Writes the document with the device and returns the file's bytes.
  QByteArray Write(TTextFileDevice& device, const TReportDocument& doc,
                   const QString& name = "out.txt") {
    device.SetFileName(PathOf(name));
    device.Print(doc);
    QFile file(PathOf(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
  }

  QStringList FilesInDir() const { return QDir(FDir.path()).entryList(QDir::Files | QDir::Hidden); }

  QTemporaryDir FDir;
};

// One line holding texts that need quoting in different ways.
TReportDocument QuotingLine() {
  return Document({Page({SavedText("a b", 1, 1, 1, 1, 4), SavedText("x,y", 1, 1, 2, 1, 4),
                         SavedText("q\"z", 1, 1, 3, 1, 4), SavedText("plain", 1, 1, 4, 1, 4)})});
}

struct TModeCase {
  const char* Name;
  TppFileType Type;
  bool QuoteAll;
  QChar Quote;
  const char* Expected;
};

class TextFileModeTest : public TextFileDeviceTest,
                         public ::testing::WithParamInterface<TModeCase> {};

TEST_P(TextFileModeTest, FormatsTheLine) {
  const TModeCase& c = GetParam();
  TTextFileDevice device;
  device.SetTextFileType(c.Type);
  device.SetQuoteAll(c.QuoteAll);
  device.SetQuoteCharacter(c.Quote);
  EXPECT_EQ(Write(device, QuotingLine()), QByteArray(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(
    TextFileDevice, TextFileModeTest,
    ::testing::Values(TModeCase{"CommaQuotesBlankCommaAndQuote", TppFileType::ftComma, false, '"',
                                R"("a b","x,y","q""z",plain)"},
                      TModeCase{"CommaQuoteAll", TppFileType::ftComma, true, '"',
                                R"("a b","x,y","q""z","plain")"},
                      TModeCase{"CommaOtherQuoteCharacter", TppFileType::ftComma, false, '\'',
                                R"('a b','x,y',q"z,plain)"},
                      TModeCase{"Tab", TppFileType::ftTab, false, '"', "a b\tx,y\tq\"z\tplain"},
                      TModeCase{"TabQuoteAll", TppFileType::ftTab, true, '"',
                                "\"a b\"\t\"x,y\"\t\"q\"\"z\"\t\"plain\""},
                      TModeCase{"FixedLengthCutsAndPads", TppFileType::ftFixedLength, false, '"',
                                "a b x,y q\"z plai"},
                      TModeCase{"FixedLengthIgnoresQuoteAll", TppFileType::ftFixedLength, true, '"',
                                "a b x,y q\"z plai"},
                      TModeCase{"CustomJoinsWithoutSeparator", TppFileType::ftCustom, false, '"',
                                "a bx,yq\"zplain"}),
    [](const auto& info) { return std::string(info.param.Name); });

struct TFixedCase {
  const char* Text;
  int Length;
  TSaveAlign Alignment;
  const char* Expected;
};

TEST_F(TextFileDeviceTest, FixedLengthPadsByAlignment) {
  const TFixedCase cases[] = {
      {"ab", 5, TSaveAlign::Left, "ab   "},    {"ab", 5, TSaveAlign::Right, "   ab"},
      {"ab", 5, TSaveAlign::Center, " ab  "},  {"ab", 6, TSaveAlign::Center, "  ab  "},
      {"abcdef", 3, TSaveAlign::Right, "abc"}, {"abcdef", 3, TSaveAlign::Center, "abc"},
      {"", 3, TSaveAlign::Center, "   "},
  };
  TTextFileDevice device;
  for (const TFixedCase& c : cases) {
    TSavedField field{c.Text, SavedText(c.Text, 1, 1, 1, 1, c.Length, c.Alignment).Save};
    EXPECT_EQ(device.FieldText(field), QString(c.Expected))
        << c.Text << " length " << c.Length << " alignment " << static_cast<int>(c.Alignment);
  }
}

TEST_F(TextFileDeviceTest, SortsBySaveOrderAndBreaksLinesBetweenRows) {
  // Out of page order; report save number 10 must sort after 2.
  const TReportDocument doc = Document({Page(
      {SavedText("R2C2", 1, 2, 2, 1, 4), SavedText("LAST", 1, 1, 1, 1, 4, TSaveAlign::Left, 10),
       SavedText("R1C2", 1, 1, 2, 1, 4), SavedText("R2C1", 1, 2, 1, 1, 4),
       SavedText("R1C1", 1, 1, 1, 1, 4), PrintedText("not saved", QRectF(10, 10, 50, 5))})});
  TTextFileDevice device;
  EXPECT_EQ(Write(device, doc), QByteArray("R1C1R1C2\r\nR2C1R2C2\r\nLAST"));
}

TEST_F(TextFileDeviceTest, OnlyTheLastLineOfTheFileLacksALineBreak) {
  // The last page has nothing to save: the line before it is still the last.
  const TReportDocument doc =
      Document({Page({SavedText("one", 1, 1, 1, 1, 3)}),
                Page({SavedText("two", 1, 2, 1, 1, 3), SavedText("three", 1, 3, 1, 1, 5)}),
                Page({PrintedText("footer only", QRectF(10, 250, 50, 5))})});
  TTextFileDevice device;
  EXPECT_EQ(Write(device, doc), QByteArray("one\r\ntwo\r\nthree"));
}

TEST_F(TextFileDeviceTest, PagesWithoutSavableTextAndEmptyLinesWriteNothing) {
  TTextFileDevice device;
  device.SetTextFileType(TppFileType::ftComma);
  const TReportDocument doc =
      Document({Page({PrintedText("header", QRectF(10, 10, 50, 5))}),
                Page({SavedText("", 1, 1, 1, 1)}), Page({SavedText("kept", 1, 2, 1, 1)})});
  EXPECT_EQ(Write(device, doc), QByteArray("kept"));
  EXPECT_EQ(Write(device, Document({Page({})}), "empty.txt"), QByteArray());
}

TEST_F(TextFileDeviceTest, CustomModeWritesNoLineBreaks) {
  TTextFileDevice device;
  device.SetTextFileType(TppFileType::ftCustom);
  const TReportDocument doc =
      Document({Page({SavedText("A", 1, 1, 1, 1)}), Page({SavedText("B", 1, 1, 1, 1)})});
  EXPECT_EQ(Write(device, doc), QByteArray("AB"));
}

TEST_F(TextFileDeviceTest, OnSaveTextReplacesTheFormattedField) {
  TTextFileDevice device;
  device.SetTextFileType(TppFileType::ftComma);
  std::vector<int> components;
  device.OnSaveText = [&components](const TSaveInfo& save, QString& text) {
    components.push_back(save.ComponentSaveNo);
    if (save.ComponentSaveNo == 2) text = QStringLiteral("[%1]").arg(text);
  };
  const TReportDocument doc =
      Document({Page({SavedText("a b", 1, 1, 1, 1), SavedText("c", 1, 1, 2, 2)})});
  EXPECT_EQ(Write(device, doc), QByteArray("\"a b\",[c]"));
  EXPECT_EQ(components, (std::vector<int>{1, 2}));
}

TEST_F(TextFileDeviceTest, NoExtensionDeviceWritesTheNameAsGiven) {
  TStandardDeviceRegistration registration;
  std::unique_ptr<TOutputDevice> device = TDeviceRegistry::Instance().Create("NoExtensionFile");
  auto* file = dynamic_cast<TNoExtensionFileDevice*>(device.get());
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Description(), "-File Without Extension");
  EXPECT_EQ(file->FileFilter(), "All files|*.*");
  // Fixed length by default.
  EXPECT_EQ(Write(*file, Document({Page({SavedText("123", 1, 1, 1, 1, 5, TSaveAlign::Right)})}),
                  "SSNFILE"),
            QByteArray("  123"));
  EXPECT_EQ(FilesInDir(), QStringList{"SSNFILE"});
}

TEST_F(TextFileDeviceTest, FailedOrCancelledRunLeavesNoFileAndKeepsTheOldOne) {
  QFile old(PathOf("kept.txt"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("previous");
  old.close();
  const TReportDocument doc =
      Document({Page({SavedText("one", 1, 1, 1, 1, 3)}), Page({SavedText("two", 1, 1, 1, 1, 3)})});

  TTextFileDevice failing;
  failing.OnSaveText = [](const TSaveInfo&, QString& text) {
    if (text == "two") throw EReportDeviceError("stopped");
  };
  failing.SetFileName(PathOf("kept.txt"));
  EXPECT_THROW(failing.Print(doc), EReportDeviceError);

  TTextFileDevice cancelled;
  cancelled.OnSaveText = [&cancelled](const TSaveInfo&, QString&) { cancelled.Cancel(); };
  cancelled.SetFileName(PathOf("new.txt"));
  cancelled.Print(doc);
  EXPECT_TRUE(cancelled.Cancelled());

  EXPECT_EQ(FilesInDir(), QStringList{"kept.txt"});
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), QByteArray("previous"));
}

TEST_F(TextFileDeviceTest, UnwritableFolderIsAnError) {
  TTextFileDevice device;
  device.SetFileName(PathOf("missing/folder/out.txt"));
  EXPECT_THROW(device.Print(Document({Page({SavedText("x", 1, 1, 1, 1)})})), EReportDeviceError);
}

}  // namespace
