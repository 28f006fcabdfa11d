#pragma once

class TDemoContext;

// The jail's configuration: facilities with their dorms, cells and beds
// (also kept in the context for the bookings), and the code tables of
// DemoCodes.h, the statute charges, property storage, the database-driven
// report menus and the signature configuration.
void WriteDemoHousing(TDemoContext& context);
void WriteDemoCodeTables(TDemoContext& context);
