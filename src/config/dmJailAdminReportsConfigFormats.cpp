#include "config/dmJailAdminReportsConfigFormats.h"

#include "config/KsConfigInfo.h"
#include "config/KsMemIniFile.h"
#include "core/UserPrompts.h"

namespace {

void Replace(const TKsMemIniFile& AIni, const char* AKey, QString& AFormat) {
  const QString value = AIni.ReadString(QStringLiteral("SYSTEM"), QString::fromLatin1(AKey), {});
  if (!value.isEmpty()) AFormat = value;
}

}  // namespace

QString JailConfigIniFileName() {
  return QStringLiteral("JAILCONFIG.ini");
}

TRegionalFormats JailConfigRegionalFormats(const QString& AJailConfigIni,
                                           TRegionalFormats formats) {
  formats.DateSeparator = QLatin1Char('/');
  formats.ShortDateFormat = QStringLiteral("mm/dd/yyyy");
  formats.LongDateFormat = QStringLiteral("mmm/dd/yyyy");
  formats.ShortTimeFormat = QStringLiteral("hh:nn AM/PM");
  formats.LongTimeFormat = QStringLiteral("hh:nn:ss AM/PM");
  if (AJailConfigIni.isEmpty()) return formats;

  const TKsMemIniFile ini = TKsMemIniFile::Load(AJailConfigIni);
  Replace(ini, "KSShortDateFormat", formats.ShortDateFormat);
  Replace(ini, "KSLongDateFormat", formats.LongDateFormat);
  Replace(ini, "KSShortTimeFormat", formats.ShortTimeFormat);
  Replace(ini, "KSLongTimeFormat", formats.LongTimeFormat);
  return formats;
}

QString FindJailConfigIni(const TKsCustomConfigInfo& AConfigInfo) {
  const QString folder = AConfigInfo.KeystaneIniFolder();
  if (folder.isEmpty()) return {};
  const auto& findFile = AConfigInfo.SearchEnvironment().FindFile;
  const QString path = folder + JailConfigIniFileName();
  return findFile ? findFile(path) : FindFileIgnoringCase(path);
}

void SetJailConfigRegionalFormats(const TKsCustomConfigInfo& AConfigInfo) {
  QString file;
  try {
    file = FindJailConfigIni(AConfigInfo);
    SetRegionalFormats(JailConfigRegionalFormats(file, RegionalFormats()));
  } catch (const std::exception& e) {
    SetRegionalFormats(JailConfigRegionalFormats(QString(), RegionalFormats()));
    UserPrompts().ShowWarning(ExceptionMessage(e));
  }
}
