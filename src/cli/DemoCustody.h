#pragma once

class TDemoContext;

// Where the inmates are and have been: stays and absences (CheckInOut, with
// inmates out right now, weekenders, work release and absences across
// midnight), whereabouts (INMATETRACKING), moves between cells and trips to
// court with today's first appearances (JBMOVE), periods held for other
// jurisdictions, sentence adjustments, keep-from lists and special
// requirements.
void WriteDemoCustody(TDemoContext& context);
