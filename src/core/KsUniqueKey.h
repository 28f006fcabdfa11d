#pragma once

#include <QString>
#include <QUuid>

// The 22-character keys of the suite's UNIQUEKEY columns. Written by the
// program's own inserts (transaction log, new dataset rows) and by the
// embedded database's fnks_GetUniqueID, so both make keys the same way.

// A new 22-character key for a UNIQUEKEY column.
QString NewUniqueKey();
// The key of a GUID: its 32 hexadecimal digits cut, from the right, into ten
// groups of three and a leading group of two, each written as two base-64
// digits of "0-9A-Za-z{|". The first character is therefore 0 to 3.
QString UniqueKeyFromGuid(const QUuid& Guid);
// The same from a GUID's text (with or without braces and hyphens); only
// its hexadecimal digits count. A text with fewer than 32 is taken as if
// zeros led it, one with more by its last 32, so any text gives a key.
QString UniqueKeyFromGuidText(const QString& GuidText);
