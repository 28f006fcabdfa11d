#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// `tallyhouse sql [--db FILE] [--translate] "T-SQL"`: runs one batch on the
// embedded database and writes its first result set as CSV with a header
// line, or with --translate writes the SQLite text it would run. Throws
// ECommandLineError / EDatabaseError / EIniFileError.
void RunSqlCommand(const QStringList& args, QTextStream& out);

// The connection string of the embedded database the configuration file
// names (found by the configuration search), for commands given no --db.
// Throws EIniFileError when there is none.
QString ConfiguredEmbeddedConnectionString(QString* baseFolder);
