#include "data/KsDBLib.h"

#include "core/Exception.h"
#include "data/KsCursorHook.h"
#include "data/KsMSAccess.h"
#include "data/KsSQLDatabase.h"

#include <QRegularExpression>

namespace {

const QString kUniqueKeyField = QStringLiteral("UniqueKey");

QString Annotated(const QString& message, const TKsCustomDataSet& dataSet) {
  return message + QLatin1Char('\n') + QStringLiteral("DataSet: ") + dataSet.Name();
}

void SetParamsAndOpen(TKsCustomDataSet& dataSet, const QStringList& names, const QVariant& values) {
  dataSet.Close();
  if (names.size() == 1) {
    QVariant value = values;
    if (value.metaType().id() == QMetaType::QVariantList && value.toList().size() == 1)
      value = value.toList().first();
    dataSet.ParamByName(names.first()).SetValue(value);
  } else if (!names.isEmpty()) {
    const QVariantList list = values.toList();
    if (list.size() < names.size())
      throw EDatabaseError(QStringLiteral("%1 parameter names were given with %2 values")
                               .arg(names.size())
                               .arg(list.size()));
    for (qsizetype i = 0; i < names.size(); ++i) dataSet.ParamByName(names[i]).SetValue(list[i]);
  }
  dataSet.Open();
}

QString NormalizedOrderBy(const QString& orderBy) {
  static const QRegularExpression kBlanks(QStringLiteral("\\s+"));
  return QString(orderBy).remove(kBlanks).toUpper().trimmed();
}

}  // namespace

void AnnotateDataSetError(Exception& error, const TKsCustomDataSet& dataSet) {
  error.SetMessage(Annotated(error.Message(), dataSet));
}

void OpenDataSetsWithParams(const std::vector<TKsCustomDataSet*>& dataSets,
                            const QString& paramNames, const QVariant& values) {
  TKsBusyCursor busy;
  static const QRegularExpression kSeparators(QStringLiteral("[;,]"));
  QStringList names;
  for (const QString& part : paramNames.split(kSeparators)) {
    const QString name = part.trimmed();
    if (!name.isEmpty()) names << name;
  }
  for (TKsCustomDataSet* dataSet : dataSets) {
    try {
      SetParamsAndOpen(*dataSet, names, values);
    } catch (Exception& e) {
      AnnotateDataSetError(e, *dataSet);
      throw;
    } catch (const std::exception& e) {
      throw EDatabaseError(Annotated(QString::fromUtf8(e.what()), *dataSet));
    }
  }
}

void OpenWithParams(TKsCustomDataSet* dataSet, const QString& paramNames, const QVariant& values) {
  OpenDataSetsWithParams({dataSet}, paramNames, values);
}

void SetQueryOrderBy(TKsCustomDataSet* query, const QString& orderBy) {
  if (NormalizedOrderBy(query->GetOrderBy()) == NormalizedOrderBy(orderBy)) return;
  const bool wasOpen = query->Active();
  query->SetOrderBy(orderBy);
  if (wasOpen) query->Open();
}

void SetQueryOrderBy(const std::vector<TKsCustomDataSet*>& queries, const QString& orderBy) {
  for (TKsCustomDataSet* query : queries) SetQueryOrderBy(query, orderBy);
}

void SetTableOrderFields(TKsMSTable* table, const QString& fields) {
  table->SetOrderFields(fields);
}

void RequeryKeepPosition(TKsCustomDataSet* dataSet, const QString& newSQL) {
  TKsBusyCursor busy;
  QVariant key;
  if (dataSet->Active()) {
    if (const TField* field = dataSet->FindField(kUniqueKeyField)) key = field->Value();
  }
  const bool wasOpen = dataSet->Active();
  dataSet->Close();
  if (!newSQL.isEmpty()) dataSet->SQL().SetText(newSQL);
  if (!wasOpen) return;
  dataSet->Open();
  if (key.isValid() && dataSet->FindField(kUniqueKeyField)) dataSet->Locate(kUniqueKeyField, key);
}

bool GetScalarValue(TKsSQLDatabase* connection, const QString& sql, const QVariantList& params,
                    QVariant& value) {
  TKsMSQuery query;
  query.SetConnection(connection);
  query.SetReadOnly(true);
  query.SQL().SetText(sql);
  const int n = std::min(query.ParamCount(), int(params.size()));
  for (int i = 0; i < n; ++i) query.Params()[i].SetValue(params[i]);
  query.Open();
  if (query.FieldCount() == 0) {
    value = QVariant();
    return false;
  }
  value = query.IsEmpty() ? QVariant() : query.Fields()[0].Value();
  return true;
}
