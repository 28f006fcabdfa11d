#include "data/sqlite/SqliteProcedures.h"

#include "core/Exception.h"
#include "data/driver/SqlLexer.h"

#include <QHash>

#include <mutex>

namespace {

struct TRegistry {
  std::mutex Mutex;
  QHash<QString, TSqliteProcedure> Procedures;
};

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

QString Key(const QString& name) {
  const QString object = SqlObjectName(name);
  return (object.isEmpty() ? name.trimmed() : object).toUpper();
}

}  // namespace

const QVariant& TSqliteProcedureContext::Arg(const QString& name) const {
  if (const TDbParam* p = FindDbParam(Args, name)) return p->Value;
  throw EDatabaseError(QStringLiteral("Procedure or function '%1' expects parameter '%2', "
                                      "which was not supplied.")
                           .arg(ProcedureName, name));
}

const QVariant& TSqliteProcedureContext::Arg(size_t index) const {
  if (index < Args.size()) return Args[index].Value;
  throw EDatabaseError(QStringLiteral("Procedure or function '%1' expects at least %2 "
                                      "arguments, but %3 were supplied.")
                           .arg(ProcedureName)
                           .arg(index + 1)
                           .arg(Args.size()));
}

void TSqliteProcedureContext::SetOutput(const QString& name, const QVariant& value) {
  TDbParam* p = FindDbParam(Args, name);
  if (!p)
    throw EDatabaseError(QStringLiteral("Procedure or function '%1' expects parameter '%2', "
                                        "which was not supplied.")
                             .arg(ProcedureName, name));
  p->Value = value;
}

void RegisterSqliteProcedure(const QString& name, TSqliteProcedure procedure) {
  std::lock_guard lock(Registry().Mutex);
  Registry().Procedures.insert(Key(name), std::move(procedure));
}

TSqliteProcedure FindSqliteProcedure(const QString& name) {
  std::lock_guard lock(Registry().Mutex);
  return Registry().Procedures.value(Key(name));
}
