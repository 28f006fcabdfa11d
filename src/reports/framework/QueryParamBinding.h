#pragma once

#include <QDateTime>
#include <QString>

class TKsCustomDataSet;

// Parameters of the statements report entries build: created when the text
// does not name them yet, typed and set, so the value is bound as that type
// whatever the driver would guess from it.
void BindDateTimeParam(TKsCustomDataSet& query, const QString& name, const QDateTime& value);
// The same for string parameters.
void BindStringParam(TKsCustomDataSet& query, const QString& name, const QString& value);
