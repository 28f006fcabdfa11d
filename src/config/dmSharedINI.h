#pragma once

#include "config/DataModuleConfigInfo.h"
#include "data/KsMSAccess.h"
#include "data/KsSQLDatabase.h"

#include <QString>

class TKsCustomConfigInfo;

// The shared settings module: the table SharedINI of the configuration
// database, which every program of the suite shares, read and written like
// an ini file of groups (sections) and names (keys). Failures are shown to
// the user and never thrown: a failed read gives the default, a failed
// existence check counts as "exists" so that the write that follows is an
// update.
class TdtmSharedINI {
 public:
  // Finds the suite configuration file by the usual search.
  TdtmSharedINI();
  // Looks connection strings up through AConfigInfo (not owned).
  explicit TdtmSharedINI(TKsCustomConfigInfo* AConfigInfo);
  ~TdtmSharedINI();
  TdtmSharedINI(const TdtmSharedINI&) = delete;
  TdtmSharedINI& operator=(const TdtmSharedINI&) = delete;

  QString GetStringValue(const QString& VariableGroup, const QString& VariableId,
                         const QString& DefaultValue);
  // "0"/"FALSE" false, "1"/"TRUE" true (any case), else DefaultValue.
  bool GetBooleanValue(const QString& VariableGroup, const QString& VariableId, bool DefaultValue);
  // An empty or non-numeric value gives DefaultValue.
  int GetIntegerValue(const QString& VariableGroup, const QString& VariableId, int DefaultValue);

  bool CheckIfExist(const QString& VariableGroup, const QString& VariableId);
  // Updates the row, or inserts it when there is none.
  void WriteVariableValue(const QString& VariableGroup, const QString& VariableId,
                          const QString& VariableValue);
  void WriteStringValue(const QString& VariableGroup, const QString& VariableId,
                        const QString& Value);
  void WriteIntegerValue(const QString& VariableGroup, const QString& VariableId, int Value);
  // Stores "TRUE" or "FALSE".
  void WriteBooleanValue(const QString& VariableGroup, const QString& VariableId, bool Value);
  // Stores "1" or "0", for the settings other programs keep as digits.
  void WriteBooleanValueAsDigit(const QString& VariableGroup, const QString& VariableId,
                                bool Value);

  TKsCustomConfigInfo* KsConfigInfo() const { return FKsConfigInfo.Get(); }

 private:
  TDataModuleConfigInfo FKsConfigInfo;

 public:
  TKsSQLDatabase dbCFG{QStringLiteral("dbCFG")};
  TKsMSQuery qryGetValue{QStringLiteral("qryGetValue")};
  TKsMSQuery qryCheckIfExist{QStringLiteral("qryCheckIfExist")};
  TKsMSQuery qryWriteValue{QStringLiteral("qryWriteValue")};
};

// The process-wide shared settings module; set by start-up (and by users
// that re-create it when they find it missing), cleared before it is
// destroyed.
extern TdtmSharedINI* dtmSharedINI;
