#pragma once

#include "reports/engine/OutputDevice.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

using TOutputDeviceFactory = std::function<std::unique_ptr<TOutputDevice>()>;

// What a registered device is, read once from a device it made.
struct TDeviceInfo {
  QString Name;
  QString Description;
  QString DefaultExt;
  QString FileFilter;
  bool IsFileDevice = false;
  TOutputDeviceFactory Create;
};

// The output devices known by name. Devices are registered when the program
// starts and unregistered at the end; a report selects one by setting its
// device type to the name.
class TDeviceRegistry {
 public:
  static TDeviceRegistry& Instance();

  // Registers the factory under the name of the device it makes, replacing
  // one of the same name. Returns that name.
  QString Register(TOutputDeviceFactory factory);
  void Unregister(const QString& name);

  // Names compare without case. Null when not registered.
  const TDeviceInfo* Find(const QString& name) const;
  // The file device whose default extension is `ext` (without the dot).
  const TDeviceInfo* FindByExtension(const QString& ext) const;
  QStringList Names() const;

  // A new device of that name; throws EReportDeviceError when unknown.
  std::unique_ptr<TOutputDevice> Create(const QString& name) const;

 private:
  struct TCaseless {
    bool operator()(const QString& a, const QString& b) const {
      return a.compare(b, Qt::CaseInsensitive) < 0;
    }
  };
  std::map<QString, TDeviceInfo, TCaseless> FDevices;
};

// The standard devices: printer, PDF, text, CSV, file without extension and
// spreadsheet. Registered for the lifetime of the object (start-up to
// shutdown).
class TStandardDeviceRegistration {
 public:
  TStandardDeviceRegistration();
  ~TStandardDeviceRegistration();
  TStandardDeviceRegistration(const TStandardDeviceRegistration&) = delete;
  TStandardDeviceRegistration& operator=(const TStandardDeviceRegistration&) = delete;

 private:
  QStringList FNames;
};
