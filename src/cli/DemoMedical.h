#pragma once

class TDemoContext;

// Medical records of bookings of the last year: intake screenings (JBMEDI),
// visits with prescriptions and their items and dispensings, laboratory
// tests, services and follow-up appointments, pending and completed.
void WriteDemoMedical(TDemoContext& context);
