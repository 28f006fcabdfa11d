#pragma once

#include "config/MountTable.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// What the configuration search looks at. Everything the search depends on
// outside the process is here so that it can be pointed at a folder tree;
// members left empty take the running system's.
struct TConfigSearchEnvironment {
  // The running program's folder (D), with a trailing "/".
  QString ProgramFolder;
  // Where a relative candidate is resolved.
  QString CurrentFolder;
  // The mounted file systems in mount-table order; asked only when the
  // search gets that far.
  std::function<std::vector<TMountEntry>()> Mounts;
  // The existing file a path names, matching names without regard to case
  // as the suite's Windows installations did; empty when there is none.
  std::function<QString(const QString& path)> FindFile;
};

// The running program's folder: the application's folder, or the folder of
// /proc/self/exe when there is no application object. Trailing "/".
QString RunningProgramFolder();

// Real file system: the exact path when it is a file, otherwise the file
// whose every name matches without regard to case (exact names preferred,
// otherwise the first in name order).
QString FindFileIgnoringCase(const QString& APath);

// The running program's environment.
TConfigSearchEnvironment SystemConfigSearchEnvironment();

// The environment a configuration component uses when it is given none: the
// running program's, unless replaced (tests and tools that must point every
// component at one configuration). Members left empty are filled in.
TConfigSearchEnvironment DefaultConfigSearchEnvironment();
void SetDefaultConfigSearchEnvironment(std::optional<TConfigSearchEnvironment> AEnvironment);

// Replaces the default environment for its lifetime.
class TScopedConfigSearchEnvironment {
 public:
  explicit TScopedConfigSearchEnvironment(TConfigSearchEnvironment AEnvironment);
  ~TScopedConfigSearchEnvironment();
  TScopedConfigSearchEnvironment(const TScopedConfigSearchEnvironment&) = delete;
  TScopedConfigSearchEnvironment& operator=(const TScopedConfigSearchEnvironment&) = delete;

 private:
  std::optional<TConfigSearchEnvironment> FPrevious;
};

// Fills the empty members of AEnvironment from the running system and gives
// the program folder its trailing "/".
TConfigSearchEnvironment CompleteConfigSearchEnvironment(TConfigSearchEnvironment AEnvironment);

// Failure texts of one caller of the search.
struct TConfigSearchTexts {
  QString MobileNotFound;
  QString NotFound;
};

// The texts of the configuration component and of GetConfigFolder.
const TConfigSearchTexts& KeystaneIniSearchTexts();
const TConfigSearchTexts& ConfigFolderSearchTexts();

// A mobile installation keeps "Roadpost.ini" in the program's own folder.
bool IsMobileInstallation(const TConfigSearchEnvironment& AEnvironment);

// The configuration file: Roadpost.ini beside the program when AIsMobile;
// otherwise the first of Keystane.Cfg/Keystane.ini beside a Keystane.App
// folder above the program (or below the current folder), at the root of the
// program's file system, and at the root of each searchable mount in table
// order. Returns a clean absolute path; throws EIniFileError with the texts'
// messages when nothing is found.
QString LocateConfigFile(const TConfigSearchEnvironment& AEnvironment, bool AIsMobile,
                         const TConfigSearchTexts& ATexts);
