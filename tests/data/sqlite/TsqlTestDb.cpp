#include "TsqlTestDb.h"

#include "core/Exception.h"
#include "data/sqlite/TsqlFunctions.h"
#include "data/sqlite/TsqlTranslator.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include <sqlite3.h>

namespace {

QString CellText(sqlite3_stmt* stmt, int c) {
  switch (sqlite3_column_type(stmt, c)) {
    case SQLITE_NULL:
      return QStringLiteral("NULL");
    case SQLITE_INTEGER:
      return QString::number(sqlite3_column_int64(stmt, c));
    case SQLITE_FLOAT:
      return QString::number(sqlite3_column_double(stmt, c), 'g', 15);
    case SQLITE_BLOB:
      return QStringLiteral("<blob %1>").arg(sqlite3_column_bytes(stmt, c));
    default:
      return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)),
                               sqlite3_column_bytes(stmt, c));
  }
}

void Bind(sqlite3_stmt* stmt, int index, const QVariant& v) {
  if (!v.isValid() || v.isNull()) {
    sqlite3_bind_null(stmt, index);
  } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong ||
             v.typeId() == QMetaType::Bool) {
    sqlite3_bind_int64(stmt, index, v.toLongLong());
  } else if (v.typeId() == QMetaType::Double) {
    sqlite3_bind_double(stmt, index, v.toDouble());
  } else if (v.typeId() == QMetaType::QDateTime) {
    // As the connection binds date-times: the canonical text.
    const QDateTime d = v.toDateTime();
    QString text = d.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (d.time().msec())
      text += QStringLiteral(".%1").arg(d.time().msec(), 3, 10, QLatin1Char('0'));
    sqlite3_bind_text(stmt, index, text.toUtf8().constData(), -1, SQLITE_TRANSIENT);
  } else {
    sqlite3_bind_text(stmt, index, v.toString().toUtf8().constData(), -1, SQLITE_TRANSIENT);
  }
}

}  // namespace

TTsqlTestDb::TTsqlTestDb() {
  if (sqlite3_open(":memory:", &FDb) != SQLITE_OK) ADD_FAILURE() << "cannot open :memory:";
  RegisterTsqlLibrary(FDb);
}

TTsqlTestDb::~TTsqlTestDb() {
  sqlite3_close(FDb);
}

void TTsqlTestDb::Exec(const QString& sqliteSql) {
  char* error = nullptr;
  if (sqlite3_exec(FDb, sqliteSql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
    ADD_FAILURE() << "fixture SQL failed: " << (error ? error : "?") << "\n"
                  << sqliteSql.toStdString();
    sqlite3_free(error);
  }
}

TTsqlTestDb::TRows TTsqlTestDb::Native(const QString& sqliteSql) {
  bool hasColumns = false;
  return Step(sqliteSql, {}, {}, {}, hasColumns);
}

TTsqlTestDb::TRows TTsqlTestDb::Step(const QString& sql, const QStringList& names,
                                     const QHash<QString, QVariant>& params,
                                     const QHash<QString, QVariant>& variables, bool& hasColumns,
                                     QVariant* firstValue) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(FDb, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
    throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(FDb)) + QStringLiteral("\nSQL: ") + sql);
  for (int i = 0; i < names.size(); ++i) {
    const QString& name = names[i];
    QVariant value;
    if (name.startsWith(u'@')) {
      value = variables.value(name.toUpper());
    } else {
      bool found = false;
      for (auto it = params.constBegin(); it != params.constEnd(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0) {
          value = it.value();
          found = true;
        }
      }
      if (!found) {
        sqlite3_finalize(stmt);
        throw EDatabaseError(QStringLiteral("No value for parameter :%1.").arg(name));
      }
    }
    Bind(stmt, i + 1, value);
  }
  TRows rows;
  const int columns = sqlite3_column_count(stmt);
  hasColumns = columns > 0;
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    if (firstValue && rows.empty() && columns > 0) {
      switch (sqlite3_column_type(stmt, 0)) {
        case SQLITE_INTEGER:
          *firstValue = QVariant(qint64(sqlite3_column_int64(stmt, 0)));
          break;
        case SQLITE_FLOAT:
          *firstValue = QVariant(sqlite3_column_double(stmt, 0));
          break;
        case SQLITE_NULL:
          *firstValue = QVariant();
          break;
        default:
          *firstValue = QVariant(CellText(stmt, 0));
      }
    }
    TRow row;
    for (int c = 0; c < columns; ++c) row << CellText(stmt, c);
    rows.push_back(row);
  }
  if (rc != SQLITE_DONE) {
    const QString message = QString::fromUtf8(sqlite3_errmsg(FDb));
    sqlite3_finalize(stmt);
    throw EDatabaseError(message + QStringLiteral("\nSQL: ") + sql);
  }
  sqlite3_finalize(stmt);
  return rows;
}

TTsqlTestDb::TRows TTsqlTestDb::Run(const QString& tsql, const QHash<QString, QVariant>& params) {
  const auto batch = TTsqlTranslator::Translate(tsql);
  QHash<QString, QVariant> variables;
  TRows result;
  bool haveResult = false;
  for (const TTsqlTranslatedStatement& s : batch->Statements) {
    bool hasColumns = false;
    QVariant first;
    TRows rows = Step(s.Sql, s.ParamNames, params, variables, hasColumns, &first);
    if (s.Action == TTsqlAction::AssignVariable) {
      if (!rows.empty()) variables.insert(s.Variable.toUpper(), first);
    } else if (hasColumns && !haveResult) {
      result = rows;
      haveResult = true;
    }
  }
  return result;
}

QString TTsqlTestDb::Value(const QString& tsql, const QHash<QString, QVariant>& params) {
  const TRows rows = Run(tsql, params);
  if (rows.size() != 1 || rows[0].size() != 1) {
    ADD_FAILURE() << "expected one value from " << tsql.toStdString();
    return QString();
  }
  return rows[0][0];
}
