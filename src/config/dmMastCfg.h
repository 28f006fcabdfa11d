#pragma once

#include "config/DataModuleConfigInfo.h"
#include "config/PrimaryAgencyInfoProviderInterface.h"
#include "data/KsMSAccess.h"
#include "data/KsSQLDatabase.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class TKsCustomConfigInfo;

// The master-configuration module, as far as this program uses it: the
// agency record that heads every report, the primary agency's logo, the
// employees, the choice lists, the juvenile ages and its own reader of the
// shared settings.
class TdtmMastCfg : public IPrimaryAgencyInfoProvider {
 public:
  // The logged-in user's primary agency (an ORG_ABBREV); empty when nobody
  // is logged in or the user has none.
  using TUserAgencyEvent = std::function<QString()>;

  TdtmMastCfg();
  explicit TdtmMastCfg(TKsCustomConfigInfo* AConfigInfo);
  ~TdtmMastCfg() override;
  TdtmMastCfg(const TdtmMastCfg&) = delete;
  TdtmMastCfg& operator=(const TdtmMastCfg&) = delete;

  // An item of the current agency's record ("NAME", "ABBREV", "ORI",
  // "POPULATION", ...; without regard to case). The current agency is the
  // primary one, or on a mobile installation the one the configuration file
  // names in USER_DATA/Agency, or else the user's own. "XXXX" when there is
  // no such agency, the item is unknown or anything fails: report headers
  // then show that.
  QString GetAgencyInfo(const QString& Item);
  QString GetAgencyName() override;
  // The primary agency's logo, read once per run. A null image when there is
  // none or the stored picture cannot be read.
  QImage GetLogoAsJpeg() override;

  // The shared settings through this module's own query.
  QString SharedIniReadString(const QString& ASection, const QString& AIdent,
                              const QString& ADefault);
  int SharedIniReadInteger(const QString& ASection, const QString& AIdent, int ADefault);
  // True/false (any case) or a whole number (non-zero is true); anything else
  // gives the default.
  bool SharedIniReadBool(const QString& ASection, const QString& AIdent, bool ADefault);
  bool SharedIniCheckIfExist(const QString& ASection, const QString& AIdent);
  void SharedIniWriteString(const QString& ASection, const QString& AIdent, const QString& AValue);

  // Below these ages a suspect, a victim and a person in general are juveniles.
  int JuvenileSuspectAge() const { return FJuvenileSuspectAge; }
  int JuvenileVictimAge() const { return FJuvenileVictimAge; }
  int JuvenileAge() const { return FJuvenileAge; }
  // The installation's first area code; empty on a mobile installation.
  const QString& DefaultAreaCode() const { return FDefaultAreaCode; }

  TKsCustomConfigInfo* KsConfigInfo() const { return FKsConfigInfo.Get(); }

  TUserAgencyEvent OnGetUserAgency;

 private:
  TDataModuleConfigInfo FKsConfigInfo;

 public:
  TKsSQLDatabase dbCFG{QStringLiteral("dbCFG")};
  TKsSQLDatabase dbEmpMast{QStringLiteral("dbEmpMast")};

  TKsMSTable tblCFGAGNCY{QStringLiteral("tblCFGAGNCY")};
  TKsMSQuery tblCFGLOGO{QStringLiteral("tblCFGLOGO")};
  TKsMSTable tblEmpMast{QStringLiteral("tblEmpMast")};
  TKsMSTable tblCfgChoices{QStringLiteral("tblCfgChoices")};
  TKsMSQuery qrySharedIni{QStringLiteral("qrySharedIni")};
  TKsMSQuery qrySharedIniCheck{QStringLiteral("qrySharedIniCheck")};
  TKsMSQuery qrySharedIniWrite{QStringLiteral("qrySharedIniWrite")};
  TKsMSQuery qryAreaCode{QStringLiteral("qryAreaCode")};

 private:
  void DataModuleCreate();
  void ReadDefaultAreaCode();
  // The filter that picks the current agency out of tblCFGAGNCY.
  QString AgencyFilter();

  int FJuvenileSuspectAge = 18;
  int FJuvenileVictimAge = 18;
  int FJuvenileAge = 18;
  QString FDefaultAreaCode;
  // USER_DATA/Agency of a mobile installation's configuration file.
  QString FMobileAgency;
  // Empty until first asked for; then the logo, or a null image for none.
  std::optional<QImage> FPrimaryAgencyLogo;
};

extern TdtmMastCfg* dtmMastCfg;
