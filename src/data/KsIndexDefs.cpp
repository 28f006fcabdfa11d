#include "data/KsIndexDefs.h"

#include <QStringList>

namespace {

QStringList SplitFields(const QString& fields) {
  QStringList out;
  for (const QString& part : fields.split(QLatin1Char(';'))) {
    const QString f = part.trimmed();
    if (!f.isEmpty()) out << f;
  }
  return out;
}

}  // namespace

QString TIndexDef::OrderByText() const {
  const QStringList desc = SplitFields(DescFields);
  QStringList parts;
  for (const QString& field : SplitFields(Fields)) {
    if (Options.testFlag(ixDescending) || desc.contains(field, Qt::CaseInsensitive)) {
      QString name = field;
      name.remove(QLatin1Char('"'));
      parts << name + QStringLiteral(" DESC");
    } else {
      parts << field;
    }
  }
  return parts.join(QStringLiteral(", "));
}

TIndexDef& TIndexDefs::Add(const QString& name, const QString& fields, TIndexOptions options,
                           const QString& descFields) {
  FItems.push_back(TIndexDef{name, fields, options, descFields});
  return FItems.back();
}

const TIndexDef* TIndexDefs::Find(const QString& name) const {
  for (const TIndexDef& def : FItems)
    if (def.Name.compare(name, Qt::CaseInsensitive) == 0) return &def;
  return nullptr;
}
