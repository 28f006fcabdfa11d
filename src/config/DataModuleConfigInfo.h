#pragma once

#include <memory>

class TKsConfigInfo;
class TKsCustomConfigInfo;

// The configuration info a data module looks its connection strings up
// with: one of its own, found by the usual configuration search, or one it is
// handed (not owned; it must outlive the module).
class TDataModuleConfigInfo {
 public:
  explicit TDataModuleConfigInfo(TKsCustomConfigInfo* AGiven = nullptr);
  ~TDataModuleConfigInfo();
  TDataModuleConfigInfo(const TDataModuleConfigInfo&) = delete;
  TDataModuleConfigInfo& operator=(const TDataModuleConfigInfo&) = delete;

  TKsCustomConfigInfo* Get() const { return FInfo; }
  TKsCustomConfigInfo* operator->() const { return FInfo; }

 private:
  std::unique_ptr<TKsConfigInfo> FOwn;
  TKsCustomConfigInfo* FInfo;
};
