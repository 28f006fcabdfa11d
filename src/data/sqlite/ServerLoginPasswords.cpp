#include "data/sqlite/ServerLoginPasswords.h"

#include "core/Exception.h"

#include <sodium.h>

#include <atomic>

namespace {

std::atomic<unsigned long long> gOpsLimit{crypto_pwhash_OPSLIMIT_INTERACTIVE};
std::atomic<size_t> gMemLimit{crypto_pwhash_MEMLIMIT_INTERACTIVE};

}  // namespace

TServerLoginHashLimits InteractiveServerLoginHashLimits() {
  return {crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE};
}

TServerLoginHashLimits MinimumServerLoginHashLimits() {
  return {crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN};
}

TServerLoginHashLimits ServerLoginHashLimits() {
  return {gOpsLimit.load(), gMemLimit.load()};
}

void SetServerLoginHashLimits(const TServerLoginHashLimits& limits) {
  gOpsLimit = limits.OpsLimit;
  gMemLimit = limits.MemLimit;
}

void InitServerLoginCrypto() {
  // 0: initialised now, 1: already initialised.
  if (sodium_init() < 0)
    throw EDatabaseError(QStringLiteral("The password library could not be initialised."));
}

QString ServerLoginHashPassword(const QString& password) {
  InitServerLoginCrypto();
  const QByteArray utf8 = password.toUtf8();
  char hash[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(hash, utf8.constData(), static_cast<unsigned long long>(utf8.size()),
                        gOpsLimit.load(), gMemLimit.load()) != 0)
    throw EDatabaseError(QStringLiteral("The password could not be encrypted (out of memory)."));
  return QString::fromLatin1(hash);
}

bool ServerLoginVerifyPassword(const QString& hash, const QString& password) {
  if (hash.isEmpty() || hash.size() >= crypto_pwhash_STRBYTES) return false;
  InitServerLoginCrypto();
  const QByteArray stored = hash.toLatin1();
  const QByteArray utf8 = password.toUtf8();
  return crypto_pwhash_str_verify(stored.constData(), utf8.constData(),
                                  static_cast<unsigned long long>(utf8.size())) == 0;
}
