// At the default scale the demo jail is the size of a county jail: a few
// hundred inmates in custody and several thousand released bookings over
// six years; the scale multiplies it.

#include "DemoDatabaseFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(DemoDatabaseScaleTest, TheDefaultScaleHoldsAFewHundredInmatesAndYearsOfReleases) {
  TDemoDatabaseFile demo(1, 1);
  const qint64 inCustody = demo.Count(QStringLiteral("SELECT COUNT(*) FROM JAILBOOK"));
  EXPECT_GE(inCustody, 300);
  EXPECT_LE(inCustody, 500);
  EXPECT_GE(demo.Count(QStringLiteral("SELECT COUNT(*) FROM JBHISTO")), 3000);
  EXPECT_GE(
      demo.Count(QStringLiteral("SELECT COUNT(DISTINCT substr(BOOKDATE, 1, 4)) FROM JBHISTO")), 6);
  EXPECT_GE(demo.Count(QStringLiteral("SELECT COUNT(*) FROM JBLOG")), 2000);
}

}  // namespace
