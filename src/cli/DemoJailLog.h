#pragma once

class TDemoContext;

// The jail log of the last months: entries of every log code, mostly rich
// text, some plain, empty or missing, a few by supervisors, many with the
// inmates they concern linked (JBLOG, JL_JB_XREF).
void WriteDemoJailLog(TDemoContext& context);
