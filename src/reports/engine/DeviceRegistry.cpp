#include "reports/engine/DeviceRegistry.h"

#include "reports/engine/PdfFileDevice.h"
#include "reports/engine/PrinterDevice.h"
#include "reports/engine/TextFileDevice.h"
#include "reports/engine/XlsxDevice.h"

TDeviceRegistry& TDeviceRegistry::Instance() {
  static TDeviceRegistry registry;
  return registry;
}

QString TDeviceRegistry::Register(TOutputDeviceFactory factory) {
  const std::unique_ptr<TOutputDevice> sample = factory();
  TDeviceInfo info;
  info.Name = sample->DeviceName();
  info.Description = sample->Description();
  info.DefaultExt = sample->DefaultExt();
  info.FileFilter = sample->FileFilter();
  info.IsFileDevice = sample->IsFileDevice();
  info.Create = std::move(factory);
  FDevices.insert_or_assign(info.Name, info);
  return info.Name;
}

void TDeviceRegistry::Unregister(const QString& name) {
  FDevices.erase(name);
}

const TDeviceInfo* TDeviceRegistry::Find(const QString& name) const {
  const auto it = FDevices.find(name);
  return it == FDevices.end() ? nullptr : &it->second;
}

const TDeviceInfo* TDeviceRegistry::FindByExtension(const QString& ext) const {
  if (ext.isEmpty()) return nullptr;
  for (const auto& [name, info] : FDevices)
    if (info.IsFileDevice && info.DefaultExt.compare(ext, Qt::CaseInsensitive) == 0) return &info;
  return nullptr;
}

QStringList TDeviceRegistry::Names() const {
  QStringList names;
  for (const auto& entry : FDevices) names << entry.first;
  return names;
}

std::unique_ptr<TOutputDevice> TDeviceRegistry::Create(const QString& name) const {
  const TDeviceInfo* info = Find(name);
  if (!info)
    throw EReportDeviceError(QStringLiteral("The device type \"%1\" is not registered.").arg(name));
  return info->Create();
}

TStandardDeviceRegistration::TStandardDeviceRegistration() {
  TDeviceRegistry& registry = TDeviceRegistry::Instance();
  FNames << registry.Register([] { return std::make_unique<TPrinterDevice>(); })
         << registry.Register([] { return std::make_unique<TPdfFileDevice>(); })
         << registry.Register([] { return std::make_unique<TTextFileDevice>(); })
         << registry.Register([] { return std::make_unique<TCsvFileDevice>(); })
         << registry.Register([] { return std::make_unique<TNoExtensionFileDevice>(); })
         << registry.Register([] { return std::make_unique<TXlsxFileDevice>(); });
}

TStandardDeviceRegistration::~TStandardDeviceRegistration() {
  for (const QString& name : FNames) TDeviceRegistry::Instance().Unregister(name);
}
