#pragma once

#include "config/MountTable.h"

#include <QHash>
#include <QString>

#include <functional>
#include <vector>

// The program's help handler. The help file (compiled HTML help, normally) is
// opened with the desktop's handler for its type. A help file on a network
// file system is copied to the temporary folder first, because viewers refuse
// or crawl over remote files; the copies are deleted again when the handler
// goes at the end of the run.
class TKsHtmlHelp {
 public:
  // Help commands of a request.
  static constexpr int HELP_CONTEXT = 1;
  static constexpr int HELP_CONTENTS = 3;

  // Opens a file with the desktop's handler; false when it could not.
  using TOpener = std::function<bool(const QString& AFileName)>;
  using TMountsSource = std::function<std::vector<TMountEntry>()>;

  TKsHtmlHelp();
  ~TKsHtmlHelp();
  TKsHtmlHelp(const TKsHtmlHelp&) = delete;
  TKsHtmlHelp& operator=(const TKsHtmlHelp&) = delete;

  // The application's help file.
  const QString& HelpFile() const { return FHelpFile; }
  void SetHelpFile(const QString& AValue) { FHelpFile = AValue; }

  // Answers a help request for the help file. A ".HLP" file is left alone
  // (false); any other is opened here (true), a missing one reported.
  bool HelpCommand(int ACommand, qintptr AData);
  bool HelpContents() { return HelpCommand(HELP_CONTENTS, 0); }

  // Where files go, what is mounted, and how a file is opened; the desktop,
  // the kernel's mount table and the system's temporary folder by default.
  void SetOpener(TOpener AOpener) { FOpener = std::move(AOpener); }
  void SetMountsSource(TMountsSource ASource) { FMounts = std::move(ASource); }
  void SetTempFolder(const QString& AFolder) { FTempFolder = AFolder; }

  // The copy made of a help file, empty when none.
  QString CopyOf(const QString& AFileName) const { return FCopies.value(AFileName); }

 private:
  bool IsOnNetwork(const QString& AFileName) const;
  // The copy's path in the temporary folder: the file's own name, or the name
  // with its extension replaced by 0.CHM, 1.CHM, ... when that is taken.
  QString CopyTarget(const QString& AFileName) const;
  // Copies block by block keeping the file's date and permissions; a failed
  // copy is removed again.
  static bool CopyHelpFile(const QString& ASource, const QString& ATarget);

  QString FHelpFile;
  TOpener FOpener;
  TMountsSource FMounts;
  QString FTempFolder;
  // Help file (full path) -> its copy in the temporary folder.
  QHash<QString, QString> FCopies;
};

// The process-wide help handler.
TKsHtmlHelp& KsHtmlHelp();

// Shows the contents of sFilePath + sHelpFile through the help handler;
// nothing when the path is empty.
void ExecuteHelpFile(const QString& sFilePath, const QString& sHelpFile);
