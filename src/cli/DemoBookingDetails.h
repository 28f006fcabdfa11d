#pragma once

class TDemoContext;

// What else hangs off a booking: the periods it was held for other
// jurisdictions (JURISDICTIONHISTORY), sentence adjustments of the cases
// (SENTENCEADJUSTMENTS, SENTENCEADJCASELIST), the keep-from lists (JBKpFrom)
// and special requirements (JBSpecialRequirements).
void WriteDemoBookingDetails(TDemoContext& context);
