#include "reports/engine/DeviceRegistry.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceRegistryTest, DevicesAreKnownByNameAndExtensionWhileRegistered) {
  {
    TStandardDeviceRegistration registration;
    TDeviceRegistry& registry = TDeviceRegistry::Instance();
    const TDeviceInfo* none = registry.Find("noextensionfile");
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->Name, "NoExtensionFile");
    EXPECT_TRUE(none->DefaultExt.isEmpty());
    ASSERT_NE(registry.FindByExtension("CSV"), nullptr);
    EXPECT_EQ(registry.FindByExtension("CSV")->Name, "CSVFile");
    EXPECT_EQ(registry.FindByExtension("xlsx")->Name, "XLSXFile");
    EXPECT_EQ(registry.FindByExtension("txt")->Name, "TextFile");
    EXPECT_EQ(registry.FindByExtension("pdf")->Name, "PDFFile");
    EXPECT_FALSE(registry.Find("Printer")->IsFileDevice);
    EXPECT_EQ(registry.FindByExtension(""), nullptr);
  }
  EXPECT_EQ(TDeviceRegistry::Instance().Find("NoExtensionFile"), nullptr);
  EXPECT_THROW(TDeviceRegistry::Instance().Create("NoExtensionFile"), EReportDeviceError);
}

}  // namespace
