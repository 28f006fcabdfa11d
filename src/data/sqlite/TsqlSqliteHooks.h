#pragma once

// Plugs the T-SQL layer into the embedded backend: every SQLite connection
// gets the function library and the TSQL collation when it opens, and every
// statement it runs goes through the T-SQL translator. Installed at static
// initialisation when this unit is linked in; calling it again does nothing.
void InstallTsqlLayer();
