#pragma once

#include <QString>

#include <optional>
#include <vector>

// A module (the program or a shared library) loaded in the process.
struct TLoadedModule {
  QString Name;     // file name without folder
  QString Version;  // empty when it cannot be read
  QString Path;     // full path
};

// The modules mapped executable in the process, once each, in map order,
// read from a file in /proc/<pid>/maps form. Nothing when the file cannot be
// read. A library's version is the one its file name carries
// ("libQt6Core.so.6.4.2" is 6.4.2); the program's own is its file version.
std::optional<std::vector<TLoadedModule>> LoadedModules(
    const QString& AMapsFile = QStringLiteral("/proc/self/maps"));

// The version in a shared library's file name; empty when it has none.
QString LibraryFileVersion(const QString& AFileName);
