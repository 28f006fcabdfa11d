#include "EngineTestSupport.h"

#include "reports/engine/RtfReader.h"

#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

struct TRtfCase {
  const char* Name;
  QByteArray Input;
  QString Plain;
};

class RtfReaderTest : public ::testing::TestWithParam<TRtfCase> {};

TEST_P(RtfReaderTest, ReadsTheText) {
  const TRtfCase& c = GetParam();
  QTextDocument doc;
  TRtfReader::Read(c.Input, doc, QFont("Arial", 8));
  QString text = doc.toPlainText();
  text.replace(QChar::LineSeparator, '\n');
  while (text.endsWith('\n')) text.chop(1);
  EXPECT_EQ(text, c.Plain) << c.Name;
  EXPECT_EQ(TRtfReader::ToPlainText(c.Input), c.Plain) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfReaderTest,
    ::testing::Values(
        TRtfCase{"plain text passes through", "Inmate moved to cell 12.\nNo incident.",
                 "Inmate moved to cell 12.\nNo incident."},
        TRtfCase{
            "paragraphs and tables skipped",
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 Times New Roman;}}"
            "{\\colortbl ;\\red255\\green0\\blue0;}\\viewkind4\\pard\\f0\\fs20 First line\\par "
            "Second \\b bold\\b0  line\\par}",
            "First line\nSecond bold line"},
        TRtfCase{"escapes", "{\\rtf1 Caf\\'e9 \\{braces\\} back\\\\slash\\tab tab\\line next}",
                 "Caf\u00e9 {braces} back\\slash\ttab\nnext"},
        TRtfCase{"unicode with fallback", "{\\rtf1\\uc1 Price \\u8364?5 and \\u-3937?}",
                 "Price \u20ac5 and \uf09f"},
        TRtfCase{"ignorable destinations",
                 "{\\rtf1{\\*\\generator Riched20;}{\\info{\\author X}}Text}", "Text"},
        TRtfCase{"field result", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown}}}",
                 "shown"},
        TRtfCase{"missing closing braces", "{\\rtf1 Unclosed {\\b group", "Unclosed group"},
        TRtfCase{"extra closing braces", "{\\rtf1 One}} Two}", "One Two"},
        TRtfCase{"cut-off escape", "{\\rtf1 Broken \\'", "Broken "},
        TRtfCase{"cut-off control word", "{\\rtf1 Tail\\", "Tail"},
        TRtfCase{"bad hex escape", "{\\rtf1 A\\'zzB}", "AB"},
        TRtfCase{"huge parameter", "{\\rtf1\\fs99999999999 Big}", "Big"},
        TRtfCase{"empty", "", ""}));

TEST(RtfReaderFormatTest, KeepsBoldItalicSizeFontAndColour) {
  QTextDocument doc;
  TRtfReader::Read(
      QByteArray(
          "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}"
          "{\\colortbl ;\\red255\\green0\\blue0;}"
          "\\f0\\fs20 plain \\b bold\\b0  \\i\\ul it\\i0\\ulnone  \\f1\\fs32 big \\cf1 red\\par"
          "\\qc centred}"),
      doc, QFont("Arial", 8));
  const QTextBlock first = doc.begin();
  auto formatAt = [&](const QString& word) {
    for (QTextBlock::iterator it = first.begin(); !it.atEnd(); ++it)
      if (it.fragment().text().contains(word)) return it.fragment().charFormat();
    ADD_FAILURE() << "no fragment " << word.toStdString();
    return QTextCharFormat();
  };
  EXPECT_FALSE(formatAt("plain").font().bold());
  EXPECT_DOUBLE_EQ(formatAt("plain").font().pointSizeF(), 10.0);
  EXPECT_TRUE(formatAt("bold").font().bold());
  EXPECT_TRUE(formatAt("it").font().italic());
  EXPECT_TRUE(formatAt("it").font().underline());
  EXPECT_EQ(formatAt("big").font().families().value(0), "Times New Roman");
  EXPECT_DOUBLE_EQ(formatAt("big").font().pointSizeF(), 16.0);
  EXPECT_EQ(formatAt("red").foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(first.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

}  // namespace
