#pragma once

class TDemoContext;

// Disciplinary reports with their hearings, some events with two reports
// (JBDISPLN).
void WriteDemoDisciplinary(TDemoContext& context);
