#pragma once

#include <QFlags>
#include <QString>

#include <vector>

enum TIndexOption { ixPrimary = 0x1, ixUnique = 0x2, ixDescending = 0x4, ixCaseInsensitive = 0x8 };
Q_DECLARE_FLAGS(TIndexOptions, TIndexOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TIndexOptions)

// A named ordering of a table: its fields separated by ";" (and, of those,
// the ones sorted descending in DescFields).
struct TIndexDef {
  QString Name;
  QString Fields;
  TIndexOptions Options;
  QString DescFields;

  // The ORDER BY list this index stands for: the fields separated by ", ",
  // each followed by " DESC" (and with double quotes removed) when the whole
  // index or that field is descending.
  QString OrderByText() const;
};

class TIndexDefs {
 public:
  int Count() const { return int(FItems.size()); }
  bool IsEmpty() const { return FItems.empty(); }
  const TIndexDef& operator[](int index) const { return FItems.at(size_t(index)); }
  TIndexDef& Add(const QString& name, const QString& fields, TIndexOptions options = {},
                 const QString& descFields = QString());
  // Names compare without regard to case; nullptr when absent.
  const TIndexDef* Find(const QString& name) const;
  void Clear() { FItems.clear(); }

 private:
  std::vector<TIndexDef> FItems;
};
