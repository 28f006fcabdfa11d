#include "app/utKsCrystalEx.h"

#include "config/KeystaneCfg.h"
#include "core/RegionalFormats.h"
#include "core/UserPrompts.h"

#include <QFile>

#include <dlfcn.h>

namespace {
// Looked up in this order; the first one missing names the failure.
constexpr const char* kRequiredProcedures[] = {
    "PassParametersAndShow",  "PassParametersAndExport",
    "GetParametersAndShow",   "ShowReport",
    "DeleteReport",           "EditParameters",
    "SetSubRptParams",        "CancelReport",
    "CancelViewer",           "ResizeViewer",
    "RegisterReportCallback",
};

// A parameter value as the report library reads it: dates in the program's
// regional formats, everything else as its text.
QString ParameterValueText(const QVariant& AValue) {
  if (AValue.typeId() == QMetaType::QDateTime) return DateTimeToStr(AValue.toDateTime());
  if (AValue.typeId() == QMetaType::QDate) return DateToStr(AValue.toDate());
  return AValue.toString();
}
}  // namespace

QString TKsCrystalEx::DefaultLibraryName() {
  return QStringLiteral("libCrystal.so");
}

TKsCrystalEx::TKsCrystalEx(const QString& ALibraryName, const QString& ALibPath) {
  const QString name = ALibraryName.isEmpty() ? DefaultLibraryName() : ALibraryName;
  if (name.contains(QLatin1Char('/'))) {
    FLibraryFile = name;
  } else {
    QString folder = ALibPath.isEmpty() ? GetKeystaneLibPath() : ALibPath;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    FLibraryFile = folder + name;
  }
  FHandle = dlopen(QFile::encodeName(FLibraryFile).constData(), RTLD_NOW | RTLD_LOCAL);
  if (!FHandle) {
    UserPrompts().ShowError(FLibraryFile + QStringLiteral(" Could not be loaded."));
    return;
  }
  LookUpProcedures();
}

TKsCrystalEx::~TKsCrystalEx() {
  try {
    Unload();
  } catch (const std::exception& e) {
    UserPrompts().ShowError(ExceptionMessage(e));
  }
}

void* TKsCrystalEx::Procedure(const char* AName) const {
  return FHandle ? dlsym(FHandle, AName) : nullptr;
}

void TKsCrystalEx::LookUpProcedures() {
  for (const char* name : kRequiredProcedures) {
    if (Procedure(name)) continue;
    dlclose(FHandle);
    FHandle = nullptr;
    throw EKsCrystalError(QStringLiteral("Procedure ") + QString::fromLatin1(name) +
                          QStringLiteral(" not found in ") + FLibraryFile + QStringLiteral("."));
  }
  FPassParametersAndShow =
      reinterpret_cast<TPassParametersAndShowProc>(Procedure("PassParametersAndShow"));
  // These may be missing from older libraries.
  FSetShowSummary = reinterpret_cast<TSetBooleanProc>(Procedure("SetShowSummary"));
  FSetSelectPrinter = reinterpret_cast<TSetBooleanProc>(Procedure("SetSelectPrinter"));
}

void TKsCrystalEx::Unload() {
  if (!FHandle) return;
  void* handle = FHandle;
  FHandle = nullptr;
  FPassParametersAndShow = nullptr;
  FSetShowSummary = nullptr;
  FSetSelectPrinter = nullptr;
  if (dlclose(handle) != 0)
    throw EKsCrystalError(FLibraryFile + QStringLiteral(" could not be unloaded."));
}

void TKsCrystalEx::SetShowSummary(bool bShowSummary) {
  if (!FSetShowSummary) return;
  THourglass hourglass;
  FSetShowSummary(bShowSummary ? 1 : 0);
}

void TKsCrystalEx::SetSelectPrinter(bool bSelectPrinter) {
  if (!FSetSelectPrinter) return;
  THourglass hourglass;
  FSetSelectPrinter(bSelectPrinter ? 1 : 0);
}

QString TKsCrystalEx::ParameterText(const QString& AParamNames, const QVariant& AParamValues) {
  const QStringList names = AParamNames.split(QLatin1Char(';'));
  QString text;
  if (names.size() == 1) {
    text = names.first() + QLatin1Char('=') + ParameterValueText(AParamValues) +
           QStringLiteral("\r\n");
    return text;
  }
  const QVariantList values = AParamValues.toList();
  for (int i = 0; i < names.size(); ++i)
    text +=
        names[i] + QLatin1Char('=') + ParameterValueText(values.value(i)) + QStringLiteral("\r\n");
  return text;
}

void TKsCrystalEx::PassParamsAndOpen(void* Parent, TKsReportCallbackProc AProc,
                                     const QString& sReportName, const QString& AParamNames,
                                     const QVariant& AParamValues) {
  if (!FPassParametersAndShow) return;
  THourglass hourglass;
  // The library takes the system's 8-bit encoding, which is UTF-8 here.
  const QByteArray reportName = QFile::encodeName(sReportName);
  const QByteArray parameters = ParameterText(AParamNames, AParamValues).toLocal8Bit();
  FPassParametersAndShow(Parent, AProc, nullptr, reportName.constData(), parameters.constData());
}
