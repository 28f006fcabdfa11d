#pragma once

#include <QByteArray>

class TDemoRandom;

// Pictures of the demo jail, as JPEG: booking photographs (a drawn head
// and shoulders against the height chart, different for every call) and the
// primary agency's logo. Drawn without text, so no fonts are needed.
// Throw EDatabaseError when the JPEG writer is not available.
QByteArray DemoPortraitJpeg(TDemoRandom& random);
QByteArray DemoLogoJpeg();
