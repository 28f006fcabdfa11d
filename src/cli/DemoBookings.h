#pragma once

class TDemoContext;

// Builds the demo jail's population in the context: the people and their
// bookings (in custody at the facilities' sizes, and several thousand
// released ones over six years at scale 1), with cases, charges, bonds and
// sentences, in booking order with their booking numbers. Needs the
// housing, statutes, agencies and photographs to be in the context.
void BuildDemoBookings(TDemoContext& context);
