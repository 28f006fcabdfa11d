#pragma once

struct sqlite3;

// Installs the suite's login routines on the embedded backend: the
// procedures kssp_Login, kssp_Logout, kssp_WriteLoginHistory and
// kssp_CheckPasswordStrength (ServerLoginProcedures.h), and the scalar
// functions fnks_CheckPassword and fnks_EncryptPassword on every connection
// opened afterwards. Called once at start-up; calling it again does nothing.
// (Explicit rather than a static initialiser: the linker may drop an object
// file of a static library that nothing refers to.)
void RegisterEmbeddedLoginRoutines();

// The two scalar functions, on one raw connection:
//   fnks_CheckPassword(UserName, Password): 1 when the user exists and the
//     password matches the stored Argon2id hash, else 0.
//   fnks_EncryptPassword(Password): a new Argon2id hash string (null for null).
// Throws EDatabaseError when SQLite refuses a registration.
void RegisterServerLoginFunctions(sqlite3* db);
