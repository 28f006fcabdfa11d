#pragma once

#include "reports/engine/ReportDocument.h"

#include <vector>

// Geometry helpers over draw commands, shared by the generator (moving a
// band to another page, splitting a band across pages) and the devices.

void TranslateCommand(TDrawCommand& command, int dx, int dy);
void TranslateCommands(std::vector<TDrawCommand>& commands, int dx, int dy);

// Top and bottom edge of what a command covers, micrometres.
int CommandTop(const TDrawCommand& command);
int CommandBottom(const TDrawCommand& command);

// Splits commands at the horizontal line y. Commands wholly above stay in
// `commands`; those at or below it move to `below`, shifted up by y. Texts
// and rich texts that straddle y are divided line by line; other commands
// that straddle y stay above.
void SplitCommands(std::vector<TDrawCommand>& commands, int y, std::vector<TDrawCommand>& below);
