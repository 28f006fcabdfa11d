#pragma once

#include "core/RegionalFormats.h"

#include <QString>

class TKsCustomConfigInfo;

// The regional formats the report-program configuration module fixes at
// start-up: the program's own (date separator "/", short date
// "mm/dd/yyyy", long date "mmm/dd/yyyy", short time "hh:nn AM/PM", long time
// "hh:nn:ss AM/PM"), each replaced by a non-empty value of section SYSTEM of
// JAILCONFIG.ini when that file lies beside the suite configuration file.

QString JailConfigIniFileName();  // "JAILCONFIG.ini"

// ABase with the date separator and the four date and time formats set to
// the program's own, then replaced from the given JAILCONFIG.ini (none when
// AJailConfigIni is empty). Throws EIniFileError when the file cannot be read.
TRegionalFormats JailConfigRegionalFormats(const QString& AJailConfigIni, TRegionalFormats ABase);

// The JAILCONFIG.ini beside the configuration file (name matched without
// regard to case); empty when there is none.
QString FindJailConfigIni(const TKsCustomConfigInfo& AConfigInfo);

// Puts the formats in force for the whole process. A JAILCONFIG.ini that
// cannot be read is reported as a warning and the program's own formats
// stay; a missing one is not an error.
void SetJailConfigRegionalFormats(const TKsCustomConfigInfo& AConfigInfo);
