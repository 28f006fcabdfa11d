#include "data/sqlite/EmbeddedSchema.h"

#include "data/driver/DbConnection.h"

void ApplyEmbeddedSchema(IDbConnection& db) {
  for (const TSchemaScript& script : EmbeddedSchemaScripts()) {
    std::vector<TDbParam> none;
    try {
      db.Execute(script.Sql, none);
    } catch (const EDatabaseError& e) {
      throw EDatabaseError(QStringLiteral("Schema script ") + script.Name + QStringLiteral(": ") +
                           e.Message());
    }
  }
}
