#include "app/utKsHtmlHelp.h"
#include "core/ScriptedPrompts.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A help folder on a local disk and one on a network share, a temporary
// folder of the test's own, and an opener that records what it was given.
class KsHtmlHelpTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Root.isValid());
    for (const char* folder : {"local", "share", "temp"}) QDir(Root.path()).mkpath(folder);
    Help.SetTempFolder(Path("temp"));
    Help.SetMountsSource([this] {
      return std::vector<TMountEntry>{{"/dev/sda1", "/", "ext4", false},
                                      {"//server/help", Path("share"), "cifs", false}};
    });
    Help.SetOpener([this](const QString& file) {
      Opened << file;
      return true;
    });
  }

  QString Path(const QString& relative) const { return QDir(Root.path()).filePath(relative); }
  QString Write(const QString& relative, const QByteArray& contents) {
    QFile file(Path(relative));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
    return file.fileName();
  }

  QTemporaryDir Root;
  TScriptedPrompts Prompts;
  TUserPromptsScope Scope{Prompts};
  TKsHtmlHelp Help;
  QStringList Opened;
};

TEST_F(KsHtmlHelpTest, ALocalFileOpensWhereItIs) {
  Help.SetHelpFile(Write("local/Admin.chm", "ITSF"));
  EXPECT_TRUE(Help.HelpContents());
  EXPECT_EQ(Opened, QStringList{Path("local/Admin.chm")});
  EXPECT_TRUE(QDir(Path("temp")).isEmpty());
}

TEST_F(KsHtmlHelpTest, AFileOnANetworkShareIsCopiedOnceAndTheCopyOpened) {
  const QByteArray contents(10000, 'x');  // more than one block
  const QString original = Write("share/Admin.chm", contents);
  {
    QFile file(original);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)),
                                 QFileDevice::FileModificationTime));
  }
  // Taken already: the copy gets a numbered name.
  Write("temp/Admin.chm", "someone else's");
  Help.SetHelpFile(original);

  EXPECT_TRUE(Help.HelpContents());
  EXPECT_TRUE(Help.HelpCommand(TKsHtmlHelp::HELP_CONTEXT, 42));
  const QString copy = Path("temp/Admin0.CHM");
  EXPECT_EQ(Opened, (QStringList{copy, copy}));
  QFile copied(copy);
  ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
  EXPECT_EQ(copied.readAll(), contents);
  EXPECT_EQ(QFileInfo(copy).lastModified(), QFileInfo(original).lastModified());

  // A copy removed meanwhile is made again.
  QFile::remove(copy);
  Help.HelpContents();
  EXPECT_TRUE(QFileInfo::exists(copy));
}

TEST_F(KsHtmlHelpTest, CopiesAreRemovedWhenTheHandlerGoes) {
  QString copy;
  {
    TKsHtmlHelp help;
    help.SetTempFolder(Path("temp"));
    help.SetMountsSource([this] {
      return std::vector<TMountEntry>{{"server:/help", Path("share"), "nfs4", false}};
    });
    help.SetOpener([](const QString&) { return true; });
    help.SetHelpFile(Write("share/Admin.chm", "ITSF"));
    help.HelpContents();
    copy = help.CopyOf(Path("share/Admin.chm"));
    EXPECT_TRUE(QFileInfo::exists(copy));
  }
  EXPECT_FALSE(QFileInfo::exists(copy));
  EXPECT_TRUE(QFileInfo::exists(Path("share/Admin.chm")));
}

TEST_F(KsHtmlHelpTest, MissingFilesAreReportedAndHlpFilesLeftAlone) {
  Help.SetHelpFile(Path("local/None.chm"));
  EXPECT_TRUE(Help.HelpContents());
  EXPECT_EQ(Prompts.Texts(TPromptKind::pkError),
            QStringList{"Help file '" + Path("local/None.chm") + "' not found."});

  Help.SetHelpFile(Write("local/Old.HLP", "?_"));
  EXPECT_FALSE(Help.HelpContents());
  EXPECT_TRUE(Opened.isEmpty());
}

TEST(ExecuteHelpFileTest, AnEmptyPathShowsNothing) {
  KsHtmlHelp().SetHelpFile("unchanged.chm");
  ExecuteHelpFile("", "Wardhaven_Admin_Reports.chm");
  EXPECT_EQ(KsHtmlHelp().HelpFile(), "unchanged.chm");
}

}  // namespace
