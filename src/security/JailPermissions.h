#pragma once

// The program's permissions that report code asks about, from the logged-in
// user's access levels.
class JailPermissionsReader {
 public:
  // Whether the user may see sealed bookings: level "FA" for JAIL /
  // JAILBOOK / VIEW_SEALED. False without an access module or a user.
  static bool HasViewSealedFullAccess();
  // The same for sealing bookings (section SEAL).
  static bool HasSetSealedFullAccess();
};
