#pragma once

class TDemoContext;

// Property taken in at booking and its items, stored in the containers of
// the property rooms and returned at release (JBIPROP, JBPITEMS).
void WriteDemoProperty(TDemoContext& context);
