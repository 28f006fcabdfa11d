#pragma once

#include "app/StartupSequence.h"

#include <functional>
#include <vector>

// The program's singletons in their creation order, each in its fixed slot.
// A module joins start-up by giving its slot a GlobalSlot(...) in
// StartupModules.cpp; the order and the splash steps never change.
std::vector<TStartupSlot> ProgramStartupSlots();

// Reports the session module's abort flag (xbUserAbortLogin); empty while the
// session module is not part of the build.
std::function<bool()> ProgramUserAbortedLogin();
