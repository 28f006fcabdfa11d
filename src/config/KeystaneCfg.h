#pragma once

#include "config/ConfigFileSearch.h"

#include <QObject>
#include <QString>

// The suite configuration file (Keystane.ini, or Roadpost.ini beside the
// program on a mobile installation): where it is and what it says. A
// component created in code locates and reads the file at once; one created
// with TLoadMode::Deferred waits for Loaded(), so that its override flags and
// values can be set first, as a component streamed from a form would.
class TKeystaneIni : public QObject {
  Q_OBJECT

 public:
  enum class TLoadMode { Now, Deferred };

  explicit TKeystaneIni(QObject* AOwner = nullptr, TLoadMode AMode = TLoadMode::Now);
  // Searches the given environment instead of the default one.
  TKeystaneIni(QObject* AOwner, TConfigSearchEnvironment AEnvironment,
               TLoadMode AMode = TLoadMode::Now);
  ~TKeystaneIni() override;

  // Determines IsMobile, locates the file unless OverrideIniFileName, and
  // reads the settings unless OverrideSettings.
  void Loaded();
  bool IsLoading() const { return FLoading; }

  bool OverrideIniFileName() const { return FOverrideIniFileName; }
  void SetOverrideIniFileName(bool Value);
  bool OverrideSettings() const { return FOverrideSettings; }
  void SetOverrideSettings(bool Value);

  bool PagingEnabled() const { return FPagingEnabled; }
  void SetPagingEnabled(bool Value);
  QString LogFilePath() const { return FLogFilePath; }
  void SetLogFilePath(const QString& Value);
  QString HelpFilePath() const { return FHelpFilePath; }
  void SetHelpFilePath(const QString& Value);
  QString LibPathUnexpanded() const { return FLibPathUnexpanded; }
  void SetLibPathUnexpanded(const QString& Value);
  QString LibPath() const { return GetLibPath(); }
  QString KeystaneIni() const { return FKeystaneIni; }
  void SetKeystaneIni(const QString& Value);
  bool IsMobile() const { return FIsMobile; }
  void SetIsMobile(bool Value);
  QString ServerKey() const { return FServerKey; }
  void SetServerKey(const QString& Value);
  // Read: the base string with the overlay applied. Write: the base string.
  QString ConnectionString() const { return GetConnectionString(); }
  void SetConnectionString(const QString& Value);
  QString ConnectionStringOverlay() const { return FConnectionStringOverlay; }
  void SetConnectionStringOverlay(const QString& Value);

  QString GetConnectionString() const;
  QString GetLibPath() const;
  // The configuration file's folder, with a trailing "/"; embedded database
  // files named relatively in connection strings are found there.
  QString KeystaneIniFolder() const;
  const TConfigSearchEnvironment& SearchEnvironment() const { return FEnvironment; }

  // Merges the name=value entries of Overlay over those of Original: a
  // non-empty value replaces the first entry of that name (names compare
  // without regard to case) or is appended; an empty value deletes the entry.
  static QString ApplyConnectionStringOverlay(const QString& Original, const QString& Overlay);

 private:
  void LocateIniFile();
  void ReadSettings();
  void CheckOverrideSettings(const char* APropertyName) const;

  TConfigSearchEnvironment FEnvironment;
  bool FLoading = false;

  bool FOverrideIniFileName = false;
  bool FOverrideSettings = false;
  bool FPagingEnabled = false;
  QString FLogFilePath;
  QString FHelpFilePath;
  QString FLibPathUnexpanded;
  QString FKeystaneIni;
  bool FIsMobile = false;
  QString FServerKey;
  QString FBaseConnectionString;
  QString FConnectionStringOverlay;
};

// The folder (trailing "/") of the configuration file the search finds for a
// program in AProgramFolder; the error-reporting set-up looks for
// ErrorReporting.ini there.
QString GetConfigFolder(const QString& AProgramFolder);
QString GetConfigFolder(const TConfigSearchEnvironment& AEnvironment);

// LibPath of the configuration file, with a trailing "/".
QString GetKeystaneLibPath();
