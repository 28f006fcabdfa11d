#pragma once

class TDemoContext;

// Where the inmates are and have been: stays and absences (CheckInOut, with
// inmates out right now, weekenders, work release and absences across
// midnight), whereabouts (INMATETRACKING), and moves between cells and trips
// to court with today's first appearances (JBMOVE).
void WriteDemoCustody(TDemoContext& context);
