#include "security/UserAccessHelper.h"

#include "data/KsDBLib.h"
#include "data/driver/DbTypes.h"

namespace {

const QString kNoAccess = QStringLiteral("XX");

QString ScalarText(TKsSQLDatabase* connection, const QString& sql, const QVariantList& params) {
  QVariant value;
  GetScalarValue(connection, sql, params, value);
  return DbValue::IsNull(value) ? QString() : value.toString().trimmed().toUpper();
}

}  // namespace

TUserAccessHelper::TUserAccessHelper(TKsSQLDatabase* AEmpMastConnection,
                                     TKsSQLDatabase* AUserAccessConnection)
    : FEmpMastConnection(AEmpMastConnection), FUserAccessConnection(AUserAccessConnection) {}

QString TUserAccessHelper::GetLoginPerNo(const QString& ALoginName) {
  if (ALoginName.isEmpty()) return QString();
  return ScalarText(FEmpMastConnection,
                    QStringLiteral("SELECT TOP 1 PerNo FROM dbo.Users WHERE UserName = :UserName"),
                    {ALoginName});
}

QString TUserAccessHelper::GetAccessLevelByPerNo(const QString& APerNo, const QString& ASuite,
                                                 const QString& AModule, const QString& ASection) {
  if (APerNo.isEmpty()) return kNoAccess;
  const QString level = ScalarText(
      FUserAccessConnection,
      QStringLiteral("SELECT TOP 1 [Level] FROM AccessV4 WHERE PerNo = :PerNo AND Suite = :Suite "
                     "AND Module = :Module AND Section = :Section"),
      {APerNo, ASuite, AModule, ASection});
  return level.isEmpty() ? kNoAccess : level;
}

QString TUserAccessCachingHelper::AccessLevelKey(const QString& APerNo, const QString& ASuite,
                                                 const QString& AModule, const QString& ASection) {
  const QChar separator(28);
  return APerNo + separator + ASuite + separator + AModule + separator + ASection;
}

QString TUserAccessCachingHelper::GetLoginPerNo(const QString& ALoginName) {
  if (const auto it = FUserNamePerNoCache.constFind(ALoginName); it != FUserNamePerNoCache.cend())
    return *it;
  const QString perNo = TUserAccessHelper::GetLoginPerNo(ALoginName);
  if (!perNo.isEmpty()) FUserNamePerNoCache.insert(ALoginName, perNo);
  return perNo;
}

QString TUserAccessCachingHelper::GetAccessLevelByPerNo(const QString& APerNo,
                                                        const QString& ASuite,
                                                        const QString& AModule,
                                                        const QString& ASection) {
  const QString key = AccessLevelKey(APerNo, ASuite, AModule, ASection);
  if (const auto it = FPerNoAccessLevelCache.constFind(key); it != FPerNoAccessLevelCache.cend())
    return *it;
  const QString level = TUserAccessHelper::GetAccessLevelByPerNo(APerNo, ASuite, AModule, ASection);
  FPerNoAccessLevelCache.insert(key, level);
  return level;
}
