#include "data/odbc/OdbcHandle.h"

#include "core/Exception.h"

#include <QByteArray>
#include <QStringList>

#include <utility>

TOdbcHandle::TOdbcHandle(SQLSMALLINT type, SQLHANDLE parent) : FType(type) {
  const SQLRETURN rc = SQLAllocHandle(type, parent, &FHandle);
  if (!SQL_SUCCEEDED(rc)) {
    FHandle = SQL_NULL_HANDLE;
    QString why;
    if (parent != SQL_NULL_HANDLE)
      why = OdbcDiagnostics(type == SQL_HANDLE_STMT ? SQL_HANDLE_DBC : SQL_HANDLE_ENV, parent);
    throw EDatabaseError(QStringLiteral("Cannot allocate an ODBC handle.") +
                         (why.isEmpty() ? QString() : QLatin1Char('\n') + why));
  }
}

TOdbcHandle::~TOdbcHandle() {
  Free();
}

TOdbcHandle::TOdbcHandle(TOdbcHandle&& other) noexcept
    : FType(other.FType), FHandle(std::exchange(other.FHandle, SQLHANDLE(nullptr))) {}

TOdbcHandle& TOdbcHandle::operator=(TOdbcHandle&& other) noexcept {
  if (this != &other) {
    Free();
    FType = other.FType;
    FHandle = std::exchange(other.FHandle, SQLHANDLE(nullptr));
  }
  return *this;
}

void TOdbcHandle::Free() noexcept {
  if (FHandle != SQL_NULL_HANDLE) SQLFreeHandle(FType, FHandle);
  FHandle = SQL_NULL_HANDLE;
}

void TOdbcHandle::Check(SQLRETURN rc, const QString& context) const {
  if (SQL_SUCCEEDED(rc)) return;
  QString text = OdbcDiagnostics(FType, FHandle);
  if (text.isEmpty()) text = QStringLiteral("ODBC call failed (return code %1).").arg(rc);
  throw EDatabaseError(context.isEmpty() ? text : context + QStringLiteral(": ") + text);
}

QString OdbcDiagnostics(SQLSMALLINT type, SQLHANDLE handle) {
  QStringList lines;
  for (SQLSMALLINT record = 1;; ++record) {
    SQLCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
    SQLINTEGER native = 0;
    QByteArray message(1024, '\0');
    SQLSMALLINT length = 0;
    SQLRETURN rc = SQLGetDiagRec(type, handle, record, state, &native,
                                 reinterpret_cast<SQLCHAR*>(message.data()),
                                 SQLSMALLINT(message.size()), &length);
    if (rc == SQL_SUCCESS_WITH_INFO && length >= message.size()) {
      message.resize(length + 1);
      rc = SQLGetDiagRec(type, handle, record, state, &native,
                         reinterpret_cast<SQLCHAR*>(message.data()), SQLSMALLINT(message.size()),
                         &length);
    }
    if (!SQL_SUCCEEDED(rc)) break;
    lines << QString::fromUtf8(message.constData(), qMin<qsizetype>(length, message.size() - 1))
                 .trimmed();
  }
  return lines.join(QLatin1Char('\n'));
}
