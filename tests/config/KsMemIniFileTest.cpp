#include "config/KsMemIniFile.h"

#include "ConfigTestTree.h"

namespace {

struct TReadCase {
  const char* Name;
  QByteArray Contents;
  const char* Section;
  const char* Key;
  QString Expected;
};

class IniReadTest : public testing::TestWithParam<TReadCase> {};

TEST_P(IniReadTest, ReadsTheValueAsWindowsWould) {
  const TReadCase& c = GetParam();
  const TKsMemIniFile ini = TKsMemIniFile::Parse(c.Contents, "test.ini");
  EXPECT_EQ(ini.ReadString(c.Section, c.Key, "<default>"), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniReadTest,
    testing::Values(
        TReadCase{"CaseInsensitiveNames", "[dataprovider]\nCONNSTR=a\n", "DataProvider", "ConnStr",
                  "a"},
        TReadCase{"SemicolonsBelongToTheValue",
                  "[DataProvider]\nConnStr=Provider=SQLite ;Data Source=x.db ; Mode=ReadOnly\n",
                  "DataProvider", "ConnStr", "Provider=SQLite ;Data Source=x.db ; Mode=ReadOnly"},
        TReadCase{"FirstOccurrenceWins", "[Paths]\nLogPath=first\n[Paths]\nlogpath=second\n",
                  "Paths", "LogPath", "first"},
        TReadCase{"BlanksAroundNamesAndValuesIgnored", "[ Paths ]\n  LogPath  =  /var/log  \n",
                  "Paths", "LogPath", "/var/log"},
        TReadCase{"IndentedLineIsALineOfItsOwn", "[Paths]\nLogPath=a\n  HelpPath=b\n", "Paths",
                  "HelpPath", "b"},
        TReadCase{"IndentedLineDoesNotContinueTheValue", "[Paths]\nLogPath=a\n  more\n", "Paths",
                  "LogPath", "a"},
        TReadCase{"CommentLinesSkipped", "; note\n[Paths]\n;LogPath=old\nLogPath=new\n", "Paths",
                  "LogPath", "new"},
        TReadCase{"MalformedLinesSkipped", "[Paths]\nno equals sign\n[broken\nLogPath=x\n", "Paths",
                  "LogPath", "x"},
        TReadCase{"QuotesKept", "[Paths]\nLogPath=\"C:\\Logs\"\n", "Paths", "LogPath",
                  "\"C:\\Logs\""},
        TReadCase{"MissingKeyGivesDefault", "[Paths]\nLogPath=x\n", "Paths", "HelpPath",
                  "<default>"},
        TReadCase{"EmptyValue", "[Paths]\nLogPath=\n", "Paths", "LogPath", ""},
        TReadCase{"Utf8WithBom", "\xEF\xBB\xBF[Paths]\nLogPath=/srv/caf\xC3\xA9\n", "Paths",
                  "LogPath", QString::fromUtf8("/srv/caf\xC3\xA9")},
        TReadCase{"AnsiBytes", "[Paths]\nLogPath=/srv/Gef\xE4ngnis \x80\n", "Paths", "LogPath",
                  QString::fromUtf8("/srv/Gef\xC3\xA4ngnis \xE2\x82\xAC")},
        TReadCase{"BomThenAnsiBytes", "\xEF\xBB\xBF[Paths]\nLogPath=caf\xE9\n", "Paths", "LogPath",
                  QString::fromUtf8("caf\xC3\xA9")},
        TReadCase{
            "Utf16WithBom",
            QByteArray("\xFF\xFE[\0P\0a\0t\0h\0s\0]\0\r\0\n\0L\0o\0g\0P\0a\0t\0h\0=\0\xE9\0", 38),
            "Paths", "LogPath", QString::fromUtf8("\xC3\xA9")},
        TReadCase{"OldMacLineEnds", "[Paths]\rLogPath=a\rHelpPath=b\r", "Paths", "HelpPath", "b"}),
    [](const testing::TestParamInfo<TReadCase>& info) { return info.param.Name; });

TEST(KsMemIniFileTest, LongLinesArriveWhole) {
  const QByteArray value(20000, 'x');
  const TKsMemIniFile ini = TKsMemIniFile::Parse(
      "[DataProvider]\r\nConnStr=" + value + "\r\n[Paths]\r\nLogPath=a\r\n", "long.ini");
  EXPECT_EQ(ini.ReadString("DataProvider", "ConnStr", {}).size(), value.size());
  EXPECT_EQ(ini.ReadString("Paths", "LogPath", {}), "a");
}

TEST(KsMemIniFileTest, OverlongLineIsRefusedRatherThanCut) {
  const QByteArray value(TKsMemIniFile::MaxLineLength, 'x');
  EXPECT_EQ(ThrownMessage<EIniFileError>([&] {
              TKsMemIniFile::Parse("[DataProvider]\nConnStr=" + value + "\n", "/cfg/Keystane.ini");
            }),
            "Line 2 of /cfg/Keystane.ini is longer than 32768 characters.");
}

TEST(KsMemIniFileTest, BinaryContentIsRefused) {
  EXPECT_EQ(ThrownMessage<EIniFileError>([] {
              TKsMemIniFile::Parse(QByteArray("[Paths]\nLogPath=a\0b\n", 20), "/cfg/x.ini");
            }),
            "/cfg/x.ini is not a text file.");
}

TEST(KsMemIniFileTest, LoadReportsAMissingFile) {
  TConfigTestTree tree;
  const QString path = tree.Path("none.ini");
  EXPECT_EQ(ThrownMessage<EIniFileError>([&] { TKsMemIniFile::Load(path); }),
            "File not found: '" + path + "'");
  tree.MakeFolder("folder.ini");
  EXPECT_EQ(ThrownMessage<EIniFileError>([&] { TKsMemIniFile::Load(tree.Path("folder.ini")); }),
            "File not found: '" + tree.Path("folder.ini") + "'");
}

TEST(KsMemIniFileTest, ReadBoolAcceptsNumbersAndWords) {
  const TKsMemIniFile ini = TKsMemIniFile::Parse(
      "[B]\none=1\nzero=0\nminus=-1\nyes=Yes\ntrue=TRUE\noff=off\nfalse=False\njunk=maybe\n"
      "empty=\n",
      "b.ini");
  EXPECT_TRUE(ini.ReadBool("B", "one", false));
  EXPECT_FALSE(ini.ReadBool("B", "zero", true));
  EXPECT_TRUE(ini.ReadBool("B", "minus", false));
  EXPECT_TRUE(ini.ReadBool("B", "yes", false));
  EXPECT_TRUE(ini.ReadBool("B", "true", false));
  EXPECT_FALSE(ini.ReadBool("B", "off", true));
  EXPECT_FALSE(ini.ReadBool("B", "false", true));
  EXPECT_TRUE(ini.ReadBool("B", "junk", true));
  EXPECT_FALSE(ini.ReadBool("B", "junk", false));
  EXPECT_TRUE(ini.ReadBool("B", "empty", true));
  EXPECT_FALSE(ini.ReadBool("B", "absent", false));
}

}  // namespace
