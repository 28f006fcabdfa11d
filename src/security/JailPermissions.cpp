#include "security/JailPermissions.h"

#include "security/dmAccess.h"

namespace {

bool HasJailBookFullAccess(const char* ASection) {
  if (!dtmAccess || dtmAccess->UserName().isEmpty()) return false;
  return dtmAccess->GetAccessLevel(dtmAccess->UserName(), QStringLiteral("JAIL"),
                                   QStringLiteral("JAILBOOK"),
                                   QString::fromLatin1(ASection)) == QLatin1String("FA");
}

}  // namespace

bool JailPermissionsReader::HasViewSealedFullAccess() {
  return HasJailBookFullAccess("VIEW_SEALED");
}

bool JailPermissionsReader::HasSetSealedFullAccess() {
  return HasJailBookFullAccess("SEAL");
}
