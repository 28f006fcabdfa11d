#pragma once

class TDemoContext;

// The jail's day to day: log entries in rich text with their linked
// inmates and the supervisors' entries (JBLOG, JL_JB_XREF), visitor lists
// and banned visitors with the visits made (JBVISIT, JBVSTLOG,
// JBVisitScheduled), incidents with persons, charges and narratives,
// property taken in and stored, and disciplinary reports.
void WriteDemoOperations(TDemoContext& context);
