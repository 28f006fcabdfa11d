#include "data/sqlite/EmbeddedSchema.h"

#include "data/sqlite/SqliteConnection.h"

void ApplyEmbeddedSchema(TSqliteConnection& db) {
  for (const TSchemaScript& script : EmbeddedSchemaScripts()) {
    try {
      db.ExecuteNative(script.Sql);
    } catch (const EDatabaseError& e) {
      throw EDatabaseError(QStringLiteral("Schema script ") + script.Name + QStringLiteral(": ") +
                           e.Message());
    }
  }
}
