#pragma once

#include <QDate>

struct sqlite3;

// Fills a database that has the embedded schema with the demo county jail
// of DemoDatabase.h, for the given seed, scale and day. The caller holds
// the transaction.
void FillDemoJail(sqlite3* db, quint64 seed, int scale, const QDate& today);
