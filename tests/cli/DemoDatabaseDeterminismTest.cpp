// A seed, a scale and a day give the same demo database every time; another
// seed gives another one.

#include "DemoDatabaseFixture.h"

#include <QCryptographicHash>
#include <QStringList>

#include <gtest/gtest.h>

#include <map>

namespace {

// Every table's row count and a digest of all its rows in insertion order.
// Password hashes carry a random salt by design and are left out.
std::map<QString, std::pair<qint64, QByteArray>> Contents(TDemoDatabaseFile& demo) {
  std::map<QString, std::pair<qint64, QByteArray>> contents;
  const TDbResult tables = demo.Native(QStringLiteral(
      "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%'"));
  for (const auto& table : tables.Rows) {
    const QString name = table[0].toString();
    const TDbResult rows =
        demo.Native(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(name));
    QCryptographicHash digest(QCryptographicHash::Sha256);
    for (const auto& row : rows.Rows) {
      for (size_t c = 0; c < row.size(); ++c) {
        if (rows.Columns[c].Name == QLatin1String("EncryptedPassword")) continue;
        const QVariant& v = row[c];
        digest.addData(v.isValid() ? (v.typeId() == QMetaType::QByteArray ? v.toByteArray()
                                                                          : v.toString().toUtf8())
                                   : QByteArray("\x01NULL"));
        digest.addData(QByteArray("\x00", 1));
      }
    }
    contents[name] = {qint64(rows.Rows.size()), digest.result()};
  }
  return contents;
}

TEST(DemoDatabaseDeterminismTest, TheSameSeedGivesTheSameDatabaseAndAnotherSeedAnother) {
  TDemoDatabaseFile first(7, 0, QStringLiteral("first.db"));
  TDemoDatabaseFile second(7, 0, QStringLiteral("second.db"));
  TDemoDatabaseFile other(8, 0, QStringLiteral("other.db"));
  const auto a = Contents(first);
  const auto b = Contents(second);
  const auto c = Contents(other);
  ASSERT_GT(a.size(), 50u);
  EXPECT_EQ(a.size(), b.size());
  QStringList differing;
  for (const auto& [table, content] : a) {
    const auto it = b.find(table);
    if (it == b.end() || it->second != content) differing << table;
  }
  EXPECT_TRUE(differing.isEmpty()) << differing.join(QLatin1Char(' ')).toStdString();
  EXPECT_NE(a.at(QStringLiteral("JAILBOOK")), c.at(QStringLiteral("JAILBOOK")));
  EXPECT_NE(a.at(QStringLiteral("JBLOG")), c.at(QStringLiteral("JBLOG")));
}

}  // namespace
