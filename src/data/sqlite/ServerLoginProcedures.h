#pragma once

struct TSqliteProcedureContext;

// The suite's login procedures on the embedded database, called through
// "{:RETURN_VALUE = CALL kssp_... (...)}". Register them with
// RegisterEmbeddedLoginRoutines (ServerLoginRoutines.h).

// kssp_Login (:UserName, :Password, :PasswordExpired, :ErrorMessage,
//             :PrimaryLogin, :ModuleName, :ModuleVersion, :LoginSessionKey)
// Returns true when the password matches the user's hash. PasswordExpired
// then tells whether it must be changed now; a primary login opens a session
// whose key comes back. A refusal gives "Invalid user name or password." in
// ErrorMessage and never says which of the two was wrong. Every attempt is
// written to LoginHistory. There is no lock-out.
void KsspLogin(TSqliteProcedureContext& call);

// kssp_Logout (:LoginSessionKey): ends the session; returns whether one was open.
void KsspLogout(TSqliteProcedureContext& call);

// kssp_WriteLoginHistory (:UserName, :Success, :PrimaryLogin, :ModuleName,
//                         :ModuleVersion, :LoginSessionKey)
// Records a login that needed no password (command line, Windows account);
// a successful primary one opens a session whose key comes back.
void KsspWriteLoginHistory(TSqliteProcedureContext& call);

// kssp_CheckPasswordStrength (:UserName, :Password, :ErrorMessage)
// Returns whether the password meets the rule of ServerLoginPolicy.h;
// otherwise ErrorMessage says which part it breaks.
void KsspCheckPasswordStrength(TSqliteProcedureContext& call);
