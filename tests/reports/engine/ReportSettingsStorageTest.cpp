#include "reports/engine/DeviceRegistry.h"
#include "reports/engine/ReportSettingsStorage.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportSettingsStorageTest, NoneStorageRemembersNothing) {
  {
    TppIniNoneRegistration registration;
    EXPECT_TRUE(IniStoragePlugIns().contains("None"));
    TppIniStorage& storage = CurrentIniStorage();
    ASSERT_NE(dynamic_cast<TppCustomIniNone*>(&storage), nullptr);
    storage.WriteString("Printer", "PrinterName", "Lobby");
    storage.WriteInteger("Preview", "Zoom", 150);
    storage.WriteBool("Preview", "Thumbnails", true);
    storage.EraseSection("Preview");
    EXPECT_EQ(storage.ReadString("Printer", "PrinterName", "default"), "default");
    EXPECT_EQ(storage.ReadInteger("Preview", "Zoom", 100), 100);
    EXPECT_FALSE(storage.ReadBool("Preview", "Thumbnails", false));
  }
  EXPECT_FALSE(IniStoragePlugIns().contains("None"));
  EXPECT_THROW(SetCurrentIniStorage("None"), EReportDeviceError);
}

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
