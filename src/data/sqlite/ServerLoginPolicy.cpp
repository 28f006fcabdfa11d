#include "data/sqlite/ServerLoginPolicy.h"

#include "data/sqlite/ServerLoginPasswords.h"

#include <algorithm>

QString ServerPasswordRuleError(const QString& userName, const QString& password,
                                const TServerPasswordPolicy& policy,
                                const QStringList& recentHashes) {
  if (password.size() < policy.MinLength)
    return QStringLiteral("The password must be at least %1 characters long.")
        .arg(policy.MinLength);
  const bool letter =
      std::any_of(password.begin(), password.end(), [](QChar c) { return c.isLetter(); });
  const bool digit =
      std::any_of(password.begin(), password.end(), [](QChar c) { return c.isDigit(); });
  if (!letter || !digit)
    return QStringLiteral("The password must contain both letters and digits.");
  const QString name = userName.trimmed();
  if (!name.isEmpty() && password.contains(name, Qt::CaseInsensitive))
    return QStringLiteral("The password must not contain the user name.");
  // The slow check last: each comparison is a full Argon2id hash.
  const int depth = std::min<int>(policy.HistoryDepth, int(recentHashes.size()));
  for (int i = 0; i < depth; ++i) {
    if (!ServerLoginVerifyPassword(recentHashes[i], password)) continue;
    return policy.HistoryDepth == 1
               ? QStringLiteral("The new password must differ from the current one.")
               : QStringLiteral("The password must not be one of the last %1 passwords used.")
                     .arg(policy.HistoryDepth);
  }
  return QString();
}

bool ServerPasswordExpired(bool changeNow, const QDateTime& lastChanged,
                           const TServerPasswordPolicy& policy, const QDateTime& now) {
  if (changeNow || !lastChanged.isValid()) return true;
  return policy.MaxAgeDays > 0 && lastChanged.addDays(policy.MaxAgeDays) < now;
}
