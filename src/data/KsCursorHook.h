#pragma once

// The hourglass cursor, seen from the data layer. The data layer knows no
// widgets: the user-interface layer installs a hook that shows and restores
// the cursor; without one (tests, command line) nothing happens.
class IKsCursorHook {
 public:
  virtual ~IKsCursorHook() = default;
  // Shows the hourglass, remembering the cursor it replaces.
  virtual void BeginBusy() = 0;
  // Restores the cursor the matching BeginBusy replaced.
  virtual void EndBusy() = 0;
};

// The hook in use; nullptr for none. The caller keeps ownership.
void SetKsCursorHook(IKsCursorHook* hook);
IKsCursorHook* KsCursorHook();

// Whether the dataset routines show the hourglass while they work; true
// unless a program turns it off.
bool KsDBLibShowHourGlass();
void SetKsDBLibShowHourGlass(bool value);

// Shows the hourglass for its lifetime when the flag is set, restoring the
// previous cursor however the scope ends.
class TKsBusyCursor {
 public:
  TKsBusyCursor();
  ~TKsBusyCursor();
  TKsBusyCursor(const TKsBusyCursor&) = delete;
  TKsBusyCursor& operator=(const TKsBusyCursor&) = delete;

 private:
  IKsCursorHook* FHook = nullptr;
};
