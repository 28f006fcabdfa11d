#pragma once

// Plugs the embedded database's parts into the driver before any connection
// opens: the T-SQL layer with the global temporary tables of tempdb, the
// suite's login routines and its other server routines. Explicit calls rather than static
// initialisers, which the linker may drop from a static library. Calling it again does nothing.
void InstallEmbeddedDatabaseSupport();
