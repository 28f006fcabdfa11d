#pragma once

#include <QStringList>

class QTextStream;

// Exit statuses of tallyhouse run.
enum TRunExitStatus { rxPrinted = 0, rxNoData = 1, rxBadInput = 2 };

// tallyhouse run HANDLER: runs one catalogue entry headless, as a click in
// the window would after the same login and facility choice, answering its
// dialogs and questions from the options and writing the report to the
// output file. Messages go to `err`, the files written to `out`.
int RunReportCommand(const QStringList& args, QTextStream& out, QTextStream& err);

QString RunCommandUsage();
