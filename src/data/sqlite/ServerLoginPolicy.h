#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The embedded server's password rule (table PasswordPolicy). A new password
// is acceptable when it
//   - has at least MinLength characters (8 by default),
//   - contains at least one letter and at least one digit,
//   - does not contain the user name (without regard to case),
//   - is none of the user's latest HistoryDepth passwords (5 by default:
//     the current one and the four before it).
// A password has expired when PwdChangeNow is set, when it was never
// changed (PwdLastChanged null), or when MaxAgeDays is above 0 and it is
// older than that.
struct TServerPasswordPolicy {
  int MinLength = 8;
  int HistoryDepth = 5;
  int MaxAgeDays = 0;
};

// The first rule the password breaks, as the message the user sees; empty
// when it is acceptable. `recentHashes` are the hashes of the user's latest
// passwords, newest first (at most HistoryDepth are looked at).
QString ServerPasswordRuleError(const QString& userName, const QString& password,
                                const TServerPasswordPolicy& policy,
                                const QStringList& recentHashes);

bool ServerPasswordExpired(bool changeNow, const QDateTime& lastChanged,
                           const TServerPasswordPolicy& policy, const QDateTime& now);
