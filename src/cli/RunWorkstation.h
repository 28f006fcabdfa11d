#pragma once

#include "config/ConfigFileSearch.h"

#include <QString>
#include <QTemporaryDir>

#include <optional>

// A workstation set up for one headless run on a given embedded database:
// a temporary program folder beside a configuration folder whose
// Keystane.ini sends the connection to that file. Every configuration
// component created while it lives finds this installation.
class TRunWorkstation {
 public:
  // ECommandLineError when the file is missing or not a regular file.
  explicit TRunWorkstation(const QString& databaseFile);

 private:
  QTemporaryDir FDir;
  std::optional<TScopedConfigSearchEnvironment> FScope;
};
