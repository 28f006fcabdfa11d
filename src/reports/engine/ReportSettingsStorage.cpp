#include "reports/engine/ReportSettingsStorage.h"

#include "reports/engine/OutputDevice.h"

#include <map>

namespace {

struct TCaseless {
  bool operator()(const QString& a, const QString& b) const {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  }
};

struct TStorageState {
  std::map<QString, TppIniStorageFactory, TCaseless> PlugIns;
  QString CurrentDescription;
  std::unique_ptr<TppIniStorage> Current;
};

TStorageState& State() {
  static TStorageState state;
  return state;
}

}  // namespace

void RegisterIniStoragePlugIn(const QString& description, TppIniStorageFactory factory) {
  State().PlugIns[description] = std::move(factory);
}

void UnregisterIniStoragePlugIn(const QString& description) {
  TStorageState& state = State();
  state.PlugIns.erase(description);
  if (state.CurrentDescription.compare(description, Qt::CaseInsensitive) == 0) {
    state.Current.reset();
    state.CurrentDescription.clear();
  }
}

QStringList IniStoragePlugIns() {
  QStringList out;
  for (const auto& entry : State().PlugIns) out << entry.first;
  return out;
}

void SetCurrentIniStorage(const QString& description) {
  TStorageState& state = State();
  const auto it = state.PlugIns.find(description);
  if (it == state.PlugIns.end())
    throw EReportDeviceError(
        QStringLiteral("No settings storage \"%1\" is registered.").arg(description));
  state.Current = it->second();
  state.CurrentDescription = it->first;
}

TppIniStorage& CurrentIniStorage() {
  TStorageState& state = State();
  if (!state.Current) {
    static TppCustomIniNone none;
    return none;
  }
  return *state.Current;
}

TppIniNoneRegistration::TppIniNoneRegistration() {
  RegisterIniStoragePlugIn(TppCustomIniNone::ClassDescription(),
                           [] { return std::make_unique<TppCustomIniNone>(); });
  SetCurrentIniStorage(TppCustomIniNone::ClassDescription());
}

TppIniNoneRegistration::~TppIniNoneRegistration() {
  UnregisterIniStoragePlugIn(TppCustomIniNone::ClassDescription());
}
