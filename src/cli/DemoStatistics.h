#pragma once

class TDemoContext;

// The daily population snapshots of the last weeks (JBDOCTOTALS), as the
// suite's collection service writes them, and the billing rules of the
// agencies the jail holds inmates for (AgencyBilling).
void WriteDemoStatistics(TDemoContext& context);
