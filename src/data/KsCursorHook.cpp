#include "data/KsCursorHook.h"

namespace {

IKsCursorHook* gHook = nullptr;
bool gShowHourGlass = true;

}  // namespace

void SetKsCursorHook(IKsCursorHook* hook) {
  gHook = hook;
}

IKsCursorHook* KsCursorHook() {
  return gHook;
}

bool KsDBLibShowHourGlass() {
  return gShowHourGlass;
}

void SetKsDBLibShowHourGlass(bool value) {
  gShowHourGlass = value;
}

TKsBusyCursor::TKsBusyCursor() {
  if (gShowHourGlass && gHook) {
    FHook = gHook;
    FHook->BeginBusy();
  }
}

TKsBusyCursor::~TKsBusyCursor() {
  if (FHook) FHook->EndBusy();
}
