#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// Where the engine keeps its preferences between runs (printer, preview and
// dialog choices). Storage classes are plug-ins chosen by their description.
class TppIniStorage {
 public:
  virtual ~TppIniStorage() = default;

  virtual QString ReadString(const QString& section, const QString& name,
                             const QString& defaultValue) = 0;
  virtual int ReadInteger(const QString& section, const QString& name, int defaultValue) = 0;
  virtual bool ReadBool(const QString& section, const QString& name, bool defaultValue) = 0;
  virtual void WriteString(const QString& section, const QString& name, const QString& value) = 0;
  virtual void WriteInteger(const QString& section, const QString& name, int value) = 0;
  virtual void WriteBool(const QString& section, const QString& name, bool value) = 0;
  virtual void EraseSection(const QString& section) = 0;
};

// The storage that keeps nothing: every read gives the default, writes and
// erasing do nothing, so no preference outlives the run that chose it.
class TppCustomIniNone : public TppIniStorage {
 public:
  static QString ClassDescription() { return QStringLiteral("None"); }
  static QString DefaultStorageName() { return {}; }

  QString ReadString(const QString&, const QString&, const QString& defaultValue) override {
    return defaultValue;
  }
  int ReadInteger(const QString&, const QString&, int defaultValue) override {
    return defaultValue;
  }
  bool ReadBool(const QString&, const QString&, bool defaultValue) override { return defaultValue; }
  void WriteString(const QString&, const QString&, const QString&) override {}
  void WriteInteger(const QString&, const QString&, int) override {}
  void WriteBool(const QString&, const QString&, bool) override {}
  void EraseSection(const QString&) override {}
};

using TppIniStorageFactory = std::function<std::unique_ptr<TppIniStorage>()>;

// The storage plug-ins, by class description (compared without case).
void RegisterIniStoragePlugIn(const QString& description, TppIniStorageFactory factory);
void UnregisterIniStoragePlugIn(const QString& description);
QStringList IniStoragePlugIns();

// Makes the registered plug-in the current storage. Throws
// EReportDeviceError when no plug-in has that description.
void SetCurrentIniStorage(const QString& description);
// The storage in force; a storage that keeps nothing when none was chosen
// or the chosen one was unregistered.
TppIniStorage& CurrentIniStorage();

// Start-up to shutdown: registers TppCustomIniNone, makes it current, and
// unregisters it again at the end.
class TppIniNoneRegistration {
 public:
  TppIniNoneRegistration();
  ~TppIniNoneRegistration();
  TppIniNoneRegistration(const TppIniNoneRegistration&) = delete;
  TppIniNoneRegistration& operator=(const TppIniNoneRegistration&) = delete;
};
