#pragma once

#include "config/ConfigFileSearch.h"
#include "core/Exception.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

// Readable values in failure messages.
inline void PrintTo(const QString& AText, std::ostream* AOut) {
  *AOut << '"' << AText.toStdString() << '"';
}

// A real folder tree in a temporary folder, standing in for a workstation's
// drives: "mount points" are folders of the tree.
class TConfigTestTree {
 public:
  TConfigTestTree() : FRoot(QDir(FDir.path()).canonicalPath()) {}

  const QString& Root() const { return FRoot; }
  QString Path(const QString& ARelative) const { return FRoot + "/" + ARelative; }

  QString WriteFile(const QString& ARelative, const QByteArray& AContents) const {
    const QString path = Path(ARelative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(AContents);
    return path;
  }

  // A folder of the tree, with a trailing "/" as the program folder has.
  QString MakeFolder(const QString& ARelative) const {
    QDir().mkpath(Path(ARelative));
    return Path(ARelative) + "/";
  }

  TMountEntry Mount(const QString& ARelative, const QString& AType = "ext4",
                    bool ARemovable = false, const QString& ADevice = "/dev/vdb") const {
    QDir().mkpath(Path(ARelative));
    return TMountEntry{ADevice, Path(ARelative), AType, ARemovable};
  }

  // Program in AProgramFolder (relative to the tree), current folder "cwd",
  // the given mounts, the real file system.
  TConfigSearchEnvironment Environment(const QString& AProgramFolder,
                                       std::vector<TMountEntry> AMounts) const {
    TConfigSearchEnvironment environment;
    environment.ProgramFolder = MakeFolder(AProgramFolder);
    environment.CurrentFolder = MakeFolder("cwd");
    environment.Mounts = [AMounts] { return AMounts; };
    environment.FindFile = &FindFileIgnoringCase;
    return environment;
  }

  // Every file below the root with its size and modification time, to show
  // that nothing was written.
  QStringList Snapshot() const {
    QStringList files;
    QDirIterator it(FRoot, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QFileInfo info(it.next());
      files << QStringLiteral("%1 %2 %3")
                   .arg(info.filePath())
                   .arg(info.size())
                   .arg(info.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
  }

 private:
  QTemporaryDir FDir;
  QString FRoot;
};

// A configuration file with the given connection string and a few paths.
inline QByteArray KeystaneIniText(
    const QByteArray& AConnStr = "Provider=SQLite;Data Source=cfg.db") {
  return "[Paths]\r\nHelpPath=/srv/help\r\nLogPath=/var/log/keystane\r\nLibPath=..\\Lib\r\n"
         "[Paging]\r\nEnabled=1\r\n[Server]\r\nServerKey=KEY-1\r\n[DataProvider]\r\nConnStr=" +
         AConnStr + "\r\n";
}

// The message of the exception of type E that AAction throws; a test failure
// when it throws nothing or something else.
template <class E>
QString ThrownMessage(const std::function<void()>& AAction) {
  try {
    AAction();
  } catch (const E& e) {
    return e.Message();
  } catch (const std::exception& e) {
    ADD_FAILURE() << "unexpected exception: " << e.what();
    return {};
  }
  ADD_FAILURE() << "no exception";
  return {};
}
