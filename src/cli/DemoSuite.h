#pragma once

#include <vector>

class TDemoContext;

// A user of the demo database and the password it logs in with (README.md,
// "Demo database").
struct TDemoUser {
  const char* UserName;
  const char* Password;
  const char* PerNo;
  const char* Name;
};
// DEMO has full access; CLERK may not see juvenile information, sealed
// cases or the classification actions.
const std::vector<TDemoUser>& DemoUsers();

// The officers and agencies the jail's records name, kept in the context.
void BuildDemoStaff(TDemoContext& context);

// The suite's tables around the jail: employees (EMPMAST), agencies with the
// primary agency's logo (CFGAGNCY, CFGLOGO), the shared settings
// (SharedINI), code choices (CfgChoices), users with their password hashes
// and their access levels (Users, AccessV4).
void WriteDemoSuite(TDemoContext& context);
