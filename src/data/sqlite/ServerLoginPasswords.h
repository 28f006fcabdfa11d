#pragma once

#include <QString>

#include <cstddef>

// Argon2id password hashes (libsodium's crypto_pwhash_str) for the embedded
// server's login routines. A hash string carries its own salt and cost, so a
// hash made with any limits verifies whatever the limits are now.

struct TServerLoginHashLimits {
  unsigned long long OpsLimit = 0;
  size_t MemLimit = 0;
};

// libsodium's interactive limits: what the server uses unless told otherwise.
TServerLoginHashLimits InteractiveServerLoginHashLimits();
// libsodium's lowest limits, for test fixtures that hash many passwords.
TServerLoginHashLimits MinimumServerLoginHashLimits();

// The limits new hashes are made with, process-wide.
TServerLoginHashLimits ServerLoginHashLimits();
void SetServerLoginHashLimits(const TServerLoginHashLimits& limits);

// Initialises libsodium once; throws EDatabaseError when it cannot.
void InitServerLoginCrypto();

// A new hash string of the password's UTF-8 bytes, with a fresh salt.
// Throws EDatabaseError when the hash cannot be made (out of memory).
QString ServerLoginHashPassword(const QString& password);

// Whether the password matches the hash string; false for an empty or
// malformed hash.
bool ServerLoginVerifyPassword(const QString& hash, const QString& password);
