#pragma once

#include <QString>

// Who owns a global temporary table of the embedded database: the process
// that created it (host, process id and the moment the process started, so
// that a recycled id is not mistaken for the owner) and the connection in it.
struct TSqliteTempdbOwner {
  QString HostName;
  qint64 ProcessId = 0;
  qint64 ProcessStart = 0;  // in clock ticks since boot; 0 when unknown
  QString ConnectionId;
};

// This process, for a connection of the given id.
TSqliteTempdbOwner CurrentTempdbOwner(const QString& connectionId);

// Whether the owner certainly no longer holds its tables: its process on
// this host has ended (or its id now belongs to another process), or, in
// this very process, its connection has closed. An owner on another host
// cannot be checked and counts as alive.
bool TempdbOwnerIsGone(const TSqliteTempdbOwner& owner);

// Connection ids of this process's embedded connections that created
// global temporary tables; an id is live from its first use until its
// connection closes.
QString TempdbConnectionId(const void* handle);
// The connection's id when it has one; empty otherwise.
QString FindTempdbConnectionId(const void* handle);
void ForgetTempdbConnection(const void* handle);
bool IsLiveTempdbConnection(const QString& connectionId);
