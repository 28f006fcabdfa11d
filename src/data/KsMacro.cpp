#include "data/KsMacro.h"

#include <algorithm>

void TMacro::SetValue(const QString& value) {
  if (value == FValue) return;
  FValue = value;
  if (FOwner && FOwner->FOnChange) FOwner->FOnChange();
}

TMacro* TMacros::FindMacro(const QString& name) const {
  for (const auto& m : FItems)
    if (m->FName.compare(name, Qt::CaseInsensitive) == 0) return m.get();
  return nullptr;
}

TMacro& TMacros::CreateMacro(const QString& name) {
  TMacro* m = FindMacro(name);
  if (!m) {
    FItems.push_back(std::make_unique<TMacro>(name));
    m = FItems.back().get();
    m->FOwner = this;
  }
  m->FCreated = true;
  return *m;
}

void TMacros::Synchronize(const QStringList& names, bool dropCreated) {
  std::vector<std::unique_ptr<TMacro>> next;
  for (const QString& name : names) {
    auto it = std::find_if(FItems.begin(), FItems.end(), [&](const std::unique_ptr<TMacro>& m) {
      return m && m->FName.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (it != FItems.end()) {
      next.push_back(std::move(*it));
    } else {
      next.push_back(std::make_unique<TMacro>(name));
      next.back()->FOwner = this;
    }
  }
  if (!dropCreated) {
    for (auto& m : FItems)
      if (m && m->FCreated) next.push_back(std::move(m));
  }
  FItems = std::move(next);
}

QString TMacros::ValueOf(const QString& name) const {
  const TMacro* m = FindMacro(name);
  return m ? m->FValue : QString();
}
