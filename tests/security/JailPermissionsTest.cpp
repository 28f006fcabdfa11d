#include "SecurityTestDb.h"

#include "security/JailPermissions.h"

namespace {

class JailPermissionsTest : public SecurityTestDb {
 protected:
  void TearDown() override {
    dtmAccess = nullptr;
    SecurityTestDb::TearDown();
  }
};

TEST_F(JailPermissionsTest, NoModuleOrNoUserMeansNoSealedAccess) {
  dtmAccess = nullptr;
  EXPECT_FALSE(JailPermissionsReader::HasViewSealedFullAccess());
  EXPECT_FALSE(JailPermissionsReader::HasSetSealedFullAccess());
  const auto access = NewAccess();
  dtmAccess = access.get();
  EXPECT_FALSE(JailPermissionsReader::HasViewSealedFullAccess());
}

TEST_F(JailPermissionsTest, OnlyFullAccessCounts) {
  SetLevel("100", "JAIL", "JAILBOOK", "SEAL", "FA");
  struct TCase {
    const char* User;
    bool View;
    bool Set;
  } cases[] = {
      {"DEMO", true, true},     // FA for both
      {"CLERK", false, false},  // "RO" to view, nothing to seal
  };
  const auto access = NewAccess();
  dtmAccess = access.get();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.User);
    access->SetUserName(c.User, false);
    EXPECT_EQ(JailPermissionsReader::HasViewSealedFullAccess(), c.View);
    EXPECT_EQ(JailPermissionsReader::HasSetSealedFullAccess(), c.Set);
  }
  access->Logout();
  EXPECT_FALSE(JailPermissionsReader::HasViewSealedFullAccess());
}

TEST_F(JailPermissionsTest, DestroyingTheModuleClearsTheGlobal) {
  auto access = NewAccess();
  dtmAccess = access.get();
  access.reset();
  EXPECT_EQ(dtmAccess, nullptr);
  EXPECT_FALSE(JailPermissionsReader::HasViewSealedFullAccess());
}

}  // namespace
