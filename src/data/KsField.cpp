#include "data/KsField.h"

#include "core/Exception.h"
#include "data/KsDataSet.h"
#include "data/KsVariant.h"

QVariant TField::Value() const {
  return FDataSet->FieldData(FIndex);
}

bool TField::IsNull() const {
  return KsVariant::IsNull(Value());
}

QString TField::AsString() const {
  return KsVariant::ToString(Value(), FDataType);
}

void TField::ConversionError(const char* kind) const {
  QString message = QStringLiteral("'%1' is not a valid %2 for field '%3'")
                        .arg(AsString(), QLatin1String(kind), FFieldName);
  if (!FDataSet->Name().isEmpty()) message = FDataSet->Name() + QStringLiteral(": ") + message;
  throw EDatabaseError(message);
}

int TField::AsInteger() const {
  return int(AsLargeInt());
}

qint64 TField::AsLargeInt() const {
  qint64 v = 0;
  if (!KsVariant::ToInt64(Value(), &v)) ConversionError("integer value");
  return v;
}

double TField::AsFloat() const {
  double v = 0;
  if (!KsVariant::ToDouble(Value(), &v)) ConversionError("floating point value");
  return v;
}

bool TField::AsBoolean() const {
  bool v = false;
  if (!KsVariant::ToBool(Value(), &v)) ConversionError("boolean value");
  return v;
}

QDateTime TField::AsDateTime() const {
  QDateTime v;
  if (!KsVariant::ToDateTime(Value(), &v)) ConversionError("date and time");
  return v;
}

QByteArray TField::AsBlob() const {
  return KsVariant::ToBytes(Value());
}

void TField::SetValue(const QVariant& value) {
  FDataSet->SetFieldData(FIndex, value);
}

void TField::SetAsDateTime(const QDateTime& value) {
  SetValue(value.isValid() ? QVariant(KsVariant::Naive(value)) : QVariant());
}

TField* TFields::FindField(const QString& name) const {
  const int i = IndexOf(name);
  return i < 0 ? nullptr : FItems[size_t(i)].get();
}

int TFields::IndexOf(const QString& name) const {
  const QString wanted = name.trimmed();
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i]->FieldName().compare(wanted, Qt::CaseInsensitive) == 0) return int(i);
  return -1;
}
