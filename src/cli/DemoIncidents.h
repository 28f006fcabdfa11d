#pragma once

class TDemoContext;

// Incidents of the last two years with the persons involved, the charges
// that arose and the officers' narratives (JBINCIDE, JBINCPER, JBINCCHG,
// JBINC_NAR), approved, unapproved and never reviewed.
void WriteDemoIncidents(TDemoContext& context);
