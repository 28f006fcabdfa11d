#pragma once

#include <QDateTime>
#include <QString>

// Who and where this program runs, as the suite records it in lock tables
// and log rows: the process's login name, the host name and the program's
// file name without its folder.
QString WorkstationUserName();
QString WorkstationComputerName();
QString RunningProgramFileName();

// The workstation's clock as a naive date-time (carried as UTC, never shifted).
QDateTime WorkstationNow();
