#pragma once

#include <functional>

// Runs what a menu item, button or action does. An exception that its own
// handling let through goes to the error-reporting facility here, because it
// must not unwind through the event loop.
void RunGuardedHandler(const std::function<void()>& AHandler);
