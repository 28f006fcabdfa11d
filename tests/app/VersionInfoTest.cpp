#include "app/VersionInfo.h"

#include <gtest/gtest.h>

namespace {

TEST(VersionInfoTest, TheSplashFieldsReadByIndex) {
  TVersionInfo info;
  info.SetFileName("/opt/Keystane.App/tallyhouse");
  EXPECT_EQ(info.StringField(1), "Ruzi Zavod Odezide");
  EXPECT_EQ(info.StringField(2), TH_VERSION_STRING);
  EXPECT_EQ(info.StringField(7), "Wardhaven");
  EXPECT_EQ(info.StringField(2).count('.'), 3);  // always four parts
  EXPECT_EQ(info.StringField(-1), "");
  EXPECT_EQ(info.StringField(10), "");
}

}  // namespace
