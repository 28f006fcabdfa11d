#include "data/sqlite/ServerViewFunctions.h"

#include <QStringList>

QString TServerViewFunction::ColumnNames() const {
  QStringList names;
  for (const QString& column : Columns) names << column.section(u' ', 0, 0);
  return names.join(QStringLiteral(", "));
}

QString TServerViewFunction::Select() const {
  return QStringLiteral("SELECT %1 FROM %2").arg(ColumnNames(), View);
}

const std::vector<TServerViewFunction>& ServerViewFunctions() {
  static const std::vector<TServerViewFunction> functions = {
      // A booking's absences: each check-out with the check-in that ended it.
      {QStringLiteral("fnks_CheckInOutOnSameRow"),
       QStringLiteral("CheckOutIn"),
       QStringLiteral("BookNo"),
       {QStringLiteral("CheckInOutId INTEGER"), QStringLiteral("BookNo VARCHAR(15) COLLATE TSQL"),
        QStringLiteral("CheckOutTime DATETIME"), QStringLiteral("CheckOutReasonCode INT"),
        QStringLiteral("CheckOutOfficerName VARCHAR(50) COLLATE TSQL"),
        QStringLiteral("CheckOutOfficerNumber VARCHAR(10) COLLATE TSQL"),
        QStringLiteral("CheckInTime DATETIME"), QStringLiteral("CheckInReasonCode INT"),
        QStringLiteral("CheckInOfficerName VARCHAR(50) COLLATE TSQL"),
        QStringLiteral("CheckInOfficerNumber VARCHAR(10) COLLATE TSQL")}},
  };
  return functions;
}

const TServerViewFunction* FindServerViewFunction(const QString& name) {
  for (const TServerViewFunction& f : ServerViewFunctions())
    if (f.Name.compare(name, Qt::CaseInsensitive) == 0) return &f;
  return nullptr;
}
