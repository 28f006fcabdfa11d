#pragma once

#include <QDateTime>
#include <QString>

class TKsCustomDataSet;

// Date-time parameters of the statements report entries build: created when
// the text does not name them yet, typed as date-times and set, so the value
// is bound as a date-time whatever the driver would guess from it.
void BindDateTimeParam(TKsCustomDataSet& query, const QString& name, const QDateTime& value);
