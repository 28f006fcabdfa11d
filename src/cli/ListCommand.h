#pragma once

#include <QStringList>

class QTextStream;
class TReportCatalogue;

// tallyhouse list: every catalogue entry with its menu path, item, handler,
// whether it is shown and whether its report is part of this build.
void RunListCommand(const QStringList& args, QTextStream& out);

// The listing of a catalogue, one entry a line under a header, columns
// aligned, and a closing line with the counts.
void WriteCatalogueListing(const TReportCatalogue& catalogue, QTextStream& out);
