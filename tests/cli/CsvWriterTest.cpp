#include "cli/CsvWriter.h"

#include "data/driver/DbTypes.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

TEST(CsvWriterTest, FieldsAreQuotedOnlyWhenTheyMustBe) {
  const struct {
    QString Text;
    QString Expected;
  } cases[] = {
      {"plain", "plain"},
      {"", ""},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\nlines", "\"two\nlines\""},
      {"cr\rhere", "\"cr\rhere\""},
      {" padded ", " padded "},
  };
  for (const auto& c : cases) EXPECT_EQ(Csv::Quote(c.Text), c.Expected) << c.Text.toStdString();
}

TEST(CsvWriterTest, ValuesPrintInTheDatabaseForms) {
  const std::vector<QVariant> row = {
      QVariant(),
      QVariant(qint64(42)),
      QVariant(2.5),
      QVariant(0.1 + 0.2),
      QVariant(true),
      QVariant(DbValue::MakeDateTime(2024, 3, 5, 14, 30, 0)),
      QVariant(DbValue::MakeDateTime(1899, 12, 30, 7, 5, 9, 250)),
      QVariant(QByteArray("\x01\xAB", 2)),
      QVariant(QString("O'Brien, Pat")),
  };
  EXPECT_EQ(Csv::Line(row),
            ",42,2.5,0.30000000000000004,1,2024-03-05 14:30:00,1899-12-30 07:05:09.250,0x01AB,"
            "\"O'Brien, Pat\"");
}

}  // namespace
