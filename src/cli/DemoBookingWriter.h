#pragma once

class TDemoContext;

// Writes the population built by BuildDemoBookings: the master name index
// (MNI) and the warrants and arrest reports (ARREST), the bookings in
// custody (JAILBOOK) and released (JBHISTO), their cases and charges.
void WriteDemoBookings(TDemoContext& context);
