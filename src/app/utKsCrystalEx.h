#pragma once

#include "core/Exception.h"

#include <QString>
#include <QStringList>
#include <QVariant>

// A report library that cannot be used: a required procedure is missing, or
// the library cannot be unloaded again.
class EKsCrystalError : public Exception {
 public:
  using Exception::Exception;
};

// The procedures of the report library, as C functions. Texts are 8-bit
// strings ending in a zero byte; Booleans are ints (0 false).
extern "C" {
using TKsReportCallbackProc = void (*)(void* AData, int AEvent);
using TPassParametersAndShowProc = int (*)(void* AParent, TKsReportCallbackProc ACallback,
                                           void* AData, const char* AReportName,
                                           const char* AParameters);
using TSetBooleanProc = void (*)(int AValue);
}

// A thin wrapper over the external report library. Creating it loads the
// library and looks its procedures up by name; destroying it unloads it.
class TKsCrystalEx {
 public:
  // The library's file name when none is given.
  static QString DefaultLibraryName();

  // A name without a folder is looked for in the suite's library folder
  // (ALibPath, or LibPath of the configuration when empty); a name with a
  // folder is used as given. A library that cannot be loaded is reported to
  // the user and leaves the wrapper unloaded, so no report opens. A missing
  // required procedure unloads the library and throws EKsCrystalError.
  explicit TKsCrystalEx(const QString& ALibraryName = QString(),
                        const QString& ALibPath = QString());
  // Unloads without throwing; a failure is reported to the user.
  ~TKsCrystalEx();
  TKsCrystalEx(const TKsCrystalEx&) = delete;
  TKsCrystalEx& operator=(const TKsCrystalEx&) = delete;

  bool Loaded() const { return FHandle != nullptr; }
  const QString& LibraryFile() const { return FLibraryFile; }

  // Optional procedures; nothing happens when the library lacks them.
  void SetShowSummary(bool bShowSummary);
  void SetSelectPrinter(bool bSelectPrinter);

  // Shows the report with the parameters as name=value lines: AParamNames
  // is split at ";"; with a single name AParamValues is its value, with
  // several it is a list whose i-th element goes with the i-th name.
  void PassParamsAndOpen(void* Parent, TKsReportCallbackProc AProc, const QString& sReportName,
                         const QString& AParamNames, const QVariant& AParamValues);

  // The parameter text PassParamsAndOpen hands over.
  static QString ParameterText(const QString& AParamNames, const QVariant& AParamValues);

  // Unloads now; EKsCrystalError when the library cannot be unloaded.
  void Unload();

 private:
  void* Procedure(const char* AName) const;
  void LookUpProcedures();

  QString FLibraryFile;
  void* FHandle = nullptr;
  TPassParametersAndShowProc FPassParametersAndShow = nullptr;
  TSetBooleanProc FSetShowSummary = nullptr;
  TSetBooleanProc FSetSelectPrinter = nullptr;
};
