#pragma once

#include <QDate>
#include <QString>

struct TDemoDatabaseOptions {
  int Seed = 1;   // the same seed, scale and day give the same data
  int Scale = 1;  // multiplies the number of inmates and bookings; 0: a small jail
  // The day the jail is built for (bookings, releases and schedules lie
  // around it); invalid: today.
  QDate Today;
};

// The demo database's file name, beside the demo configuration file.
QString DemoDatabaseFileName();

// Creates a new embedded database at `file`: the embedded schema, the
// configuration rows that make every logical database this same file, and
// the demo county jail (DemoJailData.h), all in one transaction. It is
// built under a temporary name beside `file` and renamed at the end, so a
// failure leaves no file behind. An existing `file` is never replaced.
// Throws ECommandLineError when `file` exists or its folder does not, and
// EDatabaseError for a failure while building.
void CreateDemoDatabase(const QString& file, const TDemoDatabaseOptions& options = {});
