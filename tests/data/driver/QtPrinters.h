#pragma once

#include <QString>
#include <QVariant>

#include <ostream>

// Readable gtest failure output for Qt values.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QVariant& value, std::ostream* os) {
  if (!value.isValid() || value.isNull()) {
    *os << "NULL";
    return;
  }
  *os << value.typeName() << '(' << value.toString().toStdString() << ')';
}
