#include "core/Exception.h"
#include "data/driver/DbConnection.h"
#include "data/driver/QtPrinters.h"
#include "data/odbc/OdbcConnection.h"
#include "data/sqlite/SqliteConnection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace {

using DbValue::MakeDateTime;
using testing::HasSubstr;

// Debian's libsqliteodbc: a real ODBC driver that runs without a server,
// named by path so no odbcinst.ini is needed.
const QString kDriver = QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so");

std::string Utf8(const QString& s) {
  return s.toStdString();
}

template <typename F>
QString DatabaseErrorOf(F&& action) {
  try {
    action();
  } catch (const EDatabaseError& e) {
    return e.Message();
  }
  ADD_FAILURE() << "no EDatabaseError";
  return QString();
}

class OdbcConnectionTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!QFile::exists(kDriver))
      GTEST_SKIP() << "the SQLite ODBC driver " << Utf8(kDriver)
                   << " is not installed (Debian package libsqliteodbc)";
    ASSERT_TRUE(FDir.isValid());
    FPath = FDir.filePath("jail.db");
    CreateSqliteDatabase(FPath)->ExecuteNative(
        "CREATE TABLE T (I INTEGER, SI SMALLINT, B BIT, F DOUBLE, S VARCHAR(40), X TEXT, "
        "DT TIMESTAMP, DA DATE, TI TIME, BL BLOB)");
    FDb = OpenDbConnection(QString("Driver=%1;Database=%2").arg(kDriver, FPath));
  }

  TDbResult Run(const QString& sql, std::vector<TDbParam> params = {}) {
    return FDb->Execute(sql, params);
  }

  QTemporaryDir FDir;
  QString FPath;
  std::unique_ptr<IDbConnection> FDb;
};

TEST_F(OdbcConnectionTest, ConnectsThroughTheOdbcBackend) {
  EXPECT_EQ(FDb->DriverName(), "ODBC");
  EXPECT_EQ(FDb->DatabaseName(), FPath);
}

TEST_F(OdbcConnectionTest, OleDbKeysAreMappedForTheDriver) {
  // "Initial Catalog" reaches the driver as "Database"; Provider is dropped.
  auto db = OpenDbConnection(
      QString("Provider=SQLOLEDB.1;Initial Catalog=%1;Driver={%2}").arg(FPath, kDriver));
  std::vector<TDbParam> none;
  EXPECT_EQ(db->Execute("SELECT COUNT(*) FROM T", none).Rows.size(), 1u);
  EXPECT_EQ(db->DatabaseName(), FPath);
}

TEST_F(OdbcConnectionTest, BindsEveryValueTypeAndFetchesEveryColumnType) {
  const QString longText = QString::fromUtf8("Zoë ").repeated(5000);  // > one fetch chunk
  QByteArray blob(100000, '\0');
  for (int i = 0; i < blob.size(); ++i) blob[i] = char(i * 7);
  const QDateTime moment = MakeDateTime(2024, 2, 29, 23, 59, 58, 120);
  std::vector<TDbParam> params{
      {"I", ftUnknown, ptInput, qint64(5000000000)},
      {"SI", ftSmallint, ptInput, 7},
      {"B", ftUnknown, ptInput, true},
      {"F", ftUnknown, ptInput, 0.1},
      {"S", ftUnknown, ptInput, QString::fromUtf8("Müller, José")},
      {"X", ftUnknown, ptInput, longText},
      {"DT", ftUnknown, ptInput, moment},
      {"DA", ftDate, ptInput, MakeDateTime(2024, 3, 10)},
      {"TI", ftTime, ptInput, MakeDateTime(1899, 12, 30, 14, 30)},
      {"BL", ftUnknown, ptInput, blob},
  };
  FDb->Execute("INSERT INTO T VALUES (:I, :SI, :B, :F, :S, :X, :DT, :DA, :TI, :BL)", params);

  const TDbResult r = Run("SELECT I, SI, B, F, S, X, DT, DA, TI, BL FROM T");
  ASSERT_EQ(r.Rows.size(), 1u);
  const std::vector<TFieldType> types{ftInteger, ftSmallint, ftBoolean, ftFloat, ftString,
                                      ftMemo,    ftDateTime, ftDate,    ftTime,  ftBlob};
  ASSERT_EQ(r.Columns.size(), types.size());
  for (size_t c = 0; c < types.size(); ++c) EXPECT_EQ(r.Columns[c].DataType, types[c]) << c;
  EXPECT_EQ(r.Columns[4].Name, "S");

  const std::vector<QVariant> expected{qint64(5000000000),
                                       qint64(7),
                                       true,
                                       0.1,
                                       QString::fromUtf8("Müller, José"),
                                       longText,
                                       moment,
                                       MakeDateTime(2024, 3, 10),
                                       MakeDateTime(1899, 12, 30, 14, 30),
                                       blob};
  for (size_t c = 0; c < expected.size(); ++c) {
    EXPECT_EQ(r.Rows[0][c].typeId(), expected[c].typeId()) << c;
    EXPECT_EQ(r.Rows[0][c], expected[c]) << c;
  }
}

TEST_F(OdbcConnectionTest, NullsBindAndFetchInEveryColumnType) {
  std::vector<TDbParam> params{
      {"I", ftInteger, ptInput, QVariant()}, {"B", ftBoolean, ptInput, QVariant()},
      {"F", ftFloat, ptInput, QVariant()},   {"S", ftUnknown, ptInput, QVariant()},
      {"X", ftMemo, ptInput, QVariant()},    {"DT", ftDateTime, ptInput, QVariant()},
      {"TI", ftTime, ptInput, QVariant()},   {"BL", ftBlob, ptInput, QVariant()}};
  FDb->Execute(
      "INSERT INTO T (I, B, F, S, X, DT, TI, BL) VALUES (:I, :B, :F, :S, :X, :DT, :TI, :BL)",
      params);
  const TDbResult r = Run("SELECT I, B, F, S, X, DT, TI, BL, SI FROM T");
  ASSERT_EQ(r.Rows.size(), 1u);
  for (size_t c = 0; c < r.Columns.size(); ++c) EXPECT_TRUE(DbValue::IsNull(r.Rows[0][c])) << c;
  // Stored as nulls, not as empty or zero values.
  EXPECT_EQ(
      Run("SELECT COUNT(*) FROM T WHERE I IS NULL AND S IS NULL AND BL IS NULL AND DT IS NULL")
          .Rows[0][0]
          .toLongLong(),
      1);
}

TEST_F(OdbcConnectionTest, RepeatedAndMixedCaseParametersBindOneValue) {
  std::vector<TDbParam> params{{"Name", ftUnknown, ptInput, "it's :not a param"}};
  FDb->Execute("INSERT INTO T (S, X) VALUES (:NAME, :name || ' '':x''')", params);
  const TDbResult r = Run("SELECT S, X FROM T");
  EXPECT_EQ(r.Rows[0][0], QVariant("it's :not a param"));
  EXPECT_EQ(r.Rows[0][1], QVariant("it's :not a param ':x'"));
  EXPECT_EQ(DatabaseErrorOf([&] { Run("SELECT :Missing"); }), "No value for parameter :Missing.");
}

TEST_F(OdbcConnectionTest, ReportsRowsAffected) {
  Run("INSERT INTO T (I) VALUES (1)");
  Run("INSERT INTO T (I) VALUES (2)");
  EXPECT_EQ(Run("UPDATE T SET I = I + 10").RowsAffected, 2);
  EXPECT_EQ(Run("DELETE FROM T WHERE I = 99").RowsAffected, 0);
  const TDbResult r = Run("SELECT I FROM T ORDER BY I");
  EXPECT_EQ(r.RowsAffected, 2);
  EXPECT_EQ(r.Rows[1][0], QVariant(qint64(12)));
}

TEST_F(OdbcConnectionTest, ErrorsCarryTheDriversText) {
  const QString message = DatabaseErrorOf([&] { Run("SELECT * FROM NoSuchTable"); });
  EXPECT_THAT(Utf8(message), HasSubstr("no such table: NoSuchTable"));
  // The statement handle is freed on the error path: the connection goes on.
  EXPECT_EQ(Run("SELECT COUNT(*) FROM T").Rows.size(), 1u);
}

TEST_F(OdbcConnectionTest, AFailedConnectCarriesTheDriverManagersText) {
  const QString message = DatabaseErrorOf(
      [&] { OpenDbConnection("Driver=/nonexistent/libnothing.so;Database=x;PWD=secret"); });
  EXPECT_TRUE(message.startsWith("Cannot connect to the database: ")) << Utf8(message);
  EXPECT_THAT(Utf8(message), HasSubstr("libnothing.so"));
  EXPECT_THAT(Utf8(message), testing::Not(HasSubstr("secret")));
}

TEST_F(OdbcConnectionTest, TransactionsCommitAndRollBack) {
  FDb->StartTransaction();
  EXPECT_TRUE(FDb->InTransaction());
  Run("INSERT INTO T (I) VALUES (1)");
  FDb->Rollback();
  EXPECT_FALSE(FDb->InTransaction());
  FDb->StartTransaction();
  Run("INSERT INTO T (I) VALUES (2)");
  FDb->Commit();
  const TDbResult r = Run("SELECT I FROM T");
  ASSERT_EQ(r.Rows.size(), 1u);
  EXPECT_EQ(r.Rows[0][0], QVariant(qint64(2)));
  EXPECT_EQ(DatabaseErrorOf([&] { FDb->Commit(); }), "No transaction is active.");
}

TEST_F(OdbcConnectionTest, IndexColumnsComeFromSqlStatistics) {
  Run("CREATE UNIQUE INDEX UX_T ON T (S, I DESC)");
  Run("CREATE INDEX IX_T ON T (DT)");
  // Indexes come in the driver's order; each one's columns together and in
  // key order.
  std::vector<std::pair<QString, QStringList>> indexes;
  for (const TDbIndexColumn& c : FDb->IndexColumns("T")) {
    if (indexes.empty() || indexes.back().first != c.IndexName)
      indexes.push_back({c.IndexName, {}});
    indexes.back().second << c.ColumnName;
  }
  std::sort(indexes.begin(), indexes.end());
  const std::vector<std::pair<QString, QStringList>> expected{{"IX_T", {"DT"}},
                                                              {"UX_T", {"S", "I"}}};
  EXPECT_EQ(indexes, expected);
  EXPECT_TRUE(FDb->IndexColumns("NoSuchTable").empty());
}

}  // namespace
