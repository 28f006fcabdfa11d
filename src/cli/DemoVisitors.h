#pragma once

class TDemoContext;

// Visitor lists of inmates, banned visitors among them, and the visits
// made with the times they had been scheduled for (JBVISIT, JBVSTLOG,
// JBVisitScheduled); visitors are people of the master name index, a few
// not recorded there.
void WriteDemoVisitors(TDemoContext& context);
