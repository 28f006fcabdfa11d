#include "reports/engine/OutputDevice.h"
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

}  // namespace
